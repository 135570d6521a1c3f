// Command syntax and function syntax, backquotes, and CommandArgs.
#include "MelFixture.h"
#include "mel/CommandArgs.h"

using mel::Args;
using mel::Value;

namespace {

class CommandSyntaxTest : public MelTest {
 protected:
  void SetUp() override {
    // `record` keeps its arguments and returns how many it got.
    interp.registerCommand("record", [this](mel::Interpreter&, const Args& a) {
      seen = a;
      return Value(static_cast<int>(a.size()));
    });
  }
  Args recorded(const std::string& source) {
    seen.clear();
    EXPECT_TRUE(interp.run(source).ok) << source << "\n" << capture.text();
    return seen;
  }
  Args seen;
};

}  // namespace

TEST_F(CommandSyntaxTest, WordsNumbersFlagsAndVariables) {
  Args a = recorded("string $o = \"pCube1\"; record -n 5 -5 word 2.5 $o (\"x\" + 1) \"q s\";");
  EXPECT_EQ(a, (Args{Value("-n"), Value(5), Value(-5), Value("word"), Value(2.5), Value("pCube1"),
                     Value("x1"), Value("q s")}));
}

TEST_F(CommandSyntaxTest, WordsKeepPathAndAttributeCharacters) {
  Args a = recorded("record pCube1.tx |group1|pCube1 pCube1.rotate[0] ns:node* ..;");
  EXPECT_EQ(a, (Args{Value("pCube1.tx"), Value("|group1|pCube1"), Value("pCube1.rotate[0]"),
                     Value("ns:node*"), Value("..")}));
}

TEST_F(CommandSyntaxTest, ArgumentsMaySpanLinesUntilTheSemicolon) {
  Args a = recorded("record -label \"Go\"\n    -command \"print 1\"\n    b1;");
  EXPECT_EQ(a.size(), 5u);
  EXPECT_EQ(a[4], Value("b1"));
}

TEST_F(CommandSyntaxTest, IndexedVariableTouchingItsBracket) {
  EXPECT_EQ(recorded("string $s[] = {\"a\", \"b\"}; record $s[1];"), (Args{Value("b")}));
  EXPECT_EQ(recorded("int $arr[] = {4, 5}; record $arr;"), (Args{Value(std::vector<int>{4, 5})}));
}

TEST_F(CommandSyntaxTest, FunctionSyntaxIsEquivalent) {
  EXPECT_EQ(recorded("record(\"-n\", 5, \"word\");"), (Args{Value("-n"), Value(5), Value("word")}));
  EXPECT_EQ(recorded("record();"), Args{});
  // A parenthesised first argument followed by more arguments is command syntax.
  EXPECT_EQ(recorded("string $n = \"a\"; record ($n + \".tx\") 2;"),
            (Args{Value("a.tx"), Value(2)}));
  EXPECT_EQ(recorded("record (\"o\") -5;"), (Args{Value("o"), Value(-5)}));
  // A call followed by an operator is an expression.
  EXPECT_EQ(value("record(1, 2) + 10;"), Value(12));
}

TEST_F(CommandSyntaxTest, ProcsAcceptBothSyntaxes) {
  const char* p = "proc float myTime(string $f, float $t) { return $t * 2; }\n";
  EXPECT_EQ(value(std::string(p) + "myTime -e 1;"), Value(2.0));
  EXPECT_EQ(value(std::string(p) + "myTime(\"-e\", 1);"), Value(2.0));
}

TEST_F(CommandSyntaxTest, BackquotesRunOneCommandForItsValue) {
  EXPECT_EQ(value("`record a b c` + 1;"), Value(4));
  EXPECT_EQ(value("string $r = `record x`; $r;"), Value("1"));
  EXPECT_EQ(recorded("record `record 1 2` z;"), (Args{Value(2), Value("z")}));
  EXPECT_EQ(value("size(`record`);"), Value(1));  // size of "0"
}

TEST_F(CommandSyntaxTest, CatchHoldsACommandOrAnExpression) {
  EXPECT_EQ(value("catch(record -x 1);"), Value(0));
  EXPECT_EQ(value("catchQuiet(`noSuchCommand`);"), Value(1));
  EXPECT_EQ(capture.text(), "");
}

