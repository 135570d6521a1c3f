// zubCmd_changeOSCValues, seen through the messages it shapes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "OscFixture.h"

namespace osctest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class MappingCommand : public OscFixture {
 protected:
  std::vector<std::string> handle(const std::string& text) {
    sendText("/zubbase", text);
    return turn();
  }
};

TEST_F(MappingCommand, IndexOutsideTheTableIsRefusedAndChangesNothing) {
  ASSERT_TRUE(mel("zubCmd_changeOSCValues -s \" \" -i 2 -n pCube1.translateX -f 2;"));
  for (const char* index : {"10", "-1", "2147483647"}) {
    EXPECT_FALSE(mel(std::string("zubCmd_changeOSCValues -s \",\" -i ") + index +
                     " -n pCube1.translateY -f 5;"));
    EXPECT_THAT(takeOutput(), HasSubstr("-index")) << index;
  }
  // Separator and position 2 are as before.
  EXPECT_THAT(handle("1 2 3"), ElementsAre(channelCmd("/zubbase"), messageCmd("1 2 3"),
                                           tokenCmd(0, "1"), tokenCmd(1, "2"), tokenCmd(2, "3"),
                                           mappingCmd("pCube1.translateX", "6"), countCmd(3)));
}

TEST_F(MappingCommand, NameAndFactorCountOnlyWithIndex) {
  ASSERT_TRUE(
      mel("zubCmd_changeOSCValues -separator \" \" -index 0 -name pCube1.translateX -factor 1;"));
  ASSERT_TRUE(mel("zubCmd_changeOSCValues -name pCube1.translateY -factor 9;"));
  EXPECT_THAT(handle("3"), ElementsAre(channelCmd("/zubbase"), messageCmd("3"), tokenCmd(0, "3"),
                                       mappingCmd("pCube1.translateX", "3"), countCmd(1)));
  // -index alone clears the position.
  ASSERT_TRUE(mel("zubCmd_changeOSCValues -index 0;"));
  EXPECT_THAT(handle("3"),
              ElementsAre(channelCmd("/zubbase"), messageCmd("3"), tokenCmd(0, "3"), countCmd(1)));
}

TEST_F(MappingCommand, FactorIsTextReadAsANumber) {
  ASSERT_TRUE(mel("zubCmd_changeOSCValues -s \" \" -i 0 -n pCube1.translateX -f \"-0.25\";"));
  ASSERT_TRUE(mel("zubCmd_changeOSCValues -i 1 -n pCube1.translateY -f abc;"));
  EXPECT_THAT(handle("8 8"),
              ElementsAre(channelCmd("/zubbase"), messageCmd("8 8"), tokenCmd(0, "8"),
                          mappingCmd("pCube1.translateX", "-2"), tokenCmd(1, "8"),
                          mappingCmd("pCube1.translateY", "0"), countCmd(2)));
}

TEST_F(MappingCommand, PanelSetsTheMapping) {
  ASSERT_TRUE(mel("textField -edit -text \",\" tfOscSeparator; simPress btnOscSeparator;"))
      << takeOutput();
  ASSERT_TRUE(
      mel("textField -edit -text \"1\" tfOscMapIndex; textField -edit -text pCube1.rotateX "
          "tfOscMapAttribute;"
          "textField -edit -text \"10\" tfOscMapFactor; simPress btnOscPosition;"))
      << takeOutput();
  EXPECT_THAT(handle("1,2"),
              ElementsAre(channelCmd("/zubbase"), messageCmd("1,2"), tokenCmd(0, "1"),
                          tokenCmd(1, "2"), mappingCmd("pCube1.rotateX", "20"), countCmd(2)));
  EXPECT_DOUBLE_EQ(melNumber("getAttr pCube1.rotateX;"), 20.0);
  // A position that is not 0..9 is refused by the panel itself.
  mel("textField -edit -text \"12\" tfOscMapIndex; simPress btnOscPosition;");
  EXPECT_THAT(takeOutput(), HasSubstr("from 0 to 9"));
}

}  // namespace
}  // namespace osctest
