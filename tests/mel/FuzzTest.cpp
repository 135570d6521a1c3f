// Malformed and extreme input must give errors, never crashes or hangs.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "MelFixture.h"

namespace {

// Small deterministic generator, the same on every platform.
class Lcg {
 public:
  explicit Lcg(std::uint32_t seed) : state_(seed) {}
  std::uint32_t next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  std::size_t below(std::size_t n) { return n ? next() % n : 0; }

 private:
  std::uint32_t state_;
};

// Valid lines without loops, so that no mutation can run forever.
const std::vector<std::string> kCorpus = {
    "int $i = 5; print ($i + \"\\n\");",
    "string $a[] = {\"x\", \"y\"}; $a[3] = \"z\"; print (size($a));",
    "proc int twice(int $x) { return $x * 2; } print (twice(4));",
    "global proc string greet(string $n) { return (\"hi \" + $n); } greet bob;",
    "if (1 < 2) { print \"yes\"; } else if (0) print \"no\"; else print \"never\";",
    "vector $v = <<1, 2, 3>>; float $f = $v.x + 1.5; $f *= 2;",
    "switch (3) { case 1: print 1; break; case 3: print 3; default: print 0; }",
    "int $r = catch(1/0); $s = `size {1,2}`;",
    "eval \"print 2\"; string $t[]; tokenize \"a b c\" $t;",
    "print (\"500\" + 5 + (string)56.56 + (int)7.9);",
    "global int $g = 1; proc useG() { global int $g; $g++; } useG();",
    "print (max(2, 3) + abs(-4) + sqrt(16) + strlen(\"ab\"));",
    "setAttr pCube1.tx 5; select -r |a|b pCube1.rotate[0];",
    "proc rec(int $n) { if ($n > 0) rec($n - 1); } rec 3;",
    "$x = {1, 2.5}; $y = $x[1] ? \"a\" : \"b\"; /* note */ // end",
};

const std::vector<std::string> kFragments = {
    "(",      ")",     "{",      "}",      "[",       "]",
    ";",      ",",     "$",      "$x",     "\"",      "`",
    "<<",     ">>",    "+",      "-",      "*",       "/",
    "%",      "=",     "==",     "!",      "&&",      "||",
    "?",      ":",     ".",      "proc",   "global",  "int",
    "string", "float", "vector", "return", "break",   "continue",
    "if",     "else",  "switch", "case",   "default", "catch",
    "1",      "-5",    "0x",     "1e",     "2.5.3",   "\\",
    "/*",     "*/",    "//",     "\n",     " ",       "print",
    "size",   "eval",  "twice",  "-flag",  "matrix",  "in",
    "++",     "--",    "+=",     "^",      "\t",      std::string(1, '\0'),
};

std::string mutate(Lcg& rng, std::string s) {
  int edits = 1 + static_cast<int>(rng.below(4));
  for (int e = 0; e < edits; ++e) {
    std::size_t at = rng.below(s.size() + 1);
    switch (rng.below(4)) {
      case 0:
        s.erase(at, 1 + rng.below(6));
        break;
      case 1:
        s.insert(at, kFragments[rng.below(kFragments.size())]);
        break;
      case 2:
        s.insert(at, s.substr(rng.below(s.size() + 1), rng.below(12)));
        break;
      default:
        s = s.substr(0, at);
        break;
    }
  }
  return s;
}

std::string randomTokens(Lcg& rng) {
  std::string s;
  std::size_t n = 1 + rng.below(25);
  for (std::size_t i = 0; i < n; ++i) s += kFragments[rng.below(kFragments.size())] + " ";
  return s;
}

}  // namespace

using FuzzTest = MelTest;

