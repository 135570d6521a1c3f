// Running out of memory is an error like any other: the value being copied
// and the interpreter stay usable. The fuzzing harness's memory budget
// (linked into this test) makes allocations fail on purpose.
#include <new>
#include <string>
#include <vector>

#include "MelFixture.h"
#include "fuzz/MemoryBudget.h"

namespace {

using mel::Value;

TEST(ValueOutOfMemory, AFailedCopyLeavesBothValuesWhole) {
  Value big(std::vector<std::string>(20000, std::string(40, 'x')));
  Value target("held before");
  {
    const fuzz::MemoryBudget budget(64 * 1024);
    EXPECT_THROW(Value copy(big), std::bad_alloc);
    EXPECT_THROW(target = big, std::bad_alloc);
  }
  EXPECT_EQ(target.asString(), "held before");
  const Value copy(big);
  ASSERT_EQ(copy.size(), 20000u);
  EXPECT_EQ(copy.element(19999).asString(), std::string(40, 'x'));
}

class InterpreterOutOfMemory : public MelTest {};

TEST_F(InterpreterOutOfMemory, IsReportedAndTheNextScriptRuns) {
  // Filling the array fits the budget; copying it for size() does not.
  {
    const fuzz::MemoryBudget budget(std::size_t{48} << 20);
    out("string $a[] = {\"x\"}; $a[1113273] = \"z\"; print (size($a));");
  }
  EXPECT_FALSE(last.ok);
  EXPECT_NE(capture.text().find("bad_alloc"), std::string::npos) << capture.text();
  EXPECT_EQ(out("string $b[] = {\"y\"}; $b[3] = \"z\"; print (size($b));"), "4");
}

}  // namespace
