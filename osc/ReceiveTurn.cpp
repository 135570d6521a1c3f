#include "osc/ReceiveTurn.h"

#include <maya/MGlobal.h>
#include <maya/MString.h>

#include <ip/TimerListener.h>
#include <ip/UdpSocket.h>

#include <algorithm>
#include <exception>
#include <string>

#include "osc/ExamplePacketListener.h"
#include "plugin/LibraryErrorText.h"
#include "plugin/PluginState.h"

namespace zub {

namespace {

// The socket's own multiplexer is private to it, and its only bounded run is
// RunUntilSigInt, which resets the host's SIGINT handler. So the socket is
// also attached to a multiplexer of ours, together with a timer that ends a
// turn that has waited long enough. oscpack schedules a timer's first expiry
// one period after Run() starts, so a turn lasts at most about one period
// plus the handling of the datagram that ended it.
class ReceiveLoop : private TimerListener {
 public:
  ReceiveLoop(UdpSocket& socket, PacketListener& listener) : socket_(socket), listener_(listener) {
    mux_.AttachSocketListener(&socket_, &listener_);
    mux_.AttachPeriodicTimerListener(periodMs_, this);
  }
  ~ReceiveLoop() override {
    mux_.DetachPeriodicTimerListener(this);
    mux_.DetachSocketListener(&socket_, &listener_);
  }
  ReceiveLoop(const ReceiveLoop&) = delete;
  ReceiveLoop& operator=(const ReceiveLoop&) = delete;

  void run() {
    handled_ = false;
    mux_.Run();
    emptyTurns_ = handled_ ? 0 : std::min(emptyTurns_ + 1, kQuietTurns);
    setPeriod(emptyTurns_ >= kQuietTurns ? kQuietReceiveTurnTimeoutMs : kReceiveTurnTimeoutMs);
  }
  void stop() {
    handled_ = true;
    mux_.Break();
  }

 private:
  void TimerExpired() override { mux_.Break(); }

  void setPeriod(int ms) {
    if (ms == periodMs_) return;
    mux_.DetachPeriodicTimerListener(this);
    periodMs_ = ms;
    mux_.AttachPeriodicTimerListener(periodMs_, this);
  }

  int periodMs_ = kReceiveTurnTimeoutMs;
  int emptyTurns_ = 0;  // turns in a row that handled no message
  bool handled_ = false;

  UdpSocket& socket_;
  PacketListener& listener_;
  SocketReceiveMultiplexer mux_;
};

// Built at the first turn, after the socket; a function-local static is
// destroyed before the plug-in state that owns the socket.
ReceiveLoop* receiveLoop() {
  if (!pluginState.oscSocket) return nullptr;
  static ReceiveLoop loop(*pluginState.oscSocket, *pluginState.oscListener);
  return &loop;
}

ReceiveLoop* runningLoop = nullptr;

}  // namespace

bool runReceiveTurn() {
  if (runningLoop != nullptr) {
    MGlobal::displayError("zubCmd_getOSC: a receive turn is already running");
    return false;
  }
  ReceiveLoop* loop = receiveLoop();
  if (loop == nullptr) {
    MGlobal::displayError("zubCmd_getOSC: the OSC socket is not open");
    return false;
  }
  runningLoop = loop;
  try {
    loop->run();
  } catch (const std::exception& e) {
    // osc::Exception is a std::exception; so are oscpack's socket errors.
    MGlobal::displayError(MString("ERRORE: ") + zub::libraryErrorText(e.what()).c_str());
  } catch (...) {
    MGlobal::displayError("ERRORE: unknown error while receiving OSC");
  }
  runningLoop = nullptr;
  return true;
}

void endReceiveTurn() {
  if (runningLoop != nullptr) runningLoop->stop();
}

}  // namespace zub