TEST_F(FuzzTest, MutatedAndRandomScriptsNeverCrash) {
  Lcg rng(20240611u);
  int failures = 0;
  const int kRuns = 600;
  for (int i = 0; i < kRuns; ++i) {
    std::string source =
        i % 3 == 2 ? randomTokens(rng) : mutate(rng, kCorpus[rng.below(kCorpus.size())]);
    capture.clear();
    mel::RunResult r = interp.run(source);
    if (!r.ok) {
      ++failures;
      EXPECT_NE(capture.text().find("// Error: "), std::string::npos)
          << "silent failure for: " << source;
    }
  }
  EXPECT_GT(failures, kRuns / 4);  // most of this is garbage and must be reported
  EXPECT_EQ(out("print \"still fine\";"), "still fine");
}

TEST_F(FuzzTest, ExtremeNestingIsRefusedCleanly) {
  const std::size_t n = 100000;
  EXPECT_FALSE(interp.run(std::string(n, '(') + "1" + std::string(n, ')') + ";").ok);
  EXPECT_FALSE(interp.run(std::string(n, '{')).ok);
  EXPECT_FALSE(interp.run(std::string(n, '-') + "1;").ok);
  EXPECT_FALSE(interp.run(std::string(n, '`')).ok);
  std::string chain = "1";
  for (std::size_t i = 0; i < n; ++i) chain += "+1";
  EXPECT_FALSE(interp.run(chain + ";").ok);
  std::string elseIfs = "int $q = 0; if ($q == 1) $q = 2;";
  for (int i = 0; i < 100; ++i) elseIfs += " else if ($q == " + std::to_string(i) + ") $q = 7;";
  EXPECT_TRUE(interp.run(elseIfs).ok);  // ordinary depth still works
}

TEST_F(FuzzTest, LongInputIsFine) {
  std::string script;
  for (int i = 0; i < 20000; ++i) script += "$n = " + std::to_string(i) + ";\n";
  EXPECT_EQ(value(script + "$n;"), mel::Value(19999));
  const std::string big = "\"" + std::string(200000, 'x') + "\"";
  EXPECT_EQ(value("size(" + big + ");"), mel::Value(200000));
  EXPECT_EQ(value("size(match(\"x.*\", " + big + "));"), mel::Value(200000));
  EXPECT_TRUE(interp.run("/* never closed").ok);  // only a comment: nothing to do
}

TEST_F(FuzzTest, AStepBudgetStopsEndlessScripts) {
  interp.setStepBudget(1000);
  const std::string endless[] = {
      "while (1) ;",
      "for (;;) { int $i; }",
      "while (1) catch(eval(\"while (1) ;\"));",
      "proc f() { catch(f()); f(); } f();",
      "do { catch(`eval \"int $x\"`); } while (1);",
  };
  for (const std::string& script : endless) {
    capture.clear();
    EXPECT_FALSE(interp.run(script).ok) << script;
    EXPECT_NE(capture.text().find("step budget of 1000 statements exceeded"), std::string::npos)
        << script;
  }
  // Each run has the whole budget again.
  EXPECT_EQ(out("int $n = 0; while ($n < 300) $n++; print $n;"), "300");
  EXPECT_EQ(out("int $m = 0; while ($m < 300) $m++; print $m;"), "300");
  interp.setStepBudget(0);
  EXPECT_EQ(out("int $k = 0; while ($k < 5000) $k++; print $k;"), "5000");
}

// Every script kept in the regression corpus (fuzzer finds and endless
// scripts), run as the fuzz target runs them: each ends, reported or not.
TEST_F(FuzzTest, TheRegressionCorpusRunsToAnEnd) {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(ZUB_CORPUS_DIR "/mel"))
    paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());
  ASSERT_FALSE(paths.empty());
  for (const auto& path : paths) {
    std::ifstream in(path, std::ios::binary);
    const std::string script((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    mel::CaptureOutput quiet;
    mel::Interpreter fresh(quiet);
    mel::openStandardLibrary(fresh);
    fresh.setStepBudget(2000);
    for (const char* command : {"source", "putenv", "system"}) fresh.unregisterCommand(command);
    fresh.run(script);
    EXPECT_TRUE(fresh.run("print 1;").ok) << path;
  }
}
