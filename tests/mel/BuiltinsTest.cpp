// The language's built-in functions.
#include "MelFixture.h"
#include "mel/lib/Glob.h"

using mel::Value;

using BuiltinsTest = MelTest;

TEST_F(BuiltinsTest, MathKeepsIntsWhereMelDoes) {
  EXPECT_EQ(value("abs -50;"), Value(50));
  EXPECT_EQ(value("abs(-2.5);"), Value(2.5));
  EXPECT_EQ(value("max(3, 7);"), Value(7));
  EXPECT_EQ(value("min(3, 2.5);"), Value(2.5));
  EXPECT_EQ(value("floor(2.7) + ceil(2.2);"), Value(5.0));
  EXPECT_EQ(out("print (sqrt(24));"), "4.898979486");
  EXPECT_EQ(value("pow(2, 10);"), Value(1024.0));
  EXPECT_EQ(value("rad_to_deg(deg_to_rad(90));"), Value(90.0));
  EXPECT_EQ(value("clamp(0, 1, 5);"), Value(1.0));
}

TEST_F(BuiltinsTest, Strings) {
  EXPECT_EQ(value("strlen(\"hello\");"), Value(5));
  EXPECT_EQ(value("substring(\"abcdef\", 2, 4);"), Value("bcd"));
  EXPECT_EQ(value("substring(\"abc\", 2, 99);"), Value("bc"));
  EXPECT_EQ(value("toupper(\"aB\") + tolower(\"Cd\");"), Value("ABcd"));
  EXPECT_EQ(value("strip(\"  x y \\n\");"), Value("x y"));
  EXPECT_EQ(value("startsWith(\"pCube1\", \"pC\") + endsWith(\"pCube1\", \"e1\");"), Value(2));
  EXPECT_EQ(value("match(\"[0-9]+\", \"abc123def\");"), Value("123"));
  EXPECT_EQ(value("match(\"^z\", \"abc\");"), Value(""));
  EXPECT_EQ(value("substitute(\"o\", \"foo\", \"0\");"), Value("f0o"));
  EXPECT_EQ(value("substituteAllString(\"a.b.c\", \".\", \"|\");"), Value("a|b|c"));
  EXPECT_EQ(value("size(stringToStringArray(\"a,b,,c\", \",\"));"), Value(3));
  EXPECT_EQ(out("match(\"(\", \"x\");"),
            "// Error: line 1: Invalid regular expression: \"(\" //\n");
}

TEST_F(BuiltinsTest, Arrays) {
  EXPECT_EQ(value("stringArrayToString({\"a\", \"b\"}, \", \");"), Value("a, b"));
  EXPECT_EQ(value("floatArrayToString({1.0, 2.5, 3.2}, \", \");"), Value("1, 2.5, 3.2"));
  EXPECT_EQ(value("stringArrayContains(\"b\", {\"a\", \"b\"});"), Value(1));
  EXPECT_EQ(value("stringArrayRemove({\"b\"}, {\"a\", \"b\", \"c\", \"b\"});"),
            Value(std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(value("sort({3, 1, 2});"), Value(std::vector<int>{1, 2, 3}));
  EXPECT_EQ(value("size(\"four\");"), Value(4));
}

TEST_F(BuiltinsTest, EvalJoinsItsArgumentsAndRunsAtGlobalScope) {
  EXPECT_EQ(value("eval \"1 + 2\";"), Value(3));
  EXPECT_EQ(value("eval max 2 9;"), Value(9));
  EXPECT_EQ(out("proc p() { int $mine = 1; eval \"print $mine\"; } p();"),
            "// Error: line 1: \"$mine\" is an undeclared variable. //\n");
  EXPECT_EQ(
      out("global int $shared = 4; proc q() { eval \"global int $shared; print $shared\"; } q();"),
      "4");
}

TEST_F(BuiltinsTest, ExistsKnowsCommandsAndProcs) {
  EXPECT_EQ(value("exists print;"), Value(1));
  EXPECT_EQ(value("global proc gp() {} exists gp;"), Value(1));
  EXPECT_EQ(value("exists nothingHere;"), Value(0));
}

TEST_F(BuiltinsTest, CommandTableRegistration) {
  EXPECT_FALSE(
      interp.registerCommand("print", [](mel::Interpreter&, const mel::Args&) { return Value(); }));
  EXPECT_TRUE(
      interp.registerCommand("mine", [](mel::Interpreter&, const mel::Args&) { return Value(1); }));
  EXPECT_TRUE(interp.hasCommand("mine"));
  EXPECT_EQ(interp.call("mine", {}), Value(1));
  EXPECT_TRUE(interp.unregisterCommand("mine"));
  EXPECT_THROW(interp.call("mine", {}), mel::Error);
}

TEST(Glob, Wildcards) {
  EXPECT_TRUE(mel::globMatch("pC*1", "pCube1"));
  EXPECT_TRUE(mel::globMatch("*", ""));
  EXPECT_TRUE(mel::globMatch("a?c", "abc"));
  EXPECT_TRUE(mel::globMatch("[a-c]x", "bx"));
  EXPECT_FALSE(mel::globMatch("[!a-c]x", "bx"));
  EXPECT_FALSE(mel::globMatch("pC*1", "pCube2"));
  EXPECT_TRUE(mel::globMatch("*a*a*a*", "banana"));
  EXPECT_TRUE(mel::globMatch("\\*", "*"));
  EXPECT_FALSE(mel::globMatch("\\*", "x"));
}
