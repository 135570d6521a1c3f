// MSyntax + MArgList + MArgDatabase: how a command reads its flags.
#include <gtest/gtest.h>
#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include "HostFixture.h"

namespace {

MSyntax fourFlags() {
  MSyntax s;
  s.addFlag("-i", "-isHider", MSyntax::kBoolean);
  s.addFlag("-n", "-index", MSyntax::kLong);
  s.addFlag("-r", "-radius", MSyntax::kDouble);
  s.addFlag("-s", "-separator", MSyntax::kString);
  return s;
}

// An argument list as MEL hands it over: flags and words as strings,
// numbers as numbers.
MArgList args(std::initializer_list<mel::Value> values) {
  MArgList list;
  for (const mel::Value& v : values) {
    if (v.isInt())
      list.addArg(v.asInt());
    else if (v.isFloat())
      list.addArg(v.asFloat());
    else
      list.addArg(MString(v.asString().c_str()));
  }
  return list;
}

class ArgParsing : public HostTest {};

}  // namespace

TEST_F(ArgParsing, ReadsEachTypeByShortOrLongName) {
  MStatus st;
  MArgDatabase db(fourFlags(), args({"-isHider", "on", "-n", 3, "-radius", 2, "-s", 0.5}), &st);
  ASSERT_TRUE(st) << out.text();
  EXPECT_TRUE(db.isFlagSet("-i"));
  EXPECT_TRUE(db.isFlagSet("-isHider"));
  EXPECT_TRUE(db.isFlagSet("-index"));
  bool b = false;
  int i = 0;
  double d = 0;
  MString s;
  EXPECT_TRUE(db.getFlagArgument("-i", 0, b));
  EXPECT_TRUE(db.getFlagArgument("-index", 0, i));
  EXPECT_TRUE(db.getFlagArgument("-r", 0, d));  // an int where a double is wanted
  EXPECT_TRUE(db.getFlagArgument("-separator", 0, s));
  EXPECT_TRUE(b);
  EXPECT_EQ(i, 3);
  EXPECT_DOUBLE_EQ(d, 2.0);
  EXPECT_STREQ(s.asChar(), "0.5");  // any value reads as text
  EXPECT_EQ(out.text(), "");
}

TEST_F(ArgParsing, BooleanSpellings) {
  for (const char* yes : {"true", "on", "yes", "1", "TRUE"}) {
    MArgDatabase db(fourFlags(), args({"-i", yes}));
    bool b = false;
    EXPECT_TRUE(db.getFlagArgument("-i", 0, b)) << yes;
    EXPECT_TRUE(b) << yes;
  }
  for (const char* no : {"false", "off", "no", "0"}) {
    MArgDatabase db(fourFlags(), args({"-i", no}));
    bool b = true;
    EXPECT_TRUE(db.getFlagArgument("-i", 0, b)) << no;
    EXPECT_FALSE(b) << no;
  }
  MArgDatabase numeric(fourFlags(), args({"-i", 0}));
  EXPECT_FALSE(numeric.flagArgumentBool("-i", 0));
}

TEST_F(ArgParsing, AbsentFlagLeavesTargetUntouched) {
  MStatus st;
  MArgDatabase db(fourFlags(), args({"-r", 1.5}), &st);
  ASSERT_TRUE(st);
  EXPECT_FALSE(db.isFlagSet("-s"));
  MString s("keep");
  int i = 7;
  EXPECT_FALSE(db.getFlagArgument("-s", 0, s));
  EXPECT_FALSE(db.getFlagArgument("-n", 0, i));
  EXPECT_FALSE(db.getFlagArgument("-r", 1, i));  // past the flag's values
  EXPECT_STREQ(s.asChar(), "keep");
  EXPECT_EQ(i, 7);
}

