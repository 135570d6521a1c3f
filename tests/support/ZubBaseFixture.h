// zubBase loaded into the in-process host. Each test gets a UDP port of its
// own through ZUBBASE_OSC_PORT, so cases may run in parallel, and starts from
// a fresh host with nothing loaded; what it loads is unloaded afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mel/Output.h"
#include "mel/Value.h"

namespace zubtest {

int freeUdpPort();           // nothing has bound it at the moment of asking
bool udpPortFree(int port);  // this process could bind it on every address now

// The eight commands of zubBase, in registration order.
const std::vector<std::string>& zubBaseCommands();

class ZubBaseHost : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  bool loadPlugin(const std::string& path);
  bool loadZubBase() { return loadPlugin(ZUB_BASE_PLUGIN); }
  bool unloadZubBase() { return mel("unloadPlugin zubBase;"); }

  // Runs MEL as a script would (undo on); false after a MEL error.
  bool mel(const std::string& text);
  // The value of MEL text; a MEL error fails the test.
  mel::Value eval(const std::string& text);
  std::string evalText(const std::string& text) { return eval(text).asString(); }
  bool commandExists(const std::string& name);
  std::string takeOutput();  // what the host printed since the last call

  int port() const { return port_; }

 private:
  mel::CaptureOutput output_;
  int port_ = 0;
};

}  // namespace zubtest
