// MString, MStringArray and MStatus: the value classes plug-ins build text with.
#include <gtest/gtest.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <type_traits>
#include <utility>

namespace {

template <typename T, typename = void>
struct CanAppend : std::false_type {};
template <typename T>
struct CanAppend<T, std::void_t<decltype(std::declval<const MString&>() + std::declval<T>())>>
    : std::true_type {};

template <typename T, typename = void>
struct CanOrder : std::false_type {};
template <typename T>
struct CanOrder<T, std::void_t<decltype(std::declval<const T&>() < std::declval<const T&>())>>
    : std::true_type {};

// A literal 0 is both a null pointer and an int: `s + 0` is ambiguous, as
// with Maya's class, while `s + 1` goes through operator+(double).
template <typename S, typename = void>
struct CanAppendZero : std::false_type {};
template <typename S>
struct CanAppendZero<S, std::void_t<decltype(std::declval<const S&>() + 0)>> : std::true_type {};
template <typename S, typename = void>
struct CanAppendOne : std::false_type {};
template <typename S>
struct CanAppendOne<S, std::void_t<decltype(std::declval<const S&>() + 1)>> : std::true_type {};

static_assert(!CanAppendZero<MString>::value, "s + 0 must stay ambiguous");
static_assert(CanAppendOne<MString>::value, "s + 1 must compile");

static_assert(CanAppend<int>::value, "an int goes through operator+(double)");
static_assert(CanAppend<unsigned>::value && CanAppend<std::size_t>::value &&
              CanAppend<char>::value);
static_assert(!CanAppend<std::string>::value, "no conversion from std::string");
static_assert(!CanOrder<MString>::value, "MString has no operator<");
static_assert(!std::is_convertible_v<int, MString>, "no MString from an int");

std::vector<std::string> split(const char* text, char c) {
  MStringArray parts;
  EXPECT_TRUE(MString(text).split(c, parts));
  std::vector<std::string> out;
  for (const MString& p : parts) out.emplace_back(p.asChar());
  return out;
}

}  // namespace

TEST(MString, IntegersAppendThroughDouble) {
  MString s("n=");
  EXPECT_STREQ((s + 1).asChar(), "n=1");
  EXPECT_STREQ((s + 3u).asChar(), "n=3");
  EXPECT_STREQ((s + 'A').asChar(), "n=65");  // a char is appended as its number
}

TEST(MString, NumbersAppendInShortestForm) {
  MString s;
  s += 0.1;
  s += " ";
  s += 20.0;
  s += " ";
  s += -3.25;
  s += " ";
  s += 1e21;
  EXPECT_STREQ(s.asChar(), "0.1 20 -3.25 1e+21");
  EXPECT_STREQ((MString("h ") + 0.30000000000000004 + " x").asChar(), "h 0.30000000000000004 x");
  MString f;
  f += 0.1f;
  f += 7;
  f += 4000000000u;
  EXPECT_STREQ(f.asChar(), "0.174000000000");
  MString fixed;
  fixed.set(2.0 / 3, 3);
  EXPECT_STREQ(fixed.asChar(), "0.667");
}

TEST(MString, ConcatenationAndComparison) {
  MString a("abc");
  MString b = "x" + a + "y" + MString("z");
  EXPECT_STREQ(b.asChar(), "xabcyz");
  EXPECT_TRUE(a == "abc");
  EXPECT_TRUE(a != "abd");
  EXPECT_TRUE(MString() == "");
  EXPECT_FALSE(a != MString("abc"));
  EXPECT_EQ(MString(nullptr).length(), 0u);
  EXPECT_EQ(MString("h\xC3\xA9").length(), 3u);  // bytes
  EXPECT_EQ(MString("h\xC3\xA9").numChars(), 2u);
  EXPECT_STREQ(MString("abcdef").substring(2, 3).asChar(), "cd");
  EXPECT_EQ(MString("a.b.c").rindex('.'), 3);
  EXPECT_EQ(MString("abc").index('z'), -1);
}

TEST(MString, SplitDropsEmptyFields) {
  EXPECT_EQ(split("1 2 3", ' '), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(split(",a,,b,", ','), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(split("abc", ','), (std::vector<std::string>{"abc"}));
  EXPECT_TRUE(split("", ',').empty());
  EXPECT_TRUE(split(",,,", ',').empty());
}

TEST(MString, NumericReading) {
  EXPECT_DOUBLE_EQ(MString("2.5").asDouble(), 2.5);
  EXPECT_DOUBLE_EQ(MString(" -1e3").asDouble(), -1000);
  EXPECT_DOUBLE_EQ(MString("2.5cm").asDouble(), 2.5);  // the leading number
  EXPECT_DOUBLE_EQ(MString("abc").asDouble(), 0);
  EXPECT_DOUBLE_EQ(MString("").asDouble(), 0);
  EXPECT_EQ(MString("42").asInt(), 42);
  EXPECT_EQ(MString("x").asInt(), 0);
  EXPECT_TRUE(MString("1.5").isDouble());
  EXPECT_TRUE(MString(" 7 ").isInt());
  EXPECT_FALSE(MString("2.5cm").isDouble());
  EXPECT_FALSE(MString("1.5").isInt());
  EXPECT_FALSE(MString("").isDouble());
}

TEST(MStringArray, EditsAndBounds) {
  MStringArray a(2, "x");
  EXPECT_TRUE(a.append("y"));
  EXPECT_TRUE(a.insert("first", 0));
  EXPECT_FALSE(a.insert("far", 10));
  EXPECT_FALSE(a.set("z", 4));
  EXPECT_TRUE(a.remove(1));
  ASSERT_EQ(a.length(), 3u);
  EXPECT_STREQ(a[0].asChar(), "first");
  EXPECT_EQ(a.indexOf("y"), 2);
  EXPECT_EQ(a.indexOf("nope"), -1);
}

TEST(MStatus, CodesAndText) {
  MStatus ok;
  EXPECT_TRUE(ok);
  EXPECT_FALSE(ok.error());
  MStatus bad(MS::kInvalidParameter);
  EXPECT_FALSE(bad);
  EXPECT_TRUE(bad == MS::kInvalidParameter);
  EXPECT_TRUE(MS::kInvalidParameter == bad);
  EXPECT_TRUE(bad != MS::kFailure);
  EXPECT_STREQ(bad.errorString().asChar(), "Invalid Parameter");
  bad.clear();
  EXPECT_EQ(bad.statusCode(), MS::kSuccess);
  MStatus viaSet;
  viaSet.set(false, MS::kNotFound, 0);
  EXPECT_EQ(viaSet, MS::kNotFound);

  testing::internal::CaptureStderr();
  MStatus(MS::kFailure).perror("doIt");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "doIt: Unexpected Internal Failure\n");
}
