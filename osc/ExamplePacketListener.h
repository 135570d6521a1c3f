// The plug-in's OSC packet listener. oscpack calls ProcessMessage for every
// message of a received datagram (bundles are unpacked by the library), always
// on the host's main thread, inside a receive turn run by zubCmd_getOSC.
#pragma once

#include <osc/OscPacketListener.h>

class ExamplePacketListener : public osc::OscPacketListener {
 public:
  ~ExamplePacketListener() override;

 protected:
  void ProcessMessage(const osc::ReceivedMessage& m, const IpEndpointName& remoteEndpoint) override;
};
