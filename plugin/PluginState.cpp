#include "plugin/PluginState.h"

#include <ip/IpEndpointName.h>
#include <ip/UdpSocket.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "osc/ExamplePacketListener.h"
#include "plugin/LibraryErrorText.h"

namespace {

constexpr char kPortVariable[] = "ZUBBASE_OSC_PORT";

// The port from ZUBBASE_OSC_PORT, or the default when the variable is unset
// or empty. Anything but a plain decimal number from 1 to 65535 is refused:
// returns 0 and says why in `error`.
int oscPortFromEnvironment(std::string& error) {
  const char* text = std::getenv(kPortVariable);
  if (text == nullptr || *text == '\0') return kDefaultOscPort;
  long port = 0;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9' || port > 65535) {
      port = -1;
      break;
    }
    port = port * 10 + (*c - '0');
  }
  if (port < 1 || port > 65535) {
    error = std::string(kPortVariable) + " is \"" + text + "\", not a port number from 1 to 65535";
    return 0;
  }
  return static_cast<int>(port);
}

}  // namespace

PluginState pluginState;

// Runs while the library is being loaded, so nothing may escape it: a socket
// that cannot be had is recorded in `socketError`, and initializePlugin
// refuses to register anything.
PluginState::PluginState() : oscListener(std::make_unique<ExamplePacketListener>()) {
  oscPort = oscPortFromEnvironment(socketError);
  if (oscPort == 0) return;
  try {
    errno = 0;
    oscSocket = std::make_unique<UdpListeningReceiveSocket>(
        IpEndpointName(IpEndpointName::ANY_ADDRESS, oscPort), oscListener.get());
  } catch (const std::exception& e) {
    const int reason = errno;
    socketError = zub::libraryErrorText(e.what()) + " on port " + std::to_string(oscPort);
    if (reason != 0) socketError += std::string(": ") + std::strerror(reason);
  } catch (...) {
    socketError = "unable to open udp socket on port " + std::to_string(oscPort);
  }
}

PluginState::~PluginState() = default;
