// Conversions between MEL types, and how values print.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "MelFixture.h"
#include "mel/Value.h"

using mel::Value;
using mel::ValueType;

TEST(ValueConversion, ScalarsConvertByMelRules) {
  EXPECT_EQ(Value(7.9).asInt(), 7);
  EXPECT_EQ(Value(-7.9).asInt(), -7);
  EXPECT_EQ(Value("5.2").asFloat(), 5.2);
  EXPECT_EQ(Value("12abc").asInt(), 12);
  EXPECT_EQ(Value("abc").asInt(), 0);
  EXPECT_EQ(Value(1e300).asInt(), 2147483647);  // clamped, not undefined
  EXPECT_EQ(Value(2.0).asString(), "2");
  EXPECT_EQ(Value(56.56).asString(), "56.56");
  EXPECT_EQ(Value(-0.0).asString(), "0");
}

TEST(ValueConversion, ArraysAndScalarsDoNotMix) {
  try {
    Value(std::vector<double>{1.0}).asFloat();
    FAIL() << "expected an error";
  } catch (const mel::Error& e) {
    EXPECT_STREQ(e.what(), "Cannot convert data of type float[] to type float.");
  }
  EXPECT_THROW(Value(3).asStringArray(), mel::Error);
  // Arrays convert element by element.
  EXPECT_EQ(Value(std::vector<int>{1, 2}).convertTo(ValueType::StringArray),
            Value(std::vector<std::string>{"1", "2"}));
}

TEST(ValueConversion, ToItsOwnTypeKeepsTheValueButNotTheNoResultMark) {
  const Value values[] = {Value(-4),
                          Value(2.5),
                          Value("x y"),
                          Value(mel::Vector3{1, 2, 3}),
                          Value(std::vector<int>{1, 2}),
                          Value(std::vector<double>{0.5}),
                          Value(std::vector<std::string>{"a", ""})};
  for (const Value& v : values) {
    EXPECT_EQ(v.convertTo(v.type()), v) << v.toString();
    EXPECT_FALSE(v.convertTo(v.type()).isNoResult());
  }
  EXPECT_TRUE(Value().isNoResult());
  EXPECT_FALSE(Value().convertTo(ValueType::Int).isNoResult());
  EXPECT_EQ(Value().convertTo(ValueType::Int), Value(0));
}

TEST(ValueConversion, ElementsGrowWithZeros) {
  Value a = Value::zero(ValueType::StringArray);
  a.setElement(2, Value(5));
  EXPECT_EQ(a, Value(std::vector<std::string>{"", "", "5"}));
  EXPECT_EQ(a.element(10), Value(""));  // past the end reads as empty
  EXPECT_THROW(Value(1).setElement(0, Value(1)), mel::Error);
}

TEST(ValueFormat, FloatsPrintWithTenSignificantDigits) {
  EXPECT_EQ(mel::formatFloat(1.0 / 3), "0.3333333333");
  EXPECT_EQ(mel::formatFloat(4.898979485566356), "4.898979486");
  EXPECT_EQ(mel::formatFloat(9.0), "9");
  EXPECT_EQ(Value(std::vector<double>{1.0, 2.5}).toString(), "1 2.5");
  EXPECT_EQ(Value(mel::Vector3{1.2, 2.3, 3.4}).toString(), "1.2 2.3 3.4");
}

TEST(ValueFormat, FormatDoubleIsShortestRoundTrip) {
  EXPECT_EQ(mel::formatDouble(0.1), "0.1");
  EXPECT_EQ(mel::formatDouble(20), "20");
  EXPECT_EQ(mel::formatDouble(-3.25), "-3.25");
  EXPECT_EQ(mel::formatDouble(1.0 / 3), "0.3333333333333333");
  EXPECT_EQ(mel::formatDouble(1500), "1500");
  for (double d : {1e-7, 123456.789, 2.0 / 3, 1e21, 99999999999.5, -0.001})
    EXPECT_EQ(std::strtod(mel::formatDouble(d).c_str(), nullptr), d);
}

