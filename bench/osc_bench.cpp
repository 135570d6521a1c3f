// OSC bridge figures: messages per second end to end against a bare oscpack
// receiver, the latency from send to the mapped attribute, and the host's CPU
// while OSC is on and nothing arrives. Prints figures; asserts nothing.
//
//   osc_bench [--batches N] [--latency-samples N] [--idle-seconds S]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <ip/UdpSocket.h>
#include <osc/OscPacketListener.h>
#include <osc/OscReceivedElements.h>
#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "OscPackets.h"
#include "host/Host.h"
#include "mel/Output.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kPluginPort = 57219;
constexpr int kBarePort = 57218;
constexpr int kBatch = 100;  // datagrams queued at once, well inside the socket buffer
constexpr int kRounds = 3;   // throughput rounds, each end to end then bare

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double threadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

class NullOutput : public mel::Output {
 public:
  void write(std::string_view) override {}
};

bool run(const std::string& mel) { return mayasim::host().execute(mel, false, false); }

// Three values that no earlier message had, as a fader or a sensor sends them:
// the host may not lean on texts it has seen before.
long nextMessage = 0;
std::array<std::string, 3> freshValues() {
  const long n = nextMessage++;
  std::array<std::string, 3> values;
  char text[32];
  for (int t = 0; t < 3; ++t) {
    std::snprintf(text, sizeof text, "%.4f", static_cast<double>(n) * 0.0001 * (t + 1) + t);
    values[static_cast<std::size_t>(t)] = text;
  }
  return values;
}

std::vector<std::string> freshMessages(int count) {
  std::vector<std::string> datagrams;
  for (int i = 0; i < count; ++i) {
    const std::array<std::string, 3> v = freshValues();
    datagrams.push_back(zubosc::textMessage("/zubbase", v[0] + " " + v[1] + " " + v[2]));
  }
  return datagrams;
}

// Sends a batch, then times `handleOne` once per datagram. Returns messages per second.
template <typename HandleOne>
double messagesPerSecond(int port, int batches, HandleOne handleOne) {
  zubosc::Sender sender("127.0.0.1", port);
  double seconds = 0;
  for (int b = 0; b < batches; ++b) {
    for (const std::string& d : freshMessages(kBatch)) sender.send(d);
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kBatch; ++i) handleOne();
    seconds += secondsSince(start);
  }
  return batches * kBatch / seconds;
}

// The bare receiver: one plain oscpack turn per datagram, parsing the message only.
class BareListener : public osc::OscPacketListener {
 public:
  SocketReceiveMultiplexer* mux = nullptr;
  long handled = 0;

 protected:
  void ProcessMessage(const osc::ReceivedMessage& m, const IpEndpointName&) override {
    const char* text = nullptr;
    m.ArgumentStream() >> text >> osc::EndMessage;
    handled += text != nullptr;
    mux->Break();
  }
};

double bareMessagesPerSecond(int batches) {
  BareListener listener;
  UdpReceiveSocket socket(IpEndpointName(IpEndpointName::ANY_ADDRESS, kBarePort));
  SocketReceiveMultiplexer mux;
  listener.mux = &mux;
  mux.AttachSocketListener(&socket, &listener);
  const double rate = messagesPerSecond(kBarePort, batches, [&] { mux.Run(); });
  mux.DetachSocketListener(&socket, &listener);
  if (listener.handled != static_cast<long>(batches) * kBatch)
    std::printf("  (bare receiver lost datagrams)\n");
  return rate;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const std::size_t at = std::min(values.size() - 1, static_cast<std::size_t>(p * values.size()));
  return values[at];
}

