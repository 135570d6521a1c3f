#include "app/StatementBuffer.h"

#include <gtest/gtest.h>

namespace {

using mayasim::app::StatementBuffer;

TEST(StatementBuffer, RunsWhenBracesAndParenthesesBalance) {
  StatementBuffer b;
  b.addLine("print \"one\";");
  EXPECT_TRUE(b.complete());
  EXPECT_EQ(b.take(), "print \"one\";\n");
  EXPECT_TRUE(b.empty());

  b.addLine("global proc int once(int $x)");
  EXPECT_FALSE(b.complete()) << "the body may start on the next line";
  b.addLine("{ return $x; }  // done");
  EXPECT_TRUE(b.complete());
  b.take();

  b.addLine("global proc int twice(int $x) {");
  EXPECT_FALSE(b.complete());
  b.addLine("  if ($x > 0) { return 2 * $x; }");
  EXPECT_FALSE(b.complete());
  b.addLine("  return (0");
  EXPECT_FALSE(b.complete());
  b.addLine("  );");
  b.addLine("}");
  EXPECT_TRUE(b.complete());
}

TEST(StatementBuffer, IgnoresBracketsInStringsAndComments) {
  StatementBuffer b;
  b.addLine("print \"{ ( \\\" (\"; // { (");
  EXPECT_TRUE(b.complete());
  b.take();

  b.addLine("/* a comment { that");
  EXPECT_FALSE(b.complete());
  b.addLine("goes on ( */ print 1;");
  EXPECT_TRUE(b.complete());
  b.take();

  // A string continued with a backslash keeps the statement open.
  b.addLine("print \"first \\");
  EXPECT_FALSE(b.complete());
  b.addLine("second { \";");
  EXPECT_TRUE(b.complete());
}

TEST(StatementBuffer, UnbalancedClosersAndOpenStringsDoNotHoldInput) {
  StatementBuffer b;
  b.addLine("print 1; }");
  EXPECT_TRUE(b.complete());  // the parser reports it
  b.take();
  b.addLine("print \"never closed;");
  EXPECT_TRUE(b.complete());
}

}  // namespace
