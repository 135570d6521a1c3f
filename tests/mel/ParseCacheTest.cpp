// The cache of parsed short texts: what it keeps, for how long, and that a
// text run from it behaves as the same text parsed afresh.
#include <memory>
#include <string>

#include "MelFixture.h"
#include "mel/ParseCache.h"
#include "mel/Parser.h"

using mel::detail::ParseCache;

TEST(ParseCache, KeepsATextFromItsSecondRunOnAndHandsOutOneTree) {
  ParseCache cache;
  const auto first = cache.parse("print 1;", "");
  EXPECT_EQ(cache.size(), 0u);  // seen once: nothing copied
  const auto second = cache.parse("print 1;", "");
  EXPECT_EQ(cache.size(), 1u);
  EXPECT_NE(first, second);
  EXPECT_EQ(cache.parse("print 1;", ""), second);
  // The source name is part of what is kept: errors name it.
  cache.parse("print 1;", "a.mel");
  EXPECT_NE(cache.parse("print 1;", "a.mel"), second);
  EXPECT_EQ(cache.size(), 2u);
}

TEST(ParseCache, NeverKeepsFailuresOrLongTexts) {
  ParseCache cache;
  for (int i = 0; i < 3; ++i) EXPECT_THROW(cache.parse("print (;", ""), mel::ParseError);
  const std::string longText = "print \"" + std::string(ParseCache::kLongestText, 'x') + "\";";
  for (int i = 0; i < 3; ++i) cache.parse(longText, "");
  EXPECT_EQ(cache.size(), 0u);
}

TEST(ParseCache, StaysBoundedAndKeepsWhatIsStillInUse) {
  ParseCache cache;
  cache.parse("zubCmd_getOSC;", "");
  const auto busy = cache.parse("zubCmd_getOSC;", "");
  for (int i = 0; i < 500; ++i) {
    const std::string text = "setAttr a.tx " + std::to_string(i) + ";";
    cache.parse(text, "");
    cache.parse(text, "");  // kept, pushing older texts out
    EXPECT_LE(cache.size(), ParseCache::kEntries);
    if (i % 8 == 0) {
      EXPECT_EQ(cache.parse("zubCmd_getOSC;", ""), busy) << i;
    }
  }
  EXPECT_EQ(cache.size(), ParseCache::kEntries);
  // A tree pushed out lives on for whoever still runs it.
  cache.clear();
  EXPECT_FALSE(busy->statements.empty());
}

// Each text runs three times as it is (kept from the second run) and three
// times with a different comment (parsed every time); both print the same.
TEST_F(MelTest, ATextRunFromTheCacheBehavesAsOneParsedAfresh) {
  const char* texts[] = {
      "proc int twice(int $x) { return 2 * $x; } print(twice(21) + \" \");",
      "int $n; $n += 1; print($n + \" \");",
      "string $s[]; $s[size($s)] = \"a\"; print(size($s) + \" \");",
      "for ($i = 0; $i < 3; ++$i) { int $k = $i; } print($i + \" \");",
      "print(`eval \"1 + 1\"` + \" \");",
  };
  for (const char* text : texts) {
    std::string cached, fresh;
    for (int i = 0; i < 3; ++i) cached += out(text);
    interp.resetGlobals();
    for (int i = 0; i < 3; ++i) fresh += out(std::string(text) + " // " + std::to_string(i));
    interp.resetGlobals();
    EXPECT_EQ(cached, fresh) << text;
  }
}
