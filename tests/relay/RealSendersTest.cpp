// End to end with OSC senders people already use: SuperCollider's sclang,
// Pure Data and liblo's oscsend drive zubBase in the mayasim executable,
// directly with "/zubbase" texts and through zubOscRelay with numbers. Each
// test has its own host, relay and ports, so tests may run side by side.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "Child.h"

namespace {

using relaytest::Child;

constexpr int kSenderTimeoutMs = 60000;
constexpr int kPollTimeoutMs = 30000;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

class RealSenders : public ::testing::Test {
 protected:
  void SetUp() override {
    hostPort_ = relaytest::freeUdpPort();
    relayPort_ = relaytest::freeUdpPort();
    ASSERT_GT(hostPort_, 0);
    ASSERT_GT(relayPort_, 0);
    ASSERT_NE(hostPort_, relayPort_);
    dir_ = std::string(::testing::TempDir()) + "relay_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
    mkdir(dir_.c_str(), 0755);
  }

  void TearDown() override {
    if (relay_) {
      relay_->signal(SIGINT);
      EXPECT_EQ(relay_->wait(10000), 0) << "the relay did not stop cleanly on SIGINT\n"
                                        << relayLog();
    }
    if (host_) {
      host_->closeInput();
      EXPECT_EQ(host_->wait(20000), 0) << relaytest::fileText(dir_ + "host.log");
    }
  }

  // mayasim with zubNodes, zubBase, the OSC panel and a cube; each MEL line
  // sets up the mapping; OSC reception is on when this returns.
  void startHost(const std::vector<std::string>& mapping) {
    Child::Options options;
    options.pipeInput = true;
    options.pipeOutput = true;
    options.logFile = dir_ + "host.log";
    options.env = {"ZUBBASE_OSC_PORT=" + std::to_string(hostPort_),
                   "MAYA_PLUG_IN_PATH=" ZUB_PLUGIN_DIR};
    host_ = std::make_unique<Child>(
        std::vector<std::string>{MAYASIM_EXE, "--interactive", ZUB_SCRIPTS_DIR "/zubOscPanel.mel"},
        options);
    ASSERT_TRUE(host_->started());
    mel("loadPlugin zubNodes; loadPlugin zubBase; zubOscPanel; polyCube;");
    mel("zubCmd_changeOSCValues -separator \" \";");
    for (const std::string& line : mapping) mel(line);
    mel("zubCmd_toggleOSC;");
    ASSERT_EQ(awaited("\"ready\"", "ready"), "ready") << relaytest::fileText(dir_ + "host.log");
  }

  void mel(const std::string& text) { ASSERT_TRUE(host_->write(text + "\n")); }

  // Asks the host for `query` (a MEL string expression) until it gives
  // `expected` or time runs out; returns the last answer.
  std::string awaited(const std::string& query, const std::string& expected) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kPollTimeoutMs);
    std::string answer = "(no answer)";
    while (std::chrono::steady_clock::now() < deadline) {
      if (!host_->write("print (\"poll \" + " + query + " + \"\\n\");\n")) return "(host gone)";
      for (;;) {
        const auto line = host_->readLine(5000);
        if (!line) return answer;
        if (line->rfind("poll ", 0) == 0) {
          answer = line->substr(5);
          break;
        }
      }
      if (answer == expected) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return answer;
  }

  std::string field(const std::string& control, const std::string& expected) {
    return awaited("`textField -query -text " + control + "`", expected);
  }
  std::string attribute(const std::string& plug, const std::string& expected) {
    return awaited("`getAttr " + plug + "`", expected);
  }

