// Error messages, their positions, and what stops after an error.
#include <cstdio>
#include <fstream>

#include "MelFixture.h"

using mel::Args;
using mel::Value;

using ErrorsTest = MelTest;

TEST_F(ErrorsTest, RuntimeErrorNamesTheLineAndStopsTheScript) {
  EXPECT_EQ(out("print \"a\";\nprint \"b\";\nfred;\nprint \"c\";"),
            "ab// Error: line 3: Cannot find procedure \"fred\". //\n");
  EXPECT_FALSE(last.ok);
}

TEST_F(ErrorsTest, ErrorInsideAProcEndsTheWholeScript) {
  EXPECT_EQ(out("proc inner() {\n  error \"deep\";\n}\ninner();\nprint \"after\";"),
            "// Error: line 2: deep //\n");
}

TEST_F(ErrorsTest, SyntaxErrorsGiveRowAndColumnAndRunNothing) {
  EXPECT_EQ(out("print \"ran\";\nint $x = ;"), "// Error: line 2.10: Syntax error //\n");
  EXPECT_EQ(out("print \"open"), "// Error: line 1.7: Unterminated string. //\n");
  EXPECT_EQ(out("if (size $w) print 1;"), "// Error: line 1.5: Syntax error //\n");
}

TEST_F(ErrorsTest, ProcReturnRules) {
  EXPECT_EQ(out("proc v() {\n return 1;\n}"),
            "// Error: line 2: This procedure has no return value. //\n");
  EXPECT_EQ(out("proc int f() { } f();"),
            "// Error: line 1: Procedure is missing a return statement. //\n");
  EXPECT_EQ(out("proc one(int $a) {} one(1, 2);"),
            "// Error: line 1: Wrong number of arguments on call to one. //\n");
}

TEST_F(ErrorsTest, DivisionByZeroAndTypeMismatch) {
  EXPECT_EQ(out("int $z = 0; print (5 / $z);"), "// Error: line 1: Division by zero //\n");
  EXPECT_EQ(out("string $a[] = {\"x\"}; float $f = $a;"),
            "// Error: line 1: Cannot convert data of type string[] to type float. //\n");
}

TEST_F(ErrorsTest, CatchTrapsPrintsAndContinues) {
  EXPECT_EQ(out("int $r = catch(1 / 0); print (\"r=\" + $r);"),
            "// Error: line 1: Division by zero //\nr=1");
  EXPECT_EQ(out("print (catchQuiet(error(\"hidden\")) + catch(2));"), "1");
  EXPECT_EQ(value("catchQuiet(error(\"kept\")); getLastError();"), Value("kept"));
  // Warnings are not errors.
  EXPECT_EQ(out("print (catch(warning(\"w\")));"), "// Warning: line 1: w //\n0");
}

TEST_F(ErrorsTest, CatchRestoresScopesAfterAnErrorInAProc) {
  EXPECT_EQ(out("proc boom() { int $local = 1; error \"x\"; }\n"
                "int $outer = 5;\n"
                "catchQuiet(boom());\n"
                "print $outer;"),
            "5");
}

TEST_F(ErrorsTest, ErrorsInFilesNameTheFile) {
  EXPECT_EQ(out("proc f() {}\nf(1);"),
            "// Error: line 2: Wrong number of arguments on call to f. //\n");
  capture.clear();
  interp.run("print 1;\nwarning \"w\";\nnope;", "/scripts/x.mel");
  EXPECT_EQ(capture.text(),
            "1// Warning: file: /scripts/x.mel line 2: w //\n"
            "// Error: file: /scripts/x.mel line 3: Cannot find procedure \"nope\". //\n");
  capture.clear();
  interp.run("int $x = ;", "/scripts/y.mel");
  EXPECT_EQ(capture.text(), "// Error: file: /scripts/y.mel line 1.10: Syntax error //\n");
}

TEST_F(ErrorsTest, NestedRunsFailOnTheirOwn) {
  // A command that runs MEL itself sees the failure in the result, and the
  // outer script goes on.
  interp.registerCommand("runInner", [](mel::Interpreter& in, const Args& a) {
    return Value(in.run(a.at(0).asString()).ok ? 1 : 0);
  });
  EXPECT_EQ(out("print (runInner(\"undefinedThing\"));\nprint \" outer\";"),
            "// Error: line 1: Cannot find procedure \"undefinedThing\". //\n0 outer");
  // ...unless the command throws.
  interp.registerCommand("failHard",
                         [](mel::Interpreter&, const Args&) -> Value { throw mel::Error("hard"); });
  EXPECT_EQ(out("failHard;\nprint \"no\";"), "// Error: line 1: hard //\n");
}

TEST_F(ErrorsTest, EvaluateAndEvalPropagateErrors) {
  EXPECT_THROW(interp.evaluate("fred;"), mel::Error);
  EXPECT_EQ(interp.evaluate("1 + 2;"), Value(3));
  EXPECT_EQ(out("eval \"int $q = 1/0;\"; print \"no\";"),
            "// Error: line 1: Division by zero //\n");
  EXPECT_EQ(out("eval(\"1 +\");"), "// Error: line 1.4: Syntax error //\n");
}

TEST_F(ErrorsTest, ErrorAndWarningCommands) {
  EXPECT_EQ(out("warning \"careful\"; print \"on\";"), "// Warning: line 1: careful //\non");
  EXPECT_EQ(out("error -showLineNumber true \"No Lights\";"), "// Error: line 1: No Lights //\n");
  EXPECT_EQ(interp.lastError(), "No Lights");
}

TEST_F(ErrorsTest, UnknownProcIsSourcedFromTheScriptPath) {
  const std::string dir = ::testing::TempDir();
  {
    std::ofstream f(dir + "/melAutoLoaded.mel");
    f << "global proc int melAutoLoaded(int $x) { return $x * 3; }\n";
  }
  {
    std::ofstream f(dir + "/melBroken.mel");
    f << "print \"loaded\";\n";
  }
  interp.setScriptPath({dir});
  EXPECT_EQ(value("melAutoLoaded(4);"), Value(12));
  EXPECT_EQ(value("exists melAutoLoaded;"), Value(1));
  EXPECT_EQ(value("exists noSuchThing;"), Value(0));
  EXPECT_EQ(out("melBroken;"), "loaded// Error: line 1: Cannot find procedure \"melBroken\". //\n");
  EXPECT_EQ(out("source melBroken;"), "loaded");
  EXPECT_EQ(out("source \"nowhere.mel\";"),
            "// Error: line 1: Cannot find file \"nowhere.mel\" for source statement. //\n");
  std::remove((dir + "/melAutoLoaded.mel").c_str());
  std::remove((dir + "/melBroken.mel").c_str());
}
