// OSC 1.0 address patterns against incoming addresses.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "AddressPattern.h"

namespace {

using zubrelay::AddressPattern;

bool match(const std::string& pattern, const std::string& address) {
  return AddressPattern(pattern).matches(address);
}

TEST(AddressPattern, ExactAddressesMatchOnlyThemselves) {
  EXPECT_TRUE(match("/1/fader1", "/1/fader1"));
  EXPECT_FALSE(match("/1/fader1", "/1/fader10"));
  EXPECT_FALSE(match("/1/fader1", "/1/fader"));
  EXPECT_FALSE(match("/1/fader1", "/1/fader1/z"));
  EXPECT_FALSE(match("/1/fader1", "1/fader1"));
  EXPECT_FALSE(match("/1/fader1", ""));
}

TEST(AddressPattern, WildcardsStayWithinOnePart) {
  EXPECT_TRUE(match("/1/fader?", "/1/fader7"));
  EXPECT_FALSE(match("/1/fader?", "/1/fader"));
  EXPECT_FALSE(match("/1/fader?", "/1/fader12"));
  EXPECT_TRUE(match("/*/fader1", "/2/fader1"));
  EXPECT_TRUE(match("/1/*", "/1/"));
  EXPECT_TRUE(match("/1/*", "/1/anything"));
  EXPECT_FALSE(match("/1/*", "/1/fader1/z"));
  EXPECT_FALSE(match("/*", "/1/fader1"));
  EXPECT_TRUE(match("/1/f*r*1", "/1/fader1"));
  EXPECT_TRUE(match("/1/**1", "/1/fader1"));
  EXPECT_FALSE(match("/1/f*r*2", "/1/fader1"));
  EXPECT_FALSE(match("/?", "//"));
}

TEST(AddressPattern, CharacterSetsTakeRangesAndNegation) {
  EXPECT_TRUE(match("/fader[123]", "/fader2"));
  EXPECT_FALSE(match("/fader[123]", "/fader4"));
  EXPECT_TRUE(match("/fader[1-3]", "/fader3"));
  EXPECT_FALSE(match("/fader[1-3]", "/fader0"));
  EXPECT_TRUE(match("/fader[!1-3]", "/fader4"));
  EXPECT_FALSE(match("/fader[!1-3]", "/fader2"));
  EXPECT_TRUE(match("/x[a-cx-z]", "/xy"));
  // A `-` at either end of a set stands for itself.
  EXPECT_TRUE(match("/a[-b]", "/a-"));
  EXPECT_TRUE(match("/a[b-]", "/a-"));
  EXPECT_FALSE(match("/a[b-]", "/ac"));
  EXPECT_FALSE(match("/fader[12]", "/fader12"));
}

TEST(AddressPattern, ChoicesMatchOneOfTheirTexts) {
  EXPECT_TRUE(match("/{accxyz,gyro}", "/accxyz"));
  EXPECT_TRUE(match("/{accxyz,gyro}", "/gyro"));
  EXPECT_FALSE(match("/{accxyz,gyro}", "/acc"));
  EXPECT_TRUE(match("/1/{fader,rotary}[1-4]", "/1/rotary4"));
  EXPECT_TRUE(match("/a{,b}", "/a"));
  EXPECT_TRUE(match("/{a,ab}c", "/abc"));
}

TEST(AddressPattern, MalformedPatternsAreRefused) {
  for (const char* bad : {"", "fader", "/a[12", "/a[]", "/a[!]", "/a{b,c", "/a]", "/a}", "/a{b*}",
                          "/a[3-1]", "/a b", "/#a"}) {
    EXPECT_THROW(AddressPattern{bad}, std::invalid_argument) << bad;
  }
}

TEST(AddressPattern, ManyStarsAgainstALongAddressStayCheap) {
  // A backtracking matcher would take exponential time here.
  const AddressPattern pattern("/*a*a*a*a*a*a*a*a*a*a*a*b");
  EXPECT_FALSE(pattern.matches("/" + std::string(20000, 'a')));
  EXPECT_TRUE(pattern.matches("/" + std::string(20000, 'a') + "b"));
}

}  // namespace
