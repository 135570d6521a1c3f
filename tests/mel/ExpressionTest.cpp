// Operators, promotion between int, float, string and vector, precedence.
#include "MelFixture.h"

using mel::Value;

using ExpressionTest = MelTest;

TEST_F(ExpressionTest, IntDivisionTruncatesEvenIntoAFloat) {
  EXPECT_EQ(value("7/2;"), Value(3));
  EXPECT_EQ(value("7/2.0;"), Value(3.5));
  EXPECT_EQ(value("float $w = 1/2; $w;"), Value(0.0));
  EXPECT_EQ(value("float(1)/2;"), Value(0.5));
  EXPECT_EQ(value("-7/2;"), Value(-3));
  EXPECT_EQ(value("7 % 3;"), Value(1));
}

TEST_F(ExpressionTest, PlusConcatenatesLeftToRight) {
  EXPECT_EQ(value("\"500\" + 5;"), Value("5005"));
  EXPECT_EQ(value("\"x\" + 1 + 2;"), Value("x12"));
  EXPECT_EQ(value("1 + 2 + \"x\";"), Value("3x"));
  EXPECT_EQ(value("\"v\" + 0.5;"), Value("v0.5"));
}

TEST_F(ExpressionTest, IntArithmeticWrapsAt32Bits) {
  EXPECT_EQ(value("2147483647 + 1;"), Value(-2147483647 - 1));
  EXPECT_EQ(value("0xff;"), Value(255));
  EXPECT_EQ(value("0xffffffff;"), Value(-1));
  EXPECT_EQ(value("-2147483648 / -1;").isNumber(), true);  // no trap
  // ++ and -- on an int variable are updated in place, and wrap the same way.
  EXPECT_EQ(value("int $m = 2147483647; $m++; $m;"), Value(-2147483647 - 1));
  EXPECT_EQ(value("int $n = -2147483647 - 1; int $old = $n--; $old - $n;"), Value(1));
  EXPECT_EQ(value("float $f = 1.5; $f++; $f;"), Value(2.5));
  EXPECT_EQ(value("int $x = 1073741824; $x += $x; $x;"), Value(-2147483647 - 1));
}

TEST_F(ExpressionTest, EveryOperatorOnTwoInts) {
  const char* const cases[][2] = {{"-3 < 2;", "1"},
                                  {"2 < 2;", "0"},
                                  {"2 <= 2;", "1"},
                                  {"3 <= 2;", "0"},
                                  {"3 > -2;", "1"},
                                  {"2 > 2;", "0"},
                                  {"2 >= 2;", "1"},
                                  {"1 >= 2;", "0"},
                                  {"4 == 4;", "1"},
                                  {"4 == -4;", "0"},
                                  {"4 != 4;", "0"},
                                  {"4 != 5;", "1"},
                                  {"-7 % 3;", "-1"},
                                  {"6 * -7;", "-42"},
                                  {"3 - 5;", "-2"},
                                  {"65536 * 65536;", "0"},
                                  {"-2147483647 - 2;", "2147483647"}};
  for (const auto& c : cases) EXPECT_EQ(value(c[0]).toString(), c[1]) << c[0];
  EXPECT_EQ(out("int $z = 0; print (5 % $z);"), "// Error: line 1: Division by zero //\n");
  EXPECT_FALSE(interp.run("int $a = 1; $a ^ 2;").ok);  // cross needs vectors
  EXPECT_NE(capture.text().find("Illegal operation \"^\" on data of type int"), std::string::npos);
}

TEST_F(ExpressionTest, PrecedenceAndAssociativity) {
  EXPECT_EQ(value("2 + 3 * 4;"), Value(14));
  EXPECT_EQ(value("(2 + 3) * 4;"), Value(20));
  EXPECT_EQ(value("10 - 4 - 3;"), Value(3));
  EXPECT_EQ(value("1 < 2 == 1;"), Value(1));
  EXPECT_EQ(value("0 || 1 && 0;"), Value(0));
  EXPECT_EQ(value("1 ? 2 : 0 ? 3 : 4;"), Value(2));
  EXPECT_EQ(value("-2 * -3;"), Value(6));
  EXPECT_EQ(value("!0 + !5;"), Value(1));
}

TEST_F(ExpressionTest, LogicalOperatorsShortCircuit) {
  // The right side would fail if evaluated.
  EXPECT_EQ(value("0 && (1/0);"), Value(0));
  EXPECT_EQ(value("1 || undefinedProc();"), Value(1));
}