// Runs the mayasim executable for `seconds` of idle time and returns its CPU seconds.
double executableCpuSeconds(const std::string& commands, double seconds) {
  std::vector<std::string> words = {MAYASIM_EXE, "--quiet", "-c",
                                    commands,    "--idle",  std::to_string(seconds)};
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, MAYASIM_EXE, &quiet, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (failed != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return -1;
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"zubBase OSC benchmarks"};
  int batches = 50;
  int latencySamples = 1000;
  double idleSeconds = 2.0;
  app.add_option("--batches", batches, "batches of 100 messages for the throughput figures")
      ->capture_default_str();
  app.add_option("--latency-samples", latencySamples, "messages for the latency figure")
      ->capture_default_str();
  app.add_option("--idle-seconds", idleSeconds, "length of the idle CPU measurements")
      ->capture_default_str();
  CLI11_PARSE(app, argc, argv);

  setenv("ZUBBASE_OSC_PORT", std::to_string(kPluginPort).c_str(), 1);
  mayasim::Host& host = mayasim::host();
  NullOutput quiet;
  host.setOutputSink(&quiet);
  const std::string loadNodes = "loadPlugin \"" ZUB_NODES_PLUGIN "\";";
  const std::string loadBase = "loadPlugin \"" ZUB_BASE_PLUGIN "\";";
  const std::string setup = "source \"" ZUB_SCRIPTS_DIR
                            "/zubOscPanel.mel\"; zubOscPanel; polyCube;"
                            "zubCmd_changeOSCValues -separator \" \";"
                            "zubCmd_changeOSCValues -index 0 -name pCube1.translateX -factor 1;"
                            "zubCmd_changeOSCValues -index 1 -name pCube1.translateY -factor 1;"
                            "zubCmd_changeOSCValues -index 2 -name pCube1.translateZ -factor 1;"
                            "zubCmd_toggleOSC;";
  if (!run(loadNodes) || !run(loadBase) || !run(setup)) {
    host.setOutputSink(nullptr);
    std::fprintf(stderr, "osc_bench: setting up the host failed\n");
    return 1;
  }

  std::printf("OSC bridge benchmarks (%d x %d messages, 3 mapped tokens each, median of %d)\n",
              batches, kBatch, kRounds);

  // 1. Throughput, idle-driven, against the bare receiver, in alternating rounds.
  // The trace stays off while timing, as in a host nobody asked to record.
  host.setTraceRecording(false);
  std::vector<double> endToEndRates, bareRates, ratios;
  for (int round = 0; round < kRounds; ++round) {
    endToEndRates.push_back(
        messagesPerSecond(kPluginPort, batches, [&] { host.fireEvent("idle"); }));
    bareRates.push_back(bareMessagesPerSecond(batches));
    ratios.push_back(endToEndRates.back() / bareRates.back());
  }
  const double endToEnd = median(endToEndRates);
  const double bare = median(bareRates);
  // What one message runs, counted on one more batch with the trace on.
  host.setTraceRecording(true);
  host.clearTrace();
  messagesPerSecond(kPluginPort, 1, [&] { host.fireEvent("idle"); });
  const std::size_t executed = host.trace().size();
  host.clearTrace();
  host.setTraceRecording(false);
  std::printf("  end to end  : %10.0f msg/s  (%.2f us/msg, %.1f MEL texts/msg)\n", endToEnd,
              1e6 / endToEnd, static_cast<double>(executed) / kBatch);
  std::printf("  bare oscpack: %10.0f msg/s  (%.2f us/msg)\n", bare, 1e6 / bare);
  std::printf("  ratio       : %10.3f  (target >= 0.25; rounds %.3f to %.3f)\n", median(ratios),
              *std::min_element(ratios.begin(), ratios.end()),
              *std::max_element(ratios.begin(), ratios.end()));

  // Where the time goes: the nine MEL texts of a message run directly, without OSC.
  {
    const int rounds = batches * kBatch;
    std::vector<std::string> texts;
    for (int i = 0; i < rounds; ++i) {
      const std::array<std::string, 3> v = freshValues();
      texts.push_back("textField -text \"/zubbase\" -edit tfOscChannel;");
      texts.push_back("textField -text \"" + v[0] + " " + v[1] + " " + v[2] +
                      "\" -edit tfOscMessage;");
      for (int t = 0; t < 3; ++t) {
        const std::string& value = v[static_cast<std::size_t>(t)];
        texts.push_back("textField -text \"" + value + "\" -edit $tfOscTokens[" +
                        std::to_string(t) + "];");
        texts.push_back("setAttr pCube1.translate" + std::string(1, static_cast<char>('X' + t)) +
                        " " + value + ";");
      }
      texts.push_back("textField -text \"3\" -edit tfOscTokensNumber;");
    }
    Clock::time_point start = Clock::now();
    for (const std::string& text : texts) run(text);
    const double melUs = secondsSince(start) * 1e6 / rounds;
    host.clearTrace();
    std::printf("  the 9 MEL texts alone: %.2f us/msg (%.0f%% of the end-to-end cost)\n", melUs,
                100.0 * melUs / (1e6 / endToEnd));
  }

  // 2. Latency while idle: the host loops on idle events; a sender thread sends
  // one message at a time and waits until it has been handled.
  {
    host.setTraceRecording(true);  // a turn's trace shows when it set the attribute
    std::atomic<long> sent{-1};
    std::atomic<long> handled{-1};
    std::vector<Clock::time_point> sentAt(static_cast<std::size_t>(latencySamples));
    std::vector<double> latencyUs;
    std::thread sender([&] {
      zubosc::Sender udp("127.0.0.1", kPluginPort);
      for (long i = 0; i < latencySamples; ++i) {
        std::this_thread::sleep_for(std::chrono::microseconds(300 + 700 * (i % 3)));
        const std::string d = zubosc::textMessage("/zubbase", std::to_string(i) + " 1 2");
        sentAt[static_cast<std::size_t>(i)] = Clock::now();
        sent = i;
        udp.send(d);
        while (handled.load() < i) std::this_thread::yield();
      }
    });
    while (handled.load() < latencySamples - 1) {
      host.clearTrace();
      host.fireEvent("idle");
      const Clock::time_point now = Clock::now();
      for (const mayasim::TraceEntry& e : host.trace()) {
        if (e.text.rfind("setAttr pCube1.translateX", 0) == 0) {
          const long i = sent.load();
          latencyUs.push_back(
              std::chrono::duration<double, std::micro>(now - sentAt[static_cast<std::size_t>(i)])
                  .count());
          handled = i;
          break;
        }
      }
    }
    sender.join();
    std::printf("  latency send -> end of the turn that set the attribute (%zu samples):\n",
                latencyUs.size());
    std::printf("                p50 %.1f us, p99 %.1f us, max %.1f us  (target p99 <= 200 us)\n",
                percentile(latencyUs, 0.50), percentile(latencyUs, 0.99),
                percentile(latencyUs, 1.0));
  }

  // 3. CPU while OSC is on and nothing arrives, with idle events fired back to back.
  {
    const Clock::time_point start = Clock::now();
    const double cpuStart = threadCpuSeconds();
    long turns = 0;
    while (secondsSince(start) < idleSeconds) {
      host.fireEvent("idle");
      ++turns;
    }
    const double cpu = threadCpuSeconds() - cpuStart;
    std::printf(
        "  idle, in process: %.2f%% of one core (%ld empty turns in %.1f s, each one wake-up of "
        "the thread)\n",
        100.0 * cpu / secondsSince(start), turns, secondsSince(start));
  }
  host.setOutputSink(nullptr);
  run("zubCmd_toggleOSC;");

#ifdef MAYASIM_EXE
  {
    const std::string base = std::string("loadPlugin \"" ZUB_NODES_PLUGIN "\"; ") +
                             "loadPlugin \"" ZUB_BASE_PLUGIN "\";";
    setenv("ZUBBASE_OSC_PORT", std::to_string(kPluginPort + 1).c_str(), 1);
    // Start-up and loading cost the same in a short and a long run, so the
    // difference between the two is what the idle time itself costs.
    auto idleCpu = [&](const std::string& commands) {
      std::vector<double> runs;
      for (int i = 0; i < 3; ++i)
        runs.push_back(executableCpuSeconds(commands, 1.0 + idleSeconds) -
                       executableCpuSeconds(commands, 1.0));
      std::sort(runs.begin(), runs.end());
      return runs[1];
    };
    const double off = idleCpu(base);
    const double on = idleCpu(base + " zubCmd_toggleOSC;");
    std::printf(
        "  idle, mayasim executable, %.1f s past start-up (median of 3): "
        "OSC off %.1f ms CPU, OSC on %.1f ms CPU -> %.2f%% of one core above off\n",
        idleSeconds, 1000 * off, 1000 * on, 100.0 * (on - off) / idleSeconds);
  }
#endif
  return 0;
}
