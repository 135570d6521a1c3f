// Arrays, globals, local scopes, declarations.
#include "MelFixture.h"

using mel::Value;

using VariablesTest = MelTest;

TEST_F(VariablesTest, ArraysGrowWhenAssignedPastTheEnd) {
  EXPECT_EQ(value("string $a[]; $a[2] = \"z\"; $a;"), Value(std::vector<std::string>{"", "", "z"}));
  EXPECT_EQ(value("float $f[3]; size($f);"), Value(3));
  EXPECT_EQ(value("int $n[] = {1, 2}; $n[size($n)] = 3; $n;"), Value(std::vector<int>{1, 2, 3}));
  EXPECT_EQ(value("int $m[] = {1}; $m[5];"), Value(0));  // reading past the end
  EXPECT_EQ(value("$u[1] = 2.5; $u;"), Value(std::vector<double>{0, 2.5}));
}

TEST_F(VariablesTest, ArrayLiteralsTakeTheWidestElementType) {
  EXPECT_EQ(value("$i = {1, 2};").type(), mel::ValueType::IntArray);
  EXPECT_EQ(value("$f = {1, 2.5};").type(), mel::ValueType::FloatArray);
  EXPECT_EQ(value("$s = {1, \"a\"};"), Value(std::vector<std::string>{"1", "a"}));
  EXPECT_EQ(value("float $f[] = {1, 2}; $f;"), Value(std::vector<double>{1, 2}));
}

TEST_F(VariablesTest, UndeclaredAssignmentDeclaresFromTheValue) {
  EXPECT_EQ(value("$x = 5.4; $x;"), Value(5.4));
  EXPECT_EQ(value("$flag = 42; $flag = 1.9; $flag;"), Value(1));  // stays an int
  EXPECT_EQ(value("$s = \"t\"; $s;"), Value("t"));
}

TEST_F(VariablesTest, SeveralDeclaratorsInOneStatement) {
  EXPECT_EQ(value("int $a, $b = 2, $c[]; $c[1] = $b; $a + $c[1];"), Value(2));
}

TEST_F(VariablesTest, BlocksHaveTheirOwnScope) {
  EXPECT_EQ(out("int $v = 1; { int $v = 2; print $v; } print $v;"), "21");
  EXPECT_EQ(out("{ int $inner = 3; } print $inner;"),
            "// Error: line 1: \"$inner\" is an undeclared variable. //\n");
}

TEST_F(VariablesTest, GlobalsMustBeRedeclaredInEachScope) {
  ASSERT_TRUE(interp.run("global int $g = 10;").ok);
  EXPECT_EQ(out("proc readG() { global int $g; print $g; } readG();"), "10");
  // Without the declaration, assignment makes a local.
  EXPECT_EQ(out("proc noDecl() { $g = 99; } noDecl(); global int $g; print $g;"), "10");
  EXPECT_TRUE(interp.hasGlobal("$g"));
  EXPECT_EQ(interp.global("$g"), Value(10));
}

TEST_F(VariablesTest, GlobalInitialiserRunsOnlyOnce) {
  EXPECT_EQ(out("proc bump() { global int $n = 100; $n++; print $n; } bump(); bump();"), "101102");
  EXPECT_EQ(
      out("global string $tokens[]; $tokens[0] = \"a\"; global string $tokens[]; print $tokens;"),
      "a\n");
}

TEST_F(VariablesTest, ProcsDoNotSeeTheCallersLocals) {
  EXPECT_EQ(out("proc peek() { print $secret; } { int $secret = 1; peek(); }"),
            "// Error: line 1: \"$secret\" is an undeclared variable. //\n");
}

TEST_F(VariablesTest, RedeclaringWithAnotherTypeIsAnError) {
  EXPECT_EQ(out("string $r = \"a\"; int $r;"),
            "// Error: line 1: Invalid redeclaration of variable \"$r\" as a different type. //\n");
  EXPECT_EQ(
      out("global int $gg; global float $gg;"),
      "// Error: line 1: Invalid redeclaration of variable \"$gg\" as a different type. //\n");
}

TEST_F(VariablesTest, GlobalLevelVariablesLastBetweenRunsUntilReset) {
  ASSERT_TRUE(interp.run("int $kept = 7; global int $gk = 1;").ok);
  EXPECT_EQ(value("$kept;"), Value(7));
  EXPECT_EQ(value("eval \"$kept + 1\";"), Value(8));
  // A file's own global-level variables end with the file.
  ASSERT_TRUE(interp.run("string $kept = \"file\"; string $fileOnly = \"f\";", "/tmp/vars.mel").ok);
  EXPECT_EQ(value("$kept;"), Value(7));
  EXPECT_FALSE(interp.run("$fileOnly;").ok);
  interp.resetGlobals();
  EXPECT_FALSE(interp.hasGlobal("$gk"));
  EXPECT_FALSE(interp.run("$kept;").ok);
}

TEST_F(VariablesTest, ClearAndTokenizeWriteIntoTheCallersArray) {
  EXPECT_EQ(value("string $p[]; int $n = tokenize(\"A/B//C/D\", \"/\", $p); $n * 10 + size($p);"),
            Value(44));
  EXPECT_EQ(value("string $w[]; tokenize \"one two  three\" $w; $w[2];"), Value("three"));
  EXPECT_EQ(value("int $c[] = {1, 2}; clear $c; size($c);"), Value(0));
}

// A variable node remembers where it found its variable; each case here
// changes what the same node must find while it runs again.
TEST_F(VariablesTest, TheSameNodeFindsWhatItsScopeHoldsNow) {
  // A block's first statement sees the outer $x on every pass, even after
  // the previous pass declared an inner one.
  EXPECT_EQ(out("int $x = 1; int $i; for ($i = 0; $i < 2; $i++) "
                "{ print $x; int $x = 5; print $x; }"),
            "1515");
  // The same $n in every activation of a recursive proc, read after the
  // deeper calls have run.
  EXPECT_EQ(value("proc int fact(int $n) { if ($n <= 1) return 1; return fact($n - 1) * $n; } "
                  "fact(6);"),
            Value(720));
  // The global level of typed text is shared with eval: eval binding the
  // name to a global makes the loop's $x that global from then on.
  EXPECT_EQ(out("int $x = 1; int $i; for ($i = 0; $i < 3; $i++) "
                "{ print $x; if ($i == 0) eval(\"global int $x = 7;\"); }"),
            "177");
}