TEST_F(ExpressionTest, ComparisonsOfNumbersAndStrings) {
  EXPECT_EQ(value("1 == 1.0;"), Value(1));
  EXPECT_EQ(value("\"abc\" == \"abc\";"), Value(1));
  EXPECT_EQ(value("\"abc\" != \"abd\";"), Value(1));
  EXPECT_EQ(value("2.5 >= 3;"), Value(0));
}

TEST_F(ExpressionTest, AssignmentsAndIncrements) {
  EXPECT_EQ(value("int $i = 7.9; $i;"), Value(7));
  EXPECT_EQ(value("int $j = 5; $j += 2.9; $j;"), Value(7));  // stored as int
  EXPECT_EQ(value("string $s = \"a\"; $s += 1; $s;"), Value("a1"));
  EXPECT_EQ(value("int $k = 1; int $a = $k++; int $b = ++$k; $a * 10 + $b;"), Value(13));
  EXPECT_EQ(value("int $m = 3; $m--; --$m; $m;"), Value(1));
  EXPECT_EQ(value("int $x, $y; $x = $y = 4; $x + $y;"), Value(8));
  EXPECT_EQ(value("int $arr[] = {5, 6}; $arr[1] *= 2; $arr[1];"), Value(12));
}

TEST_F(ExpressionTest, StringAppendKeepsValueAndConversions) {
  // Appended in place as a statement, copied when the value is used.
  EXPECT_EQ(value("string $s = \"a\"; $s += 1.5; $s += <<1, 2, 3>>; $s += $s; $s;"),
            Value("a1.51 2 3a1.51 2 3"));
  EXPECT_EQ(value("string $t = \"x\"; string $u = ($t += \"y\"); $t += \"z\"; $u + \"|\" + $t;"),
            Value("xy|xyz"));
  EXPECT_EQ(value("string $w = \"q\"; $w += \"r\";"), Value("qr"));  // the script's value
  EXPECT_EQ(
      value(
          "string $e[] = {\"a\"}; $e[0] += \"b\"; $e[2] += \"c\"; stringArrayToString($e, \",\");"),
      Value("ab,,c"));
  EXPECT_EQ(value("string $f = \"n\"; int $i; for ($i = 0; $i < 3; $s2 = ($f += $i)) $i++; $f;"),
            Value("n123"));
  EXPECT_EQ(value("int $n = 2; $n += \"3\"; $n;"),
            Value(23));  // joined as text, then stored as an int
  EXPECT_FALSE(interp.run("string $g = \"x\"; $g += {1, 2};").ok);
  EXPECT_NE(capture.text().find("Illegal operation \"+\" on data of type int[]"),
            std::string::npos);
  EXPECT_FALSE(interp.run("$undeclared += \"x\";").ok);
  EXPECT_NE(capture.text().find("\"$undeclared\" is an undeclared variable."), std::string::npos);
}

TEST_F(ExpressionTest, StringBuiltByManyAppendsInAProc) {
  EXPECT_EQ(
      value("proc int build(int $n) { string $s; int $i; for ($i = 0; $i < $n; $i++) $s += \"ab\"; "
            "return size($s); } build(200000);"),
      Value(400000));
}

TEST_F(ExpressionTest, CastsAndConversionFunctions) {
  EXPECT_EQ(value("(int)7.5;"), Value(7));
  EXPECT_EQ(value("(string)56.56;"), Value("56.56"));
  EXPECT_EQ(value("(float)\"2.5\" * 2;"), Value(5.0));
  EXPECT_EQ(value("int(\"42\") + 1;"), Value(43));
  EXPECT_EQ(value("string(3) + 4;"), Value("34"));
}

TEST_F(ExpressionTest, Vectors) {
  EXPECT_EQ(value("<<1, 2, 3>> + <<1, 1, 1>>;"), Value(mel::Vector3{2, 3, 4}));
  EXPECT_EQ(value("<<1, 2, 3>> * <<1, 1, 1>>;"), Value(6.0));  // dot product
  EXPECT_EQ(value("<<1, 0, 0>> ^ <<0, 1, 0>>;"), Value(mel::Vector3{0, 0, 1}));
  EXPECT_EQ(value("vector $v = <<4, 5, 6>>; $v.y;"), Value(5.0));
  EXPECT_EQ(value("vector $w = 2; $w;"), Value(mel::Vector3{2, 2, 2}));
}

TEST_F(ExpressionTest, TruthOfValues) {
  EXPECT_EQ(value("int $r = 0; if (\"1\") $r = 1; $r;"), Value(1));
  EXPECT_EQ(value("int $r = 0; if (\"\") $r = 1; $r;"), Value(0));
  EXPECT_EQ(value("int $r = 0; if (0.5) $r = 1; $r;"), Value(1));
  EXPECT_EQ(value("int $t = true + yes + on + false; $t;"), Value(3));
}
