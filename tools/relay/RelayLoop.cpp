#include "RelayLoop.h"

#include <ip/IpEndpointName.h>
#include <ip/PacketListener.h>
#include <ip/TimerListener.h>
#include <ip/UdpSocket.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <stdexcept>
#include <string>

namespace zubrelay {

namespace {

// With nothing held back the loop still wakes this often, so a stop request
// that arrives just as a run starts is seen soon.
constexpr int kIdleWakeMs = 250;

volatile std::sig_atomic_t stopRequested = 0;
SocketReceiveMultiplexer* interruptible = nullptr;

extern "C" void stopOnSignal(int) {
  stopRequested = 1;
  // Writes one byte to the loop's wake-up pipe: safe in a signal handler.
  if (interruptible != nullptr) interruptible->AsynchronousBreak();
}

// oscpack's timers are fixed for one Run(), so the loop runs the multiplexer
// once per wait: until the held-back text falls due, or kIdleWakeMs when
// nothing is held back. An idle relay thus wakes four times a second, not at
// the send rate.
class Loop : public PacketListener, public TimerListener {
 public:
  Loop(SocketReceiveMultiplexer& mux, RouteInput& input, LatestValues& values,
       zubosc::Sender& sender, bool verbose, std::ostream& out, std::ostream& log)
      : mux_(mux),
        input_(input),
        values_(values),
        sender_(sender),
        verbose_(verbose),
        out_(out),
        log_(log) {}

  // One run of the multiplexer; false once a stop was requested.
  bool runOnce() {
    if (stopRequested) return false;
    const auto due = values_.dueIn(LatestValues::Clock::now());
    waitingForDue_ = due.has_value();
    int delayMs = kIdleWakeMs;
    if (due) {
      const auto ms = std::chrono::ceil<std::chrono::milliseconds>(*due).count();
      delayMs = static_cast<int>(std::max<long long>(1, std::min<long long>(ms, kIdleWakeMs)));
    }
    mux_.AttachPeriodicTimerListener(delayMs, delayMs, this);
    mux_.Run();
    mux_.DetachPeriodicTimerListener(this);
    return !stopRequested;
  }

  void ProcessPacket(const char* data, int size, const IpEndpointName&) override {
    input_.datagram(data, static_cast<std::size_t>(size));
    forwardDue();
    // A value is held back now: plan a wait for it.
    if (!waitingForDue_ && values_.dueIn(LatestValues::Clock::now())) mux_.Break();
  }

  void TimerExpired() override {
    forwardDue();
    mux_.Break();
  }

 private:
  void forwardDue() {
    const auto text = values_.take(LatestValues::Clock::now());
    if (!text) return;
    try {
      sender_.send(zubosc::textMessage("/zubbase", *text));
      if (failing_) log_ << "zubOscRelay: sending works again\n" << std::flush;
      failing_ = false;
    } catch (const std::runtime_error& e) {
      if (!failing_)
        log_ << "zubOscRelay: cannot send (is zubBase loaded?): " << e.what() << std::flush;
      failing_ = true;
      return;
    }
    if (verbose_) out_ << "/zubbase \"" << *text << "\"\n" << std::flush;
  }

  SocketReceiveMultiplexer& mux_;
  RouteInput& input_;
  LatestValues& values_;
  zubosc::Sender& sender_;
  bool verbose_;
  std::ostream& out_;
  std::ostream& log_;
  bool waitingForDue_ = false;
  bool failing_ = false;
};

// Installs the handlers for the loop's lifetime.
class SignalStop {
 public:
  explicit SignalStop(SocketReceiveMultiplexer& mux) {
    stopRequested = 0;
    interruptible = &mux;
    struct sigaction action {};
    action.sa_handler = stopOnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &oldInt_);
    sigaction(SIGTERM, &action, &oldTerm_);
  }
  ~SignalStop() {
    sigaction(SIGINT, &oldInt_, nullptr);
    sigaction(SIGTERM, &oldTerm_, nullptr);
    interruptible = nullptr;
  }
  SignalStop(const SignalStop&) = delete;
  SignalStop& operator=(const SignalStop&) = delete;

 private:
  struct sigaction oldInt_ {};
  struct sigaction oldTerm_ {};
};

}  // namespace

void runRelay(int listenPort, RouteInput& input, LatestValues& values, zubosc::Sender& sender,
              bool verbose, std::ostream& out, std::ostream& log) {
  UdpReceiveSocket socket(IpEndpointName(IpEndpointName::ANY_ADDRESS, listenPort));
  out << "zubOscRelay: listening on UDP port " << listenPort << "\n" << std::flush;
  SocketReceiveMultiplexer mux;
  Loop loop(mux, input, values, sender, verbose, out, log);
  mux.AttachSocketListener(&socket, &loop);
  {
    SignalStop signals(mux);
    while (loop.runOnce()) {
    }
  }
  mux.DetachSocketListener(&socket, &loop);
}

}  // namespace zubrelay
