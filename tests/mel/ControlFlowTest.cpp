// Statements, procs and recursion.
#include "MelFixture.h"

using mel::Value;

using ControlFlowTest = MelTest;

TEST_F(ControlFlowTest, IfElseChains) {
  const char* classify =
      "proc string classify(int $n) {\n"
      "  if ($n < 0) return \"neg\";\n"
      "  else if ($n == 0) return \"zero\";\n"
      "  else return \"pos\";\n"
      "}\n";
  EXPECT_EQ(out(std::string(classify) + "print (classify(-3) + classify(0) + classify(9));"),
            "negzeropos");
}

TEST_F(ControlFlowTest, LoopsWithBreakAndContinue) {
  EXPECT_EQ(
      out("for ($i = 0; $i < 10; $i++) { if ($i == 2) continue; if ($i == 5) break; print $i; }"),
      "0134");
  EXPECT_EQ(out("int $j = 0; while ($j < 3) print ($j++);"), "012");
  EXPECT_EQ(out("int $k = 5; do { print $k; } while ($k < 3);"), "5");  // body runs once
  EXPECT_EQ(out("for ($s in {\"a\", \"b\", \"c\"}) { if ($s == \"b\") continue; print $s; }"),
            "ac");
  EXPECT_EQ(
      out("int $x; for ($x = 0, $y = 10; $x < 2; $x++, $y--) print ($x + \":\" + $y + \" \");"),
      "0:10 1:9 ");
}

TEST_F(ControlFlowTest, SwitchFallsThroughUntilBreak) {
  const char* sw =
      "proc test(string $v) {\n"
      "  switch ($v) {\n"
      "    case \"a\": print \"A\";\n"
      "    case \"b\": print \"B\"; break;\n"
      "    case \"c\": print \"C\"; break;\n"
      "    default: print \"D\";\n"
      "  }\n"
      "}\n";
  EXPECT_EQ(out(std::string(sw) + "test a; test b; test c; test z;"), "ABBCD");
  EXPECT_EQ(out("switch (2) { case 1: print 1; break; case 2: print 2; break; }"), "2");
}

TEST_F(ControlFlowTest, ProcsTakeTypedParametersAndConvert) {
  EXPECT_EQ(value("global proc float half(float $x) { return $x / 2; } half(3);"), Value(1.5));
  EXPECT_EQ(value("proc int trunc2(float $x) { return $x; } trunc2(2.9);"), Value(2));
  EXPECT_EQ(value("proc int count(string $a[]) { return size($a); } count({\"x\", \"y\"});"),
            Value(2));
  EXPECT_EQ(value("global proc string[] pair(string $a) { return {$a, $a}; } size(pair(\"q\"));"),
            Value(2));
}

TEST_F(ControlFlowTest, VoidProcReturnsEarly) {
  EXPECT_EQ(out("proc p(int $n) { if ($n) return; print \"reached\"; } p 1; p 0;"), "reached");
}

TEST_F(ControlFlowTest, RecursionWorks) {
  EXPECT_EQ(
      value("proc int fib(int $n) { return $n < 2 ? $n : fib($n - 1) + fib($n - 2); } fib(15);"),
      Value(610));
  EXPECT_EQ(value("proc int depth(int $n) { return $n == 0 ? 0 : 1 + depth($n - 1); } depth(400);"),
            Value(400));
}

TEST_F(ControlFlowTest, RunawayRecursionStopsWithAnError) {
  EXPECT_EQ(out("proc forever() { forever(); } forever(); print \"not here\";"),
            "// Error: line 1: Procedure calls are nested too deeply (stack overflow). //\n");
  EXPECT_FALSE(last.ok);
  // Through eval, too.
  EXPECT_FALSE(interp.run("proc again() { eval \"again\"; } again;").ok);
  // The interpreter is usable afterwards.
  EXPECT_EQ(out("print 1;"), "1");
}

TEST_F(ControlFlowTest, LocalProcsAreVisibleInTheirFileOnly) {
  EXPECT_TRUE(interp
                  .run("proc string hidden() { return \"h\"; }\n"
                       "global proc string shown() { return hidden(); }",
                       "/tmp/lib.mel")
                  .ok);
  EXPECT_EQ(value("shown();"), Value("h"));  // a global proc still sees its file's procs
  EXPECT_EQ(out("hidden();"), "// Error: line 1: Cannot find procedure \"hidden\". //\n");
}

TEST_F(ControlFlowTest, TypedProcsPersistBetweenRuns) {
  ASSERT_TRUE(interp.run("proc local1() { print \"l\"; }").ok);
  EXPECT_EQ(out("local1;"), "l");
}

TEST_F(ControlFlowTest, GlobalProcsMayBeCalledAboveTheirDefinition) {
  EXPECT_EQ(out("later();\nglobal proc later() { print \"later\"; }"), "later");
  EXPECT_EQ(out("early();\nproc early() {}"),
            "// Error: line 1: Cannot find procedure \"early\". //\n");
}
