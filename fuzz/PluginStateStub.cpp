// zubBase's state without its socket, and receive turns that are never
// running: what the listener needs when datagrams are handed to it directly.
#include <ip/UdpSocket.h>

#include <memory>

#include "osc/ExamplePacketListener.h"
#include "osc/ReceiveTurn.h"
#include "plugin/PluginState.h"

PluginState pluginState;

PluginState::PluginState() : oscListener(std::make_unique<ExamplePacketListener>()) {}
PluginState::~PluginState() = default;

namespace zub {
bool runReceiveTurn() { return false; }
void endReceiveTurn() {}
}  // namespace zub
