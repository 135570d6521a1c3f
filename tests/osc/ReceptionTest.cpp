// Receive turns and the on/off switch: what ends a turn, what a bad datagram
// does, the idle callback, undo, unload, and the host's SIGINT handler.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "HostileDatagrams.h"
#include "OscFixture.h"
#include "OscPackets.h"
#include "host/Host.h"

namespace osctest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class Reception : public OscFixture {};

TEST_F(Reception, NothingQueuedEndsTheTurnWithSuccess) {
  EXPECT_THAT(turn(), IsEmpty());
  EXPECT_EQ(takeOutput(), "");
}

TEST_F(Reception, DatagramsWithoutMessagesDoNotEndTheTurn) {
  sendRaw(zubosc::textBundle({}));
  sendRaw("");
  oscsend({"/zubbase", "s", "first"});
  sendText("/zubbase", "second");
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("first")));
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("second")));
  EXPECT_THAT(turn(), IsEmpty());
}

TEST_F(Reception, MalformedDatagramsAreReportedAndTheNextOneWorks) {
  const std::string good = zubosc::textMessage("/zubbase", "ok");
  const std::string bundle = zubosc::textBundle({{"/zubbase", "in bundle"}});
  const std::string malformed[] = {
      good.substr(0, good.size() - 1),      // size not a multiple of four
      good.substr(0, 8),                    // address only, type tags cut off
      zubosc::bytesFromHex("2f 7a 75 62"),  // address without its terminator
      bundle.substr(0, bundle.size() - 4),  // element longer than the bundle
      bundle.substr(0, 16) + zubosc::bytesFromHex("00 00 00 05"),
      zubosc::textMessage("/zubbase", std::string(5000, 'x')),  // over-long, arrives cut
  };
  for (const std::string& datagram : malformed) {
    sendRaw(datagram);
    sendRaw(good);
    EXPECT_THAT(turn(), IsEmpty());
    const std::string output = takeOutput();
    EXPECT_THAT(output, HasSubstr("// Error: ERRORE: ")) << datagram.size();
    EXPECT_THAT(output, ::testing::Not(HasSubstr("\n //"))) << "the library's line feed is dropped";
    EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("ok")));
  }
}

// Sizes that reach past the datagram never get to oscpack, which would read
// past its buffer or loop for ever on them: one error line, then the next
// datagram as usual.
TEST_F(Reception, DatagramsWithSizesPastTheirEndAreRefusedOnce) {
  const std::string good = zubosc::textMessage("/zubbase", "still here");
  for (const std::string& datagram : hostileDatagrams()) {
    sendRaw(datagram);
    sendRaw(good);
    EXPECT_THAT(turn(), IsEmpty());
    const std::string output = takeOutput();
    EXPECT_THAT(output, ::testing::StartsWith("// Error: ERRORE: ")) << datagram.size();
    EXPECT_EQ(output.find("ERRORE", 1), output.rfind("ERRORE")) << output;
    EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("still here")));
  }
  sendRaw(blobKiller());
  turn();
  EXPECT_EQ(takeOutput(),
            "// Error: ERRORE: blob size 2147483644 exceeds the 0 bytes left in the message //\n");
}

// Every datagram kept in the regression corpus (crashes and freezes found so
// far, fuzzer finds included): handled or reported, and the next one works.
TEST_F(Reception, TheRegressionCorpusLeavesReceptionWorking) {
  const std::string good = zubosc::textMessage("/zubbase", "after corpus");
  const std::vector<std::string> corpus = corpusFiles(ZUB_CORPUS_DIR "/osc");
  ASSERT_FALSE(corpus.empty());
  for (const std::string& datagram : corpus) {
    sendRaw(datagram);
    sendRaw(good);
    std::vector<std::string> ran;
    for (int i = 0; i < 3 && (ran.empty() || ran.back() != messageCmd("after corpus")); ++i)
      ran = turn();
    EXPECT_THAT(ran, ElementsAre(channelCmd("/zubbase"), messageCmd("after corpus")))
        << takeOutput();
    takeOutput();
  }
}

