#include "RelayLoop.h"

#include <ip/IpEndpointName.h>
#include <ip/PacketListener.h>
#include <ip/TimerListener.h>
#include <ip/UdpSocket.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <stdexcept>
#include <string>

namespace zubrelay {

namespace {

SocketReceiveMultiplexer* interruptible = nullptr;

extern "C" void breakOnSignal(int) {
  // Writes one byte to the loop's wake-up pipe: safe in a signal handler.
  if (interruptible != nullptr) interruptible->AsynchronousBreak();
}

class Loop : public PacketListener, public TimerListener {
 public:
  Loop(RouteInput& input, LatestValues& values, zubosc::Sender& sender, bool verbose, std::ostream& out,
       std::ostream& log)
      : input_(input), values_(values), sender_(sender), verbose_(verbose), out_(out), log_(log) {}

  void ProcessPacket(const char* data, int size, const IpEndpointName&) override {
    input_.datagram(data, static_cast<std::size_t>(size));
    forwardDue();
  }

  void TimerExpired() override { forwardDue(); }

 private:
  void forwardDue() {
    const auto text = values_.take(LatestValues::Clock::now());
    if (!text) return;
    try {
      sender_.send(zubosc::textMessage("/zubbase", *text));
      if (failing_) log_ << "zubOscRelay: sending works again\n" << std::flush;
      failing_ = false;
    } catch (const std::runtime_error& e) {
      if (!failing_) log_ << "zubOscRelay: cannot send (is zubBase loaded?): " << e.what() << std::flush;
      failing_ = true;
      return;
    }
    if (verbose_) out_ << "/zubbase \"" << *text << "\"\n" << std::flush;
  }

  RouteInput& input_;
  LatestValues& values_;
  zubosc::Sender& sender_;
  bool verbose_;
  std::ostream& out_;
  std::ostream& log_;
  bool failing_ = false;
};

// Installs the handlers for the loop's lifetime.
class SignalBreak {
 public:
  explicit SignalBreak(SocketReceiveMultiplexer& mux) {
    interruptible = &mux;
    struct sigaction action {};
    action.sa_handler = breakOnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &oldInt_);
    sigaction(SIGTERM, &action, &oldTerm_);
  }
  ~SignalBreak() {
    sigaction(SIGINT, &oldInt_, nullptr);
    sigaction(SIGTERM, &oldTerm_, nullptr);
    interruptible = nullptr;
  }
  SignalBreak(const SignalBreak&) = delete;
  SignalBreak& operator=(const SignalBreak&) = delete;

 private:
  struct sigaction oldInt_ {};
  struct sigaction oldTerm_ {};
};

}  // namespace

void runRelay(int listenPort, double rateHz, RouteInput& input, LatestValues& values, zubosc::Sender& sender,
              bool verbose, std::ostream& out, std::ostream& log) {
  UdpReceiveSocket socket(IpEndpointName(IpEndpointName::ANY_ADDRESS, listenPort));
  out << "zubOscRelay: listening on UDP port " << listenPort << "\n" << std::flush;
  Loop loop(input, values, sender, verbose, out, log);
  SocketReceiveMultiplexer mux;
  mux.AttachSocketListener(&socket, &loop);
  // Twice a send interval: a held-back value waits at most half an interval
  // longer than the rate demands.
  const int periodMs = std::max(1, static_cast<int>(std::lround(500.0 / rateHz)));
  mux.AttachPeriodicTimerListener(periodMs, &loop);
  {
    SignalBreak signals(mux);
    mux.Run();
  }
  mux.DetachPeriodicTimerListener(&loop);
  mux.DetachSocketListener(&socket, &loop);
}

}  // namespace zubrelay
