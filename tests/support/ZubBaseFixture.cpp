#include "ZubBaseFixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

#include "host/Host.h"

namespace zubtest {

namespace {

// A socket bound to `port` (0: any free one) on every address, or -1.
int bindUdp(int port) {
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  address.sin_port = htons(static_cast<uint16_t>(port));
  if (fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
    return fd;
  }
  if (fd >= 0) close(fd);
  return -1;
}

}  // namespace

int freeUdpPort() {
  const int fd = bindUdp(0);
  sockaddr_in address{};
  socklen_t size = sizeof address;
  const bool named = fd >= 0 && getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0;
  if (fd >= 0) close(fd);
  return named ? ntohs(address.sin_port) : 0;
}

bool udpPortFree(int port) {
  const int fd = bindUdp(port);
  if (fd >= 0) close(fd);
  return fd >= 0;
}

const std::vector<std::string>& zubBaseCommands() {
  static const std::vector<std::string> names = {
      "zubCmd_getSelectedObject", "zubCmd_showHiderWindow", "zubCmd_changeHiderRadius",
      "zubCmd_boxesFromImage",    "zubCmd_zubNode001",      "zubCmd_getOSC",
      "zubCmd_toggleOSC",         "zubCmd_changeOSCValues"};
  return names;
}

void ZubBaseHost::SetUp() {
  port_ = freeUdpPort();
  ASSERT_NE(port_, 0);
  setenv("ZUBBASE_OSC_PORT", std::to_string(port_).c_str(), 1);
  mayasim::host().reset();
  mayasim::host().setOutputSink(&output_);
}

void ZubBaseHost::TearDown() {
  mayasim::Host& host = mayasim::host();
  mel::Value loaded;
  host.execute("pluginInfo -listPlugins;", false, false, &loaded);
  for (const std::string& name : loaded.asStringArray()) {
    if (name != "zubNodes") host.execute("unloadPlugin " + name + ";", false, false);
  }
  host.reset();  // zubNodes refuses to unload while its nodes exist
  if (host.findPlugin("zubNodes") >= 0) host.execute("unloadPlugin zubNodes;", false, false);
  host.setOutputSink(nullptr);
  unsetenv("ZUBBASE_OSC_PORT");
}

bool ZubBaseHost::loadPlugin(const std::string& path) {
  return mel("loadPlugin \"" + path + "\";");
}

bool ZubBaseHost::mel(const std::string& text) {
  return mayasim::host().execute(text, false, true);
}

mel::Value ZubBaseHost::eval(const std::string& text) {
  mel::Value value;
  EXPECT_TRUE(mayasim::host().execute(text, false, true, &value)) << text << "\n" << output_.text();
  return value;
}

bool ZubBaseHost::commandExists(const std::string& name) {
  return mayasim::host().mel().hasCommand(name);
}

std::string ZubBaseHost::takeOutput() {
  std::string text = output_.text();
  output_.clear();
  return text;
}

}  // namespace zubtest
