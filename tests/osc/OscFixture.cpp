#include "OscFixture.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>

#include <cstdlib>

#include "OscPackets.h"
#include "host/Host.h"
#include "mel/Value.h"

extern char** environ;

namespace osctest {

namespace {

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

// ctest may run several cases of this executable at once, each in its own
// process; they share the port, so they take turns. Held until exit.
void takePortLock() {
  const std::string path = "/tmp/zubbase-osc-test-" + std::to_string(OSC_TEST_PORT) + ".lock";
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd >= 0) flock(fd, LOCK_EX);
}

}  // namespace

int OscFixture::port() { return OSC_TEST_PORT; }

void OscFixture::SetUpTestSuite() {
  setenv("ZUBBASE_OSC_PORT", std::to_string(port()).c_str(), 1);
  static bool nodesLoaded = false;
  if (nodesLoaded) return;
  nodesLoaded = true;
  takePortLock();
  mayasim::host().setOutputSink(nullptr);
  ASSERT_TRUE(
      mayasim::host().execute("loadPlugin " + quoted(ZUB_NODES_PLUGIN) + ";", false, false));
}

void OscFixture::SetUp() {
  mayasim::Host& host = mayasim::host();
  host.reset();
  host.setOutputSink(&output_);
  ASSERT_TRUE(mel("loadPlugin " + quoted(ZUB_BASE_PLUGIN) + ";")) << takeOutput();
  ASSERT_TRUE(mel("source " + quoted(ZUB_SCRIPTS_DIR "/zubOscPanel.mel") + "; zubOscPanel;"))
      << takeOutput();
  ASSERT_TRUE(mel("polyCube;")) << takeOutput();
  takeOutput();
}

void OscFixture::TearDown() {
  mayasim::Host& host = mayasim::host();
  host.reset();
  host.execute("unloadPlugin zubBase;", false, false);
  host.setOutputSink(nullptr);
}

bool OscFixture::mel(const std::string& text) { return mayasim::host().execute(text, false, true); }

std::string OscFixture::melText(const std::string& text) {
  mel::Value value;
  EXPECT_TRUE(mayasim::host().execute(text, false, false, &value)) << text << "\n" << takeOutput();
  return value.asString();
}

double OscFixture::melNumber(const std::string& text) {
  mel::Value value;
  EXPECT_TRUE(mayasim::host().execute(text, false, false, &value)) << text << "\n" << takeOutput();
  return value.asFloat();
}

std::string OscFixture::field(const std::string& control) {
  return melText("textField -query -text " + control + ";");
}

std::vector<std::string> OscFixture::turn() {
  mayasim::Host& host = mayasim::host();
  host.setTraceRecording(true);
  host.clearTrace();
  EXPECT_TRUE(host.execute("zubCmd_getOSC;", false, false)) << output_.text();
  std::vector<std::string> texts;
  for (const mayasim::TraceEntry& entry : host.trace()) {
    EXPECT_FALSE(entry.display) << entry.text;
    EXPECT_FALSE(entry.undo) << entry.text;
    texts.push_back(entry.text);
  }
  if (!texts.empty()) texts.erase(texts.begin());  // zubCmd_getOSC itself
  return texts;
}

void OscFixture::sendText(const std::string& address, const std::string& text) {
  sendRaw(zubosc::textMessage(address, text));
}

void OscFixture::sendRaw(const std::string& datagram) {
  zubosc::Sender("127.0.0.1", port()).send(datagram);
}

void OscFixture::oscsend(const std::vector<std::string>& addressTypesValues) {
  std::vector<std::string> words = {"oscsend", "127.0.0.1", std::to_string(port())};
  words.insert(words.end(), addressTypesValues.begin(), addressTypesValues.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  ASSERT_EQ(posix_spawnp(&pid, "oscsend", nullptr, nullptr, argv.data(), environ), 0);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "oscsend failed";
}

std::string OscFixture::takeOutput() {
  std::string text = output_.text();
  output_.clear();
  return text;
}

std::string channelCmd(const std::string& address) {
  return "textField -text \"" + address + "\" -edit tfOscChannel;";
}
std::string messageCmd(const std::string& text) {
  return "textField -text \"" + text + "\" -edit tfOscMessage;";
}
std::string tokenCmd(int index, const std::string& token) {
  return "textField -text \"" + token + "\" -edit $tfOscTokens[" + std::to_string(index) + "];";
}
std::string mappingCmd(const std::string& attribute, const std::string& value) {
  return "setAttr " + attribute + " " + value + ";";
}
std::string countCmd(int count) {
  return "textField -text \"" + std::to_string(count) + "\" -edit tfOscTokensNumber;";
}

}  // namespace osctest
