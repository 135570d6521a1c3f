// One datagram per input, handed to zubBase's listener as the socket would:
// the structural check, oscpack, and the MEL the message handling runs in
// mayasim's host (OSC panel open, tokens mapped to a cube).
#include <ip/IpEndpointName.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/Host.h"
#include "mel/Output.h"
#include "osc/ExamplePacketListener.h"
#include "plugin/PluginState.h"

namespace {

class NullOutput : public mel::Output {
 public:
  void write(std::string_view) override {}
};

void setUpHost() {
  static NullOutput quiet;
  mayasim::Host& host = mayasim::host();
  host.setOutputSink(&quiet);
  host.execute("source \"" ZUB_SCRIPTS_DIR "/zubOscPanel.mel\"; zubOscPanel; polyCube;", false,
               false);
  pluginState.tokenSeparator = " ";
  const char* attributes[] = {"pCube1.translateX", "pCube1.translateY", "pCube1.rotateZ"};
  for (int i = 0; i < 3; ++i) {
    pluginState.tokenAttributes[i] = attributes[i];
    pluginState.tokenFactors[i] = 0.5 * (i + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = (setUpHost(), true);
  (void)ready;
  // A UDP payload is at most 65507 bytes; oscpack's socket reads at most 4098.
  if (size > 65507) return -1;
  const std::string datagram(reinterpret_cast<const char*>(data), size);
  pluginState.oscListener->ProcessPacket(datagram.data(), static_cast<int>(datagram.size()),
                                         IpEndpointName());
  return 0;
}
