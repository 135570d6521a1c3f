// How source text reads: literals, escapes, comments, line numbers.
#include "MelFixture.h"

using mel::Value;

using SourceTextTest = MelTest;

TEST_F(SourceTextTest, StringEscapesAndContinuation) {
  EXPECT_EQ(value("\"a\\\"b\\\\c\\td\";"), Value("a\"b\\c\td"));
  EXPECT_EQ(out("print \"one\\ntwo\\n\";"), "one\ntwo\n");
  EXPECT_EQ(value("\"joined \\\n here\";"), Value("joined  here"));
  EXPECT_EQ(value("\"http://not/a/comment\";"), Value("http://not/a/comment"));
}

TEST_F(SourceTextTest, NumberLiterals) {
  EXPECT_EQ(value(".5;"), Value(0.5));
  EXPECT_EQ(value("1e3;"), Value(1000.0));
  EXPECT_EQ(value("0x1F;"), Value(31));
  EXPECT_EQ(value("3000000000;"), Value(3000000000.0));  // too big for an int
}

TEST_F(SourceTextTest, CommentsAnywhereBetweenTokens) {
  EXPECT_EQ(out("/* lead */ print /* mid */ \"x\" // tail\n; print 2; // end"), "x2");
  EXPECT_EQ(out("print\n  // a comment between arguments\n  \"y\";"), "y");
}

TEST_F(SourceTextTest, MissingSemicolonForgivenOnlyAtTheEndOfABlock) {
  EXPECT_EQ(out("if (1) { print \"a\" }"), "a");
  EXPECT_EQ(out("print \"b\""), "b");
  EXPECT_FALSE(interp.run("int $a = 1 int $b = 2;").ok);
}

TEST_F(SourceTextTest, CommandsSeeTheLineTheyAreCalledFrom) {
  int line = 0;
  interp.registerCommand("whereAmI", [&line](mel::Interpreter& in, const mel::Args&) {
    line = in.currentLine();
    return Value();
  });
  ASSERT_TRUE(interp.run("\n\nproc p() {\n  whereAmI;\n}\np();").ok);
  EXPECT_EQ(line, 4);
  EXPECT_EQ(interp.locate("m"), "m");  // nothing running: no position
}

TEST_F(SourceTextTest, ResultEchoIsForTheOutermostRunOnly) {
  interp.setEchoResults(true);
  interp.registerCommand(
      "inner", [](mel::Interpreter& in, const mel::Args&) { return in.run("40 + 2;").value; });
  EXPECT_EQ(out("inner;"), "// Result: 42 //\n");
  EXPECT_EQ(out("1; 2;"), "// Result: 2 //\n");  // a multi-statement run echoes its last value
}

TEST_F(SourceTextTest, CommandsMayFillTheCallersVariable) {
  interp.registerCommand("fillThree", [](mel::Interpreter& in, const mel::Args& a) {
    in.setOutArgument(a.size() - 1, Value(std::vector<double>{1, 2, 3}));
    return Value(3);
  });
  EXPECT_EQ(value("float $f[]; fillThree $f; $f[2];"), Value(3.0));
  EXPECT_EQ(value("fillThree 1;"), Value(3));  // a literal is left alone
}

TEST_F(SourceTextTest, HostsCallProcsAndReadGlobals) {
  ASSERT_TRUE(
      interp.run("global proc int addOne(int $x) { return $x + 1; } global string $g = \"v\";").ok);
  EXPECT_EQ(interp.call("addOne", {Value("41")}), Value(42));
  EXPECT_EQ(interp.global("$g"), Value("v"));
  EXPECT_TRUE(interp.global("$missing").isNoResult());
  EXPECT_TRUE(interp.procExists("addOne"));
}
