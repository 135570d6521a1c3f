// The plug-in's OSC packet listener. The socket hands every received datagram
// to ProcessPacket, always on the host's main thread, inside a receive turn
// run by zubCmd_getOSC. A datagram that fails zub::checkOscPacket is reported
// as "ERRORE: " plus the reason, dropped, and ends the turn; oscpack never
// sees it. Otherwise oscpack calls ProcessMessage for each of its messages
// (bundles are unpacked by the library).
#pragma once

#include <osc/OscPacketListener.h>

class ExamplePacketListener : public osc::OscPacketListener {
 public:
  ~ExamplePacketListener() override;
  void ProcessPacket(const char* data, int size, const IpEndpointName& remoteEndpoint) override;

 protected:
  void ProcessMessage(const osc::ReceivedMessage& m, const IpEndpointName& remoteEndpoint) override;
};
