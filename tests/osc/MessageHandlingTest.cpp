// What one received message does: the exact MEL texts, in order, and the
// fields and attributes they leave behind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "OscFixture.h"
#include "OscPackets.h"

namespace osctest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

class MessageHandling : public OscFixture {
 protected:
  void mapWorkedExample() {
    ASSERT_TRUE(mel("zubCmd_changeOSCValues -separator \" \";"));
    ASSERT_TRUE(mel("zubCmd_changeOSCValues -index 1 -name pCube1.translateY -factor 0.5;"));
  }
};

TEST_F(MessageHandling, WorkedExampleFromBothSenders) {
  mapWorkedExample();
  const std::vector<std::string> expected = {channelCmd("/zubbase"),
                                             messageCmd("10 20 30"),
                                             tokenCmd(0, "10"),
                                             tokenCmd(1, "20"),
                                             mappingCmd("pCube1.translateY", "10"),
                                             tokenCmd(2, "30"),
                                             countCmd(3)};

  sendText("/zubbase", "10 20 30");
  EXPECT_EQ(turn(), expected);
  EXPECT_EQ(field("tfOscChannel"), "/zubbase");
  EXPECT_EQ(field("tfOscMessage"), "10 20 30");
  EXPECT_EQ(field("tfOscToken2"), "30");
  EXPECT_EQ(field("tfOscTokensNumber"), "3");
  EXPECT_DOUBLE_EQ(melNumber("getAttr pCube1.translateY;"), 10.0);

  mel("setAttr pCube1.translateY 0;");
  oscsend({"/zubbase", "s", "10 20 30"});
  EXPECT_EQ(turn(), expected);
  EXPECT_DOUBLE_EQ(melNumber("getAttr pCube1.translateY;"), 10.0);
}

TEST_F(MessageHandling, BundleMessagesRunInOrderInOneTurn) {
  sendRaw(zubosc::textBundle({{"/zubbase", "a"}, {"/other", "b"}, {"/zubbase", "c"}}));
  sendText("/zubbase", "next");
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("a"), channelCmd("/other"),
                                  channelCmd("/zubbase"), messageCmd("c")));
  EXPECT_EQ(field("tfOscMessage"), "c");
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("next")));
}

TEST_F(MessageHandling, OtherAddressesGetOnlyTheChannel) {
  for (const char* address : {"/ZubBase", "/zubbase/", "/zub", "/other/path"}) {
    sendText(address, "1 2 3");
    EXPECT_THAT(turn(), ElementsAre(channelCmd(address))) << address;
  }
  EXPECT_EQ(field("tfOscMessage"), "");
}

TEST_F(MessageHandling, ArgumentErrorsAreReportedAndEndTheTurn) {
  struct Case {
    std::vector<std::string> oscsendArgs;
    const char* error;
  };
  const Case cases[] = {
      {{"/zubbase"}, "missing argument"},
      {{"/zubbase", "i", "3"}, "wrong argument type"},
      {{"/zubbase", "S", "symbol"}, "wrong argument type"},
      {{"/zubbase", "is", "3", "text"}, "wrong argument type"},
      {{"/zubbase", "ss", "a", "b"}, "too many arguments"},
  };
  for (const Case& c : cases) {
    oscsend(c.oscsendArgs);
    sendText("/zubbase", "after");
    EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"))) << c.error;
    EXPECT_THAT(takeOutput(), HasSubstr(std::string("ERRORE: ") + c.error + " //"));
    EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("after"))) << c.error;
    EXPECT_THAT(takeOutput(), Not(HasSubstr("ERRORE")));
  }
}

