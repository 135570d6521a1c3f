// Conversions between MEL types, and how values print.
#include <gtest/gtest.h>

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
  EXPECT_EQ(out("string $r[] = {\"pCube1\", \"polyCube1\"}; $r;"), "// Result: pCube1 polyCube1 //\n");
  EXPECT_EQ(out("<<2, -7, -6>>;"), "// Result: <<2, -7, -6>> //\n");
  EXPECT_EQ(out("print \"x\";"), "x");  // print has no result
  EXPECT_EQ(out("int $i = 4;"), "");    // nor has a declaration
  EXPECT_EQ(out("$i = 5;"), "// Result: 5 //\n");
}
