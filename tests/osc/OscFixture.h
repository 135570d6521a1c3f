// A host with zubNodes and zubBase loaded in this process, the OSC panel open
// and a cube in the scene; datagrams go to the plug-in's port on 127.0.0.1.
// zubBase is loaded afresh for every test, so each starts from the plug-in's
// load-time state with an empty socket queue.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mel/Output.h"

namespace osctest {

class OscFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Runs MEL as a script would (undo on); false after a MEL error.
  bool mel(const std::string& text);
  // The value of a MEL expression or command, as text.
  std::string melText(const std::string& text);
  double melNumber(const std::string& text);
  std::string field(const std::string& control);

  // Runs zubCmd_getOSC once; returns the MEL texts it executed, in order.
  std::vector<std::string> turn();

  // Datagrams to the plug-in: our sender, raw bytes, or Debian's oscsend.
  void sendText(const std::string& address, const std::string& text);
  void sendRaw(const std::string& datagram);
  void oscsend(const std::vector<std::string>& addressTypesValues);

  // What the host printed since the last call.
  std::string takeOutput();

  static int port();

 private:
  mel::CaptureOutput output_;
};

// The MEL texts of the channel, message, token, mapping and count commands.
std::string channelCmd(const std::string& address);
std::string messageCmd(const std::string& text);
std::string tokenCmd(int index, const std::string& token);
std::string mappingCmd(const std::string& attribute, const std::string& value);
std::string countCmd(int count);

}  // namespace osctest
