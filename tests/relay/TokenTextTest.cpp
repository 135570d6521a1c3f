// Numbers as token texts: shortest plain decimals that read back the same.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "TokenText.h"

namespace {

using zubrelay::tokenText;

TEST(TokenText, FloatsAreTheirShortestDecimal) {
  EXPECT_EQ(tokenText(0.42f), "0.42");
  EXPECT_EQ(tokenText(1.0f), "1");
  EXPECT_EQ(tokenText(-0.2f), "-0.2");
  EXPECT_EQ(tokenText(0.1f), "0.1");
  EXPECT_EQ(tokenText(0.42), "0.42");
  EXPECT_EQ(tokenText(0.1 + 0.2), "0.30000000000000004");
}

TEST(TokenText, NoExponentsAndNoNegativeZero) {
  EXPECT_EQ(tokenText(1e-5f), "0.00001");
  EXPECT_EQ(tokenText(1e7), "10000000");
  EXPECT_EQ(tokenText(-0.0f), "0");
  EXPECT_EQ(tokenText(-0.0), "0");
  const std::string big = tokenText(std::numeric_limits<double>::max());
  EXPECT_EQ(big.find_first_not_of("0123456789"), std::string::npos);
  EXPECT_EQ(std::strtod(big.c_str(), nullptr), std::numeric_limits<double>::max());
}

TEST(TokenText, TextsReadBackAsTheSameValue) {
  for (const float value : {0.42f, 3.14159274f, -123.456f, 1e-7f, 65504.0f, 0.333333343f}) {
    EXPECT_EQ(std::strtof(tokenText(value).c_str(), nullptr), value) << tokenText(value);
  }
}

TEST(TokenText, IntegersAndTruthValues) {
  EXPECT_EQ(tokenText(std::int64_t{-7}), "-7");
  EXPECT_EQ(tokenText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(tokenText(true), "1");
  EXPECT_EQ(tokenText(false), "0");
}

}  // namespace
