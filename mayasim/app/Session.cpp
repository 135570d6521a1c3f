#include "Session.h"

#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>
#include <utility>

#include "Interrupt.h"
#include "LineReader.h"
#include "StatementBuffer.h"
#include "host/Host.h"
#include "loader/PluginCommands.h"

namespace mayasim::app {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kIdleNap = std::chrono::milliseconds(10);  // nothing registered: check again
constexpr int kStdinPollWithIdleMs = 1;
constexpr int kStdinPollMs = 250;  // only to notice quit; a signal wakes it anyway
// How often the idle loop makes sure the SIGINT handler is still ours: a
// system call per idle event would cost more than the event itself.
constexpr auto kHandlerCheckInterval = std::chrono::milliseconds(500);

bool readFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return true;
}

}  // namespace

Session::Session(Host& host, Options options) : host_(host), options_(std::move(options)) {
  registerQuitCommand(host_.mel(), quit_);
}

int Session::run() {
  installInterruptHandler();
  if (!options_.traceFile.empty()) host_.setTraceFile(options_.traceFile);

  for (const Step& step : options_.steps) {
    if (shouldStop()) break;
    if (!runStep(step)) {
      failed_ = true;
      break;
    }
  }
  if (!failed_ && options_.idleSeconds && !shouldStop()) runIdle(*options_.idleSeconds);
  if (!failed_ && options_.interactive && !shouldStop()) runInteractive();

  unloadAllPlugins(host_);
  return exitStatus();
}

bool Session::runStep(const Step& step) {
  if (step.kind == Step::Kind::Command) return host_.mel().run(step.text).ok;
  std::string source;
  if (!readFile(step.text, source)) {
    host_.output().error("Cannot read script file: " + step.text);
    return false;
  }
  return host_.mel().run(source, step.text).ok;
}

void Session::runIdle(double seconds) {
  const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                           std::chrono::duration<double>(seconds));
  while (!shouldStop() && Clock::now() < deadline) {
    if (hasIdleCallbacks()) {
      fireIdle();
    } else {
      std::this_thread::sleep_for(std::min<Clock::duration>(kIdleNap, deadline - Clock::now()));
    }
  }
}

void Session::runInteractive() {
  const bool prompts = !options_.quiet && isatty(STDIN_FILENO) != 0;
  host_.setEchoResults(!options_.quiet);
  LineReader input(STDIN_FILENO);
  StatementBuffer statement;
  bool prompted = false;

  while (!shouldStop()) {
    if (prompts && !prompted) {
      std::cout << (statement.empty() ? "mel> " : "...> ") << std::flush;
      prompted = true;
    }
    if (std::optional<std::string> line = input.takeLine()) {
      prompted = false;
      statement.addLine(*line);
      if (statement.complete()) {
        const bool blank = statement.empty();
        const std::string text = statement.take();
        if (!blank && !host_.mel().run(text).ok) failed_ = true;
      }
      continue;
    }
    if (input.finished()) {
      if (!statement.empty() && !host_.mel().run(statement.take()).ok) failed_ = true;
      break;
    }
    const bool idle = hasIdleCallbacks();
    input.wait(idle ? kStdinPollWithIdleMs : kStdinPollMs);
    if (idle && !input.hasLine()) fireIdle();
  }
  if (prompts) std::cout << '\n' << std::flush;
  host_.setEchoResults(false);
}

void Session::fireIdle() {
  host_.fireEvent("idle");
  const Clock::time_point now = Clock::now();
  if (now - handlerCheckedAt_ >= kHandlerCheckInterval) {
    handlerCheckedAt_ = now;
    installInterruptHandler();  // plug-in code may have put the default back
  }
}

bool Session::hasIdleCallbacks() const { return host_.callbackCount("idle") > 0; }

bool Session::shouldStop() const { return quit_.requested || interruptRequested(); }

int Session::exitStatus() const {
  if (interruptRequested()) return kInterruptedStatus;
  if (failed_) return 1;
  if (quit_.exitCode) return *quit_.exitCode;
  return 0;
}

}  // namespace mayasim::app