  // zubOscRelay --listen relayPort --to the host, with `arguments` added;
  // returns once it listens.
  void startRelay(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv = {ZUB_RELAY_EXE,
                                     "--listen",
                                     std::to_string(relayPort_),
                                     "--to",
                                     "127.0.0.1:" + std::to_string(hostPort_),
                                     "--verbose"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    Child::Options options;
    options.pipeOutput = true;
    options.logFile = dir_ + "relay.log";
    relay_ = std::make_unique<Child>(argv, options);
    ASSERT_TRUE(relay_->started());
    for (auto line = relay_->readLine(10000); line; line = relay_->readLine(10000)) {
      relayOutput_ += *line + "\n";
      if (line->rfind("zubOscRelay: listening on UDP port", 0) == 0) return;
    }
    FAIL() << "the relay did not start listening\n" << relayOutput_ << relayLog();
  }

  // The relay's standard output from now until `expected` shows up in it.
  std::string relaySaid(const std::string& expected) {
    while (relayOutput_.find(expected) == std::string::npos) {
      const auto line = relay_->readLine(5000);
      if (!line) break;
      relayOutput_ += *line + "\n";
    }
    return relayOutput_;
  }
  // What "10 20 30" does with token 1 mapped to translateY times 0.5.
  void expectTextArrived() {
    EXPECT_EQ(field("tfOscMessage", "10 20 30"), "10 20 30");
    EXPECT_EQ(field("tfOscTokensNumber", "3"), "3");
    EXPECT_EQ(attribute("pCube1.translateY", "10"), "10");
  }

  std::string relayLog() { return relaytest::fileText(dir_ + "relay.log"); }

  // Runs a sender to its end; its output goes to a log shown on failure.
  void runSender(const std::vector<std::string>& argv, const std::vector<std::string>& env = {}) {
    Child::Options options;
    options.logFile = dir_ + "sender.log";
    options.env = env;
    Child sender(argv, options);
    ASSERT_TRUE(sender.started()) << argv[0];
    EXPECT_EQ(sender.wait(kSenderTimeoutMs), 0) << argv[0] << ":\n"
                                                << relaytest::fileText(options.logFile);
  }

  // A sender script from senders/, its PORT set to `port`, written to the test's folder.
  std::string script(const std::string& name, int port) {
    const std::string text = relaytest::fileText(std::string(SENDERS_DIR "/") + name);
    const std::string path = dir_ + name;
    std::ofstream(path) << replaced(text, "PORT", std::to_string(port));
    return path;
  }

  void runSclang(const std::string& scriptName, int port) {
    runSender({sclang_, "-u", std::to_string(relaytest::freeUdpPort()), script(scriptName, port)},
              {"QT_QPA_PLATFORM=offscreen", "QTWEBENGINE_DISABLE_SANDBOX=1"});
  }
  void runPd(const std::string& patchName, int port) {
    runSender(
        {pd_, "-nogui", "-nosound", "-nomidi", "-noprefs", "-stderr", script(patchName, port)});
  }

  std::string need(const std::string& program, const std::string& package) {
    const std::string path = relaytest::findProgram(program);
    if (path.empty()) missing_ = program + " is not installed (Debian package " + package + ")";
    return path;
  }

  int hostPort_ = 0;
  int relayPort_ = 0;
  std::string dir_;
  std::string missing_;
  std::string sclang_ = need("sclang", "supercollider-language");
  std::string pd_ = need("pd", "puredata-core");
  std::unique_ptr<Child> host_;
  std::unique_ptr<Child> relay_;
  std::string relayOutput_;
};

#define SKIP_WITHOUT(path) \
  if ((path).empty()) GTEST_SKIP() << missing_

const std::vector<std::string> kTextMapping = {
    "zubCmd_changeOSCValues -index 1 -name pCube1.translateY -factor 0.5;"};

TEST_F(RealSenders, SuperColliderTextDrivesThePlugin) {
  SKIP_WITHOUT(sclang_);
  startHost(kTextMapping);
  runSclang("zubbaseText.scd", hostPort_);
  expectTextArrived();
}

TEST_F(RealSenders, SuperColliderNumbersDriveThePluginThroughTheRelay) {
  SKIP_WITHOUT(sclang_);
  startHost({"zubCmd_changeOSCValues -index 0 -name pCube1.rotateY -factor 1;",
             "zubCmd_changeOSCValues -index 2 -name pCube1.translateX -factor 10;"});
  startRelay({"--route", "/sc/level 0 -> 2", "--route", "/sc/level 1 -> 0"});
  runSclang("level.scd", relayPort_);
  EXPECT_EQ(field("tfOscMessage", "7 0 0.42"), "7 0 0.42");
  EXPECT_EQ(attribute("pCube1.translateX", "4.2"), "4.2");
  EXPECT_EQ(attribute("pCube1.rotateY", "7"), "7");
  EXPECT_NE(relaySaid("/zubbase \"7 0 0.42\"").find("/zubbase \"7 0 0.42\""), std::string::npos);
}

TEST_F(RealSenders, PureDataTextDrivesThePlugin) {
  SKIP_WITHOUT(pd_);
  startHost(kTextMapping);
  runPd("zubbaseText.pd", hostPort_);
  expectTextArrived();
}

TEST_F(RealSenders, PureDataFaderDrivesThePluginThroughTheRelay) {
  SKIP_WITHOUT(pd_);
  startHost({"zubCmd_changeOSCValues -index 2 -name pCube1.translateX -factor 10;"});
  startRelay({"--route", "/1/fader1 0 -> 2"});
  runPd("fader.pd", relayPort_);
  EXPECT_EQ(field("tfOscMessage", "0 0 0.42"), "0 0 0.42");
  EXPECT_EQ(attribute("pCube1.translateX", "4.2"), "4.2");
}

TEST_F(RealSenders, OscsendDrivesThePluginDirectlyAndThroughTheRelayPastABadDatagram) {
  const std::string oscsend = need("oscsend", "liblo-tools");
  SKIP_WITHOUT(oscsend);
  startHost({"zubCmd_changeOSCValues -index 0 -name pCube1.translateX -factor 10;",
             "zubCmd_changeOSCValues -index 1 -name pCube1.translateY -factor 1;",
             "zubCmd_changeOSCValues -index 2 -name pCube1.translateZ -factor 1;"});
  runSender({oscsend, "127.0.0.1", std::to_string(hostPort_), "/zubbase", "s", "1 2 3"});
  EXPECT_EQ(attribute("pCube1.translateZ", "3"), "3");

  const std::string routes = dir_ + "phone.routes";
  std::ofstream(routes)
      << "# a phone layout\n/1/fader1 0 -> 0\n/accxyz 1 -> 1   # tilt\n/accxyz 2 -> 2\n";
  startRelay({"--routes", routes});
  const std::string port = std::to_string(relayPort_);
  runSender({oscsend, "127.0.0.1", port, "/1/fader1", "f", "0.42"});
  EXPECT_EQ(attribute("pCube1.translateX", "4.2"), "4.2");
  runSender(
      {ZUB_SEND_EXE, "--port", port, "raw", "2f 31 2f 66 61 64 65 72"});  // no end to the address
  runSender({oscsend, "127.0.0.1", port, "/accxyz", "fff", "0.1", "0.9", "-0.2"});
  EXPECT_EQ(field("tfOscMessage", "0.42 0.9 -0.2"), "0.42 0.9 -0.2");
  EXPECT_EQ(attribute("pCube1.translateZ", "-0.2"), "-0.2");
  runSender({oscsend, "127.0.0.1", port, "/1/fader1", "s", "loud"});
  runSender({oscsend, "127.0.0.1", port, "/1/fader1", "i", "1"});
  EXPECT_EQ(attribute("pCube1.translateX", "10"), "10");
  const std::string log = relayLog();
  EXPECT_NE(log.find("malformed datagram ignored: "), std::string::npos) << log;
  EXPECT_NE(log.find("/1/fader1 argument 0 ignored: not a number but a string (s)"),
            std::string::npos)
      << log;
}

TEST(RelayCommandLine, BadRouteLineIsAnErrorNamingFileAndLine) {
  const std::string routes = std::string(::testing::TempDir()) + "relay_bad.routes";
  std::ofstream(routes) << "/1/fader1 0 -> 2\n/1/fader2 0 => 3\n";
  const std::string log = std::string(::testing::TempDir()) + "relay_bad.log";
  std::remove(log.c_str());
  Child::Options options;
  options.logFile = log;
  Child relay(
      {ZUB_RELAY_EXE, "--listen", std::to_string(relaytest::freeUdpPort()), "--routes", routes},
      options);
  EXPECT_EQ(relay.wait(10000), 1);
  EXPECT_NE(relaytest::fileText(log).find(routes + ":2: "), std::string::npos)
      << relaytest::fileText(log);
}

}  // namespace