namespace {

// printf's shortest %g that reads back, searched digit by digit: the text
// formatDouble and formatFloat must keep giving.
std::string printfShortest(double v) {
  if (v == 0.0) return "0";
  double magnitude = std::fabs(v);
  int minimum = magnitude >= 1 && magnitude < 1e17
                    ? std::min(17, static_cast<int>(std::log10(magnitude)) + 1)
                    : 1;
  char buf[64];
  for (int precision = minimum; precision <= 17; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*g", precision, v);
    if (std::strtod(buf, nullptr) == v) return buf;
  }
  return buf;
}

std::string printfTenDigits(double v) {
  if (v == 0.0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
}

}  // namespace

TEST(ValueFormat, NumberTextMatchesPrintfAcrossMagnitudes) {
  // Just below 1e17 log10 rounds up to 17: the search must still print digits.
  std::vector<double> values = {1e16,
                                9.999999999999998e16,
                                1e17,
                                123456789012345678.0,
                                1e-5,
                                0.0001,
                                5e-324,
                                1.7976931348623157e308,
                                999.9999999999999,
                                1e15 + 0.5,
                                std::numeric_limits<double>::infinity()};
  for (int k = 1; k <= 255; ++k) values.push_back(k / 255.0);  // cube heights from image reds
  for (int k = -1074; k <= 1023; ++k) values.push_back(std::ldexp(1.0, k));  // lopsided roundings
  for (double whole : {9007199254740991.0, 9007199254740992.0, 9007199254740994.0,
                       72057594037927936.0, 1e15, 4503599627370497.0})
    values.push_back(whole);
  for (int k = 1; k < 2000; ++k) values.push_back(k / 8.0 + 0.0625);  // exact binary fractions
  std::uint64_t bits = 0x9E3779B97F4A7C15u;
  for (int i = 0; i < 20000; ++i) {  // doubles of every exponent, from a fixed sequence
    bits = bits * 6364136223846793005u + 1442695040888963407u;
    double d = 0;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isfinite(d)) values.push_back(d);
    values.push_back(static_cast<double>(static_cast<std::int32_t>(bits >> 32)) / 1000.0);
  }
  for (double v : values) {
    for (double x : {v, -v}) {
      ASSERT_EQ(mel::formatDouble(x), printfShortest(x)) << "for " << printfShortest(x);
      ASSERT_EQ(mel::formatFloat(x), printfTenDigits(x)) << "for " << printfShortest(x);
    }
  }
  EXPECT_EQ(mel::formatDouble(std::nan("")), printfShortest(std::nan("")));
}

TEST(ValueEquality, TypeMatters) {
  EXPECT_EQ(Value(), Value(0));  // "no result" compares as int 0
  EXPECT_TRUE(Value().isNoResult());
  EXPECT_FALSE(Value(0).isNoResult());
  EXPECT_NE(Value(1), Value(1.0));
  EXPECT_NE(Value("1"), Value(1));
}

using PrintTest = MelTest;

TEST_F(PrintTest, PrintAddsNoNewlineAndArraysGoOnePerLine) {
  EXPECT_EQ(out("print 2.0; print (1.0/3);"), "20.3333333333");
  EXPECT_EQ(out("string $a[] = {\"x\", \"y\"}; print $a;"), "x\ny\n");
  EXPECT_EQ(out("print <<1.2, 2.3, 3.4>>;"), "1.2 2.3 3.4");
}

TEST_F(PrintTest, ResultEchoShowsOnlyRealValues) {
  interp.setEchoResults(true);
  EXPECT_EQ(out("3 * 3.0;"), "// Result: 9 //\n");
  EXPECT_EQ(out("string $r[] = {\"pCube1\", \"polyCube1\"}; $r;"),
            "// Result: pCube1 polyCube1 //\n");
  EXPECT_EQ(out("<<2, -7, -6>>;"), "// Result: <<2, -7, -6>> //\n");
  EXPECT_EQ(out("print \"x\";"), "x");  // print has no result
  EXPECT_EQ(out("int $i = 4;"), "");    // nor has a declaration
  EXPECT_EQ(out("$i = 5;"), "// Result: 5 //\n");
}
