// zubOscRelay's own cost: CPU per incoming message while it forwards at its
// default 60 texts a second, next to a bare oscpack receiver fed the same
// datagrams in the same run, and its CPU when nothing arrives. The relay is
// the real executable; its CPU comes from wait4 after it stops on SIGINT.
// Prints medians of several runs; asserts nothing.
//
//   relay_bench [--runs N] [--messages N] [--pace N] [--idle-seconds S]
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ip/UdpSocket.h>
#include <osc/OscPacketListener.h>
#include <osc/OscReceivedElements.h>
#include <CLI/CLI.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "OscPackets.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRelayPort = 57231;
constexpr int kSinkPort = 57232;
constexpr int kBarePort = 57233;
constexpr int kChunk = 50;  // datagrams sent back to back between pauses

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

// Counts the datagrams that reach the sink port while it runs.
class Sink {
 public:
  Sink() : fd_(socket(AF_INET, SOCK_DGRAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(kSinkPort);
    if (bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
      std::fprintf(stderr, "relay_bench: port %d is taken\n", kSinkPort);
      std::exit(1);
    }
    thread_ = std::thread([this] {
      char buffer[2048];
      while (!stop_) {
        pollfd ready{fd_, POLLIN, 0};
        if (poll(&ready, 1, 20) > 0 && recv(fd_, buffer, sizeof buffer, 0) > 0) ++count_;
      }
    });
  }
  ~Sink() {
    stop_ = true;
    thread_.join();
    close(fd_);
  }
  long count() const { return count_; }

 private:
  int fd_;
  std::atomic<bool> stop_{false};
  std::atomic<long> count_{0};
  std::thread thread_;
};

// The relay executable, forwarding to the sink.
class Relay {
 public:
  Relay() {
    std::vector<std::string> words = {ZUB_RELAY_EXE,
                                      "--listen",
                                      std::to_string(kRelayPort),
                                      "--to",
                                      "127.0.0.1:" + std::to_string(kSinkPort),
                                      "--route",
                                      "/1/fader1 0 -> 0",
                                      "--route",
                                      "/accxyz 1 -> 1"};
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (posix_spawn(&pid_, ZUB_RELAY_EXE, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // until it listens
  }
  // Stops it; its CPU seconds over its whole life.
  double stop() {
    kill(pid_, SIGINT);
    int status = 0;
    rusage usage{};
    wait4(pid_, &status, 0, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
  }

 private:
  pid_t pid_ = -1;
};

// Sends `count` fader messages to `port` at about `pace` a second, each a new value.
void sendFaders(int port, long count, long pace) {
  zubosc::Sender sender("127.0.0.1", port);
  std::vector<std::string> datagrams;
  for (int i = 0; i < 1000; ++i)
    datagrams.push_back(zubosc::message("/1/fader1", "f", {std::to_string(i / 1000.0)}));
  const auto pause =
      std::chrono::duration<double>(static_cast<double>(kChunk) / static_cast<double>(pace));
  auto next = Clock::now();
  for (long i = 0; i < count; ++i) {
    sender.send(datagrams[static_cast<std::size_t>(i % 1000)]);
    if (i % kChunk == kChunk - 1) {
      next += std::chrono::duration_cast<Clock::duration>(pause);
      std::this_thread::sleep_until(next);
    }
  }
}

// The bare receiver: oscpack's loop, each message parsed and its argument read.
class BareListener : public osc::OscPacketListener {
 public:
  std::atomic<long> messages{0};

 protected:
  void ProcessMessage(const osc::ReceivedMessage& m, const IpEndpointName&) override {
    if (m.ArgumentCount() > 0) value_ += m.ArgumentsBegin()->AsFloat();
    ++messages;
  }

 private:
  float value_ = 0;
};

// Datagrams the kernel dropped on the relay's full socket, from /proc/net/udp.
long relayDrops() {
  char wanted[16];
  std::snprintf(wanted, sizeof wanted, ":%04X ", kRelayPort);
  std::FILE* file = std::fopen("/proc/net/udp", "r");
  if (file == nullptr) return 0;
  char line[512];
  long drops = 0;
  while (std::fgets(line, sizeof line, file) != nullptr) {
    const std::string text = line;
    const std::size_t local = text.find(':', text.find(':') + 1);  // after "sl:"
    if (local == std::string::npos || text.compare(local, 6, wanted) != 0) continue;
    const std::size_t last = text.find_last_not_of(" \n");
    drops = std::atol(text.substr(text.find_last_of(' ', last) + 1).c_str());
  }
  std::fclose(file);
  return drops;
}

double threadCpuSeconds(std::thread& thread) {
  clockid_t id;
  pthread_getcpuclockid(thread.native_handle(), &id);
  timespec t{};
  clock_gettime(id, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct BareRun {
  double cpu;
  long received;
};

BareRun bareRun(long count, long pace) {
  BareListener listener;
  UdpListeningReceiveSocket socket(IpEndpointName("127.0.0.1", kBarePort), &listener);
  std::thread receiver([&] { socket.Run(); });
  const double before = threadCpuSeconds(receiver);
  sendFaders(kBarePort, count, pace);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  const double cpu = threadCpuSeconds(receiver) - before;
  socket.AsynchronousBreak();
  receiver.join();
  return BareRun{cpu, listener.messages};
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"zubOscRelay's CPU per message and at idle."};
  int runs = 5;
  long messages = 100000;
  long pace = 40000;
  double idleSeconds = 2.0;
  app.add_option("--runs", runs, "runs per figure; medians are printed")
      ->capture_default_str()
      ->check(CLI::PositiveNumber);
  app.add_option("--messages", messages, "fader messages per run")
      ->capture_default_str()
      ->check(CLI::PositiveNumber);
  app.add_option("--pace", pace, "messages sent per second")
      ->capture_default_str()
      ->check(CLI::PositiveNumber);
  app.add_option("--idle-seconds", idleSeconds, "length of each idle run")->capture_default_str();
  CLI11_PARSE(app, argc, argv);

  Sink sink;
  std::vector<double> relayRates, bareRates, forwardRates, idleShares, bareLosses, relayLosses;
  for (int r = 0; r < runs; ++r) {
    const BareRun bare = bareRun(messages, pace);
    bareRates.push_back(static_cast<double>(bare.received) / bare.cpu);
    bareLosses.push_back(static_cast<double>(messages - bare.received));

    // Start-up costs the same in every relay run; a run that only starts
    // and stops measures it.
    const double startup = Relay().stop();

    Relay relay;
    const long forwardedBefore = sink.count();
    const Clock::time_point start = Clock::now();
    sendFaders(kRelayPort, messages, pace);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const long forwarded = sink.count() - forwardedBefore;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const long lost = relayDrops();
    const double cpu = relay.stop() - startup;
    relayRates.push_back(static_cast<double>(messages - lost) / cpu);
    relayLosses.push_back(static_cast<double>(lost));
    forwardRates.push_back(static_cast<double>(forwarded) / wall);

    Relay idle;
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    idleShares.push_back(100.0 * (idle.stop() - startup) / idleSeconds);
  }
  const double relayRate = median(relayRates);
  const double bareRate = median(bareRates);
  std::printf("zubOscRelay, %d runs of %ld fader messages sent at %ld/s (medians):\n", runs,
              messages, pace);
  std::printf("  relay: %.0f messages per CPU second (%.0f of %ld lost), forwarding %.1f texts/s\n",
              relayRate, median(relayLosses), messages, median(forwardRates));
  std::printf("  bare oscpack receiver: %.0f messages per CPU second (%.0f of %ld lost)\n",
              bareRate, median(bareLosses), messages);
  std::printf("  relay / bare: %.2f\n", relayRate / bareRate);
  std::printf("  relay idle: %.3f%% of one core over %.1f s\n", median(idleShares), idleSeconds);
  return 0;
}