TEST(CommandArgs, ParsesFlagsByShortOrLongNameKeepingValueTypes) {
  std::vector<mel::FlagDecl> flags = {{"n", "name", 1},
                                      {"wh", "widthHeight", 2},
                                      {"q", "query", 0},
                                      {"e", "edit", 0},
                                      {"ch", "child", 1, true}};
  const Args words = {Value("-n"), Value("x"),   Value("obj"), Value("-widthHeight"), Value(3),
                      Value(4.5),  Value("-ch"), Value("a"),   Value("-ch"),          Value("b")};
  mel::CommandArgs a("cmd", flags, words);
  EXPECT_TRUE(a.has("name"));
  EXPECT_EQ(a.arg("name"), Value("x"));
  EXPECT_EQ(a.arg("widthHeight", 1), Value(4.5));
  EXPECT_EQ(a.positional(), (Args{Value("obj")}));
  EXPECT_EQ(a.uses("child").size(), 2u);
  EXPECT_FALSE(a.query());
  EXPECT_THROW(a.arg("edit"), mel::Error);
}

TEST(CommandArgs, QueryModeAnywhereMeansFlagsTakeNoValues) {
  std::vector<mel::FlagDecl> flags = {{"tx", "text", 1}, {"q", "query", 0}};
  const Args words = {Value("-text"), Value("tf1"), Value("-q")};
  mel::CommandArgs a("textField", flags, words);
  EXPECT_TRUE(a.query());
  EXPECT_TRUE(a.has("text"));
  EXPECT_EQ(a.positional(), (Args{Value("tf1")}));
}

TEST(CommandArgs, ReportsBadFlagsWithMelWording) {
  std::vector<mel::FlagDecl> flags = {{"n", "name", 1}, {"v", "value", 2}};
  auto message = [&](Args args) -> std::string {
    try {
      mel::CommandArgs a("cmd", flags, args);
    } catch (const mel::Error& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(message({Value("-bogus")}), "Invalid flag '-bogus'");
  EXPECT_EQ(message({Value("-v"), Value(1)}), "Flag '-v' must be passed 2 argument(s).");
  EXPECT_EQ(message({Value("-n"), Value("a"), Value("-name"), Value("b")}),
            "Flag '-name' can only be used once.");
  EXPECT_EQ(message({Value("-n"), Value("-weird")}), "no error");  // a value may look like a flag
}

// A command may declare more flags than fit in one word of bits (plug-in
// syntaxes have no limit): the once-only rule holds past the 64th as well.
TEST(CommandArgs, OnceOnlyHoldsForLongFlagLists) {
  std::vector<mel::FlagDecl> flags;
  for (int i = 0; i < 70; ++i)
    flags.push_back({"f" + std::to_string(i), "flag" + std::to_string(i), 1});
  flags.push_back({"m", "many", 1, true});
  auto message = [&](Args args) -> std::string {
    try {
      mel::CommandArgs a("cmd", flags, args);
      return "uses " + std::to_string(a.uses("many").size()) + ", f69 " +
             (a.has("flag69") ? a.arg("flag69").asString() : "-");
    } catch (const mel::Error& e) {
      return e.what();
    }
  };
  EXPECT_EQ(
      message({Value("-f63"), Value("a"), Value("-f64"), Value("b"), Value("-f69"), Value("c")}),
      "uses 0, f69 c");
  EXPECT_EQ(message({Value("-f69"), Value("a"), Value("-flag69"), Value("b")}),
            "Flag '-flag69' can only be used once.");
  EXPECT_EQ(message({Value("-m"), Value(1), Value("-m"), Value(2), Value("-many"), Value(3)}),
            "uses 3, f69 -");
}

TEST(CommandArgs, ToBoolAcceptsMelSpellings) {
  for (const char* t : {"true", "on", "yes", "1", "TRUE"}) EXPECT_TRUE(mel::toBool(Value(t))) << t;
  for (const char* f : {"false", "off", "no", "0"}) EXPECT_FALSE(mel::toBool(Value(f))) << f;
  EXPECT_TRUE(mel::toBool(Value(2)));
  EXPECT_THROW(mel::toBool(Value("maybe")), mel::Error);
}