TEST_F(ArgParsing, BadInputFailsAndSaysWhy) {
  {
    MStatus st;
    MArgDatabase db(fourFlags(), args({"-x", "-r", 2.0}), &st);
    EXPECT_FALSE(st);
    EXPECT_EQ(out.text(), "// Error: Invalid flag '-x' //\n");
    double d = 0;
    EXPECT_TRUE(db.getFlagArgument("-r", 0, d));  // what could be read stays readable
    EXPECT_DOUBLE_EQ(d, 2.0);
  }
  out.clear();
  {
    MStatus st;
    MArgDatabase db(fourFlags(), args({"-r", "abc"}), &st);
    EXPECT_FALSE(st);
    EXPECT_EQ(out.text(), "// Error: Invalid argument for flag -r: abc //\n");
    EXPECT_FALSE(db.isFlagSet("-r"));
  }
  out.clear();
  {
    MStatus st;
    MArgDatabase db(fourFlags(), args({"-n", 2.5}), &st);  // not an integer
    EXPECT_FALSE(st);
  }
  {
    MStatus st;
    MArgDatabase db(fourFlags(), args({"-i", "maybe"}), &st);
    EXPECT_FALSE(st);
  }
  out.clear();
  {
    MStatus st;
    MArgDatabase db(fourFlags(), args({"-s"}), &st);  // value missing
    EXPECT_FALSE(st);
    EXPECT_NE(out.text().find("-s"), std::string::npos);
  }
}

TEST_F(ArgParsing, FlagValuesThatLookLikeFlagsAndObjects) {
  MSyntax syntax = fourFlags();
  syntax.setObjectType(MSyntax::kStringObjects);
  MStatus st;
  // A string flag takes the next word, even one starting with a dash; a
  // negative number is not a flag.
  MArgDatabase db(syntax, args({"-s", "-", "-r", -2.5, "pCube1", "pCube2"}), &st);
  ASSERT_TRUE(st) << out.text();
  EXPECT_STREQ(db.flagArgumentString("-s", 0).asChar(), "-");
  EXPECT_DOUBLE_EQ(db.flagArgumentDouble("-r", 0), -2.5);
  MStringArray objects;
  db.getObjects(objects);
  ASSERT_EQ(objects.length(), 2u);
  EXPECT_STREQ(objects[1].asChar(), "pCube2");
}

TEST_F(ArgParsing, QueryModeAndMultiUse) {
  MSyntax syntax = fourFlags();
  syntax.enableQuery();
  syntax.addFlag("-a", "-add", MSyntax::kString, MSyntax::kLong);
  syntax.makeFlagMultiUse("-a");
  MStatus st;
  MArgDatabase query(syntax, args({"-q", "-radius"}), &st);
  ASSERT_TRUE(st) << out.text();
  EXPECT_TRUE(query.isQuery());
  EXPECT_TRUE(query.isFlagSet("-r"));

  // As for the built-in commands, -q may come last, and a queried flag then
  // takes no value: "pCube1" is an object.
  syntax.setObjectType(MSyntax::kStringObjects);
  MArgDatabase queryLast(syntax, args({"-radius", "pCube1", "-q"}), &st);
  ASSERT_TRUE(st) << out.text();
  EXPECT_TRUE(queryLast.isQuery());
  EXPECT_TRUE(queryLast.isFlagSet("-r"));
  MStringArray objects;
  queryLast.getObjects(objects);
  ASSERT_EQ(objects.length(), 1u);
  EXPECT_STREQ(objects[0].asChar(), "pCube1");

  MArgDatabase multi(syntax, args({"-a", "x", 1, "-add", "y", 2}), &st);
  ASSERT_TRUE(st) << out.text();
  EXPECT_EQ(multi.numberOfFlagUses("-a"), 2u);
  MArgList second;
  ASSERT_TRUE(multi.getFlagArgumentList("-a", 1, second));
  EXPECT_STREQ(second.asString(0).asChar(), "y");
  EXPECT_EQ(second.asInt(1), 2);
}

TEST(MSyntax, RefusesDuplicateFlagNames) {
  MSyntax s;
  EXPECT_TRUE(s.addFlag("-r", "-radius", MSyntax::kDouble));
  EXPECT_FALSE(s.addFlag("-r", "-rate", MSyntax::kDouble));
  EXPECT_FALSE(s.addFlag("-x", "-radius"));
  EXPECT_FALSE(s.addFlag("x", "-xx"));  // names start with a dash
}
