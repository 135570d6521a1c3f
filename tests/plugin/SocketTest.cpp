// The OSC socket at load: the port override, the default port, and a port
// already taken by a second host process.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "ZubBaseFixture.h"

namespace zubtest {
namespace {

class ZubBaseSocket : public ZubBaseHost {};

TEST_F(ZubBaseSocket, BadPortValuesFailTheLoadAndRegisterNothing) {
  for (const char* bad : {"abc", "0", "65536", "-5", "5710x", " 57110", "99999999999999999999"}) {
    SCOPED_TRACE(bad);
    setenv("ZUBBASE_OSC_PORT", bad, 1);
    EXPECT_FALSE(loadZubBase());
    EXPECT_NE(takeOutput().find(std::string("ZUBBASE_OSC_PORT is \"") + bad + "\""),
              std::string::npos);
    for (const std::string& name : zubBaseCommands()) EXPECT_FALSE(commandExists(name)) << name;
  }
}

TEST_F(ZubBaseSocket, WithoutTheOverrideThePortIs57110) {
  unsetenv("ZUBBASE_OSC_PORT");
  if (!udpPortFree(57110)) GTEST_SKIP() << "UDP port 57110 is in use on this machine";
  ASSERT_TRUE(loadZubBase()) << takeOutput();
  EXPECT_FALSE(udpPortFree(57110));
  ASSERT_TRUE(unloadZubBase()) << takeOutput();
  EXPECT_TRUE(udpPortFree(57110));
}

// The mayasim executable, with zubBase on its plug-in path and `port` as its
// OSC port, tries to load zubBase and goes on; returns what it printed.
std::string secondHost(int port) {
  const std::string plugin = ZUB_BASE_PLUGIN;
  const std::string command =
      "ZUBBASE_OSC_PORT=" + std::to_string(port) + " MAYA_PLUG_IN_PATH='" +
      plugin.substr(0, plugin.rfind('/')) + "' '" MAYASIM_EXE "'" +
      " -c 'int $failed = catch(`loadPlugin zubBase`); polyCube;"
      " print (\"failed=\" + $failed + \" registered=\" + exists(\"zubCmd_getOSC\"));"
      " print \" alive\\n\";' < /dev/null 2>&1";
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
      out.append(buffer, n);
    }
    const int status = pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) out += "[exit status not 0]";
  }
  return out;
}

TEST_F(ZubBaseSocket, SecondHostOnTheSamePortFailsToLoadWhileTheFirstKeepsWorking) {
  ASSERT_TRUE(loadZubBase()) << takeOutput();

  const std::string out = secondHost(port());
  EXPECT_NE(
      out.find("// Error: zubBase: unable to bind udp socket on port " + std::to_string(port())),
      std::string::npos)
      << out;
  EXPECT_NE(out.find("failed=1 registered=0 alive\n"), std::string::npos) << out;
  EXPECT_EQ(out.find("[exit status"), std::string::npos) << out;

  // This host is untouched: still bound, its commands still run.
  EXPECT_FALSE(udpPortFree(port()));
  EXPECT_TRUE(mel("zubCmd_changeHiderRadius -r 2; zubCmd_showHiderWindow;")) << takeOutput();
  EXPECT_EQ(eval("floatSlider -q -value radiusSlider").asFloat(), 2.0);

  // Once this host lets go of the port, the other one can load.
  ASSERT_TRUE(unloadZubBase()) << takeOutput();
  EXPECT_NE(secondHost(port()).find("failed=0 registered=1 alive\n"), std::string::npos);
}

}  // namespace
}  // namespace zubtest