// After a long quiet spell turns wait longer; a datagram is still what ends
// one, and the next message brings the short turns back.
TEST_F(Reception, TurnsAfterAQuietSpellStillHandleWhatArrives) {
  for (int i = 0; i < 60; ++i) ASSERT_THAT(turn(), IsEmpty());
  sendText("/zubbase", "after the quiet");
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("after the quiet")));
  sendText("/zubbase", "again");
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("again")));
  EXPECT_THAT(turn(), IsEmpty());
  EXPECT_EQ(takeOutput(), "");
}

TEST_F(Reception, QueuedDatagramsAreHandledOnePerTurnInOrder) {
  sendText("/zubbase", "one");
  oscsend({"/zubbase", "s", "two"});
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("one")));
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("two")));
}

TEST_F(Reception, IdleEventsDriveTurnsWhileOn) {
  mayasim::Host& host = mayasim::host();
  sendText("/zubbase", "queued while off");
  host.fireEvent("idle");
  EXPECT_EQ(field("tfOscMessage"), "");

  ASSERT_TRUE(mel("zubCmd_toggleOSC;"));
  host.fireEvent("idle");
  EXPECT_EQ(field("tfOscMessage"), "queued while off");

  ASSERT_TRUE(mel("zubCmd_toggleOSC;"));
  sendText("/zubbase", "sent while off");
  host.fireEvent("idle");
  EXPECT_EQ(field("tfOscMessage"), "queued while off");
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("sent while off")));
}

TEST_F(Reception, ToggleNodesCallbacksAndUndo) {
  mayasim::Host& host = mayasim::host();
  ASSERT_TRUE(mel("zubCmd_toggleOSC; zubCmd_toggleOSC; zubCmd_toggleOSC;"));
  EXPECT_EQ(melText("size(`ls -type zubNode_OSC`);"), "2");
  EXPECT_EQ(host.callbackCount("idle"), 1u);

  // Undo of the last switch-on removes its node; OSC stays on.
  ASSERT_TRUE(mel("undo;"));
  EXPECT_EQ(melText("size(`ls -type zubNode_OSC`);"), "1");
  EXPECT_EQ(host.callbackCount("idle"), 1u);
  sendText("/zubbase", "still on");
  host.fireEvent("idle");
  EXPECT_EQ(field("tfOscMessage"), "still on");
  ASSERT_TRUE(mel("redo;"));
  EXPECT_EQ(melText("size(`ls -type zubNode_OSC`);"), "2");

  // The next switch is off, and undo of a switch-off changes nothing.
  ASSERT_TRUE(mel("zubCmd_toggleOSC;"));
  EXPECT_EQ(host.callbackCount("idle"), 0u);
  ASSERT_TRUE(mel("undo;"));
  EXPECT_EQ(host.callbackCount("idle"), 0u);
  EXPECT_EQ(melText("size(`ls -type zubNode_OSC`);"), "2");
}

TEST_F(Reception, UnloadWhileOnLeavesNoCallback) {
  mayasim::Host& host = mayasim::host();
  ASSERT_TRUE(mel("zubCmd_toggleOSC;"));
  ASSERT_TRUE(mel("delete `ls -type zubNode_OSC`; flushUndo;"));
  ASSERT_TRUE(mel("unloadPlugin zubBase;")) << takeOutput();
  EXPECT_EQ(host.callbackCount("idle"), 0u);
  host.fireEvent("idle");

  // Loading again binds the port again and starts switched off.
  ASSERT_TRUE(mel("loadPlugin \"" ZUB_BASE_PLUGIN "\";")) << takeOutput();
  EXPECT_EQ(host.callbackCount("idle"), 0u);
  sendText("/zubbase", "reloaded");
  EXPECT_THAT(turn(), ElementsAre(channelCmd("/zubbase"), messageCmd("reloaded")));
}

void hostSigint(int) {}

TEST_F(Reception, TurnsLeaveTheHostsSigintHandlerAlone) {
  struct sigaction mine = {};
  mine.sa_handler = hostSigint;
  struct sigaction before = {};
  ASSERT_EQ(sigaction(SIGINT, &mine, &before), 0);
  sendText("/zubbase", "x");
  turn();
  turn();
  struct sigaction after = {};
  ASSERT_EQ(sigaction(SIGINT, &before, &after), 0);
  EXPECT_EQ(after.sa_handler, &hostSigint);
}

}  // namespace
}  // namespace osctest