TEST_F(MessageHandling, SeparatorEdgeCases) {
  // No separator yet: channel and message only.
  sendText("/zubbase", "1 2");
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("1 2")));

  // Only the first character of the separator splits.
  mel("zubCmd_changeOSCValues -separator \",;\";");
  sendText("/zubbase", "4;5,6");
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("4;5,6"), tokenCmd(0, "4;5"),
                                  tokenCmd(1, "6"), countCmd(2)));

  // No separator in the text: the whole text is the one token.
  sendText("/zubbase", "abc");
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("abc"), tokenCmd(0, "abc"),
                                  countCmd(1)));

  // An empty attribute maps nothing whatever its factor; a factor never set is 0.
  mel("zubCmd_changeOSCValues -index 0 -factor 3;");
  mel("zubCmd_changeOSCValues -index 1 -name pCube1.translateX;");
  mel("setAttr pCube1.translateX 5;");
  sendText("/zubbase", "7,8");
  EXPECT_THAT(turn(),
              ElementsAre(channelCmd("/zubbase"), messageCmd("7,8"), tokenCmd(0, "7"),
                          tokenCmd(1, "8"), mappingCmd("pCube1.translateX", "0"), countCmd(2)));
  EXPECT_DOUBLE_EQ(melNumber("getAttr pCube1.translateX;"), 0.0);

  // An empty separator switches token handling off again.
  mel("zubCmd_changeOSCValues -separator \"\";");
  sendText("/zubbase", "7,8");
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("7,8")));
}

TEST_F(MessageHandling, TokensPastTheTenthAreShownButNeverMapped) {
  mel("zubCmd_changeOSCValues -separator \" \" -index 9 -name pCube1.translateZ -factor 2;");
  sendText("/zubbase", "0 1 2 3 4 5 6 7 8 9 10");
  const std::vector<std::string> texts = turn();
  ASSERT_EQ(texts.size(), 2u + 11u + 1u + 1u);
  EXPECT_EQ(texts[11], tokenCmd(9, "9"));
  EXPECT_EQ(texts[12], mappingCmd("pCube1.translateZ", "18"));
  EXPECT_EQ(texts[13], tokenCmd(10, "10"));
  EXPECT_EQ(texts[14], countCmd(11));
  EXPECT_EQ(field("tfOscTokensNumber"), "11");
}

TEST_F(MessageHandling, HostileTextIsShownExactlyAndRunsNothing) {
  mel("zubCmd_changeOSCValues -separator \"|\" -index 0 -name pCube1.translateX -factor 1;");
  const std::string payloads[] = {
      "\"; quit -f; \"",
      "\"; createNode transform -n pwned; //\"",
      "\\\"; createNode transform -n pwned; //",
      "`createNode transform -n pwned`",
      "$tfOscTokens[0] + \"x\"",
      "line\nbreak\ttab\rreturn\x01\x1f end\\",
  };
  for (const std::string& text : payloads) {
    sendText("/zubbase", text);
    const std::vector<std::string> texts = turn();
    EXPECT_EQ(field("tfOscMessage"), text);
    EXPECT_EQ(field("tfOscTokensNumber"), "1") << text;
    EXPECT_EQ(field("tfOscToken0"), text);
    EXPECT_EQ(texts.size(), 5u) << text;
  }
  // The address goes in quoted as well.
  const std::string address = "/x\"; createNode transform -n pwned; //";
  sendText(address, "1");
  turn();
  EXPECT_EQ(field("tfOscChannel"), address);

  EXPECT_EQ(melNumber("objExists pwned;"), 0.0);
  EXPECT_THAT(takeOutput(), Not(HasSubstr("Error")));

  // A token that is a number followed by MEL drives the attribute by its number.
  sendText("/zubbase", "4; createNode transform -n pwned");
  EXPECT_THAT(turn(), testing::Contains(mappingCmd("pCube1.translateX", "4")));
  // A token whose value is not finite has no MEL number: no mapping at all.
  for (const char* text : {"1e999", "nan", "-inf"}) {
    sendText("/zubbase", text);
    EXPECT_THAT(turn(), Not(testing::Contains(HasSubstr("setAttr")))) << text;
  }
  EXPECT_EQ(melNumber("objExists pwned;"), 0.0);
}

}  // namespace
}  // namespace osctest
