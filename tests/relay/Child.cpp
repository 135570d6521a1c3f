#include "Child.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace relaytest {

namespace {

// environ with `extra` entries replacing or adding variables.
std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    bool replaced = false;
    for (const std::string& e : extra) replaced = replaced || e.substr(0, e.find('=')) == name;
    if (!replaced) result.push_back(text);
  }
  result.insert(result.end(), extra.begin(), extra.end());
  return result;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& t : texts) pointers.push_back(t.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

Child::Child(const std::vector<std::string>& argv, const Options& options) {
  int in[2] = {-1, -1};
  int out[2] = {-1, -1};
  if (options.pipeInput && pipe2(in, O_CLOEXEC) != 0) return;
  if (options.pipeOutput && pipe2(out, O_CLOEXEC) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (options.pipeInput) posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  if (options.pipeOutput) {
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  } else if (!options.logFile.empty()) {
    posix_spawn_file_actions_addopen(&actions, 1, options.logFile.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
  }
  if (!options.logFile.empty()) {
    posix_spawn_file_actions_addopen(&actions, 2, options.logFile.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
  }
  std::vector<std::string> words = argv;
  std::vector<std::string> env = environmentWith(options.env);
  std::vector<char*> argp = pointersTo(words);
  std::vector<char*> envp = pointersTo(env);
  if (posix_spawn(&pid_, words[0].c_str(), &actions, nullptr, argp.data(), envp.data()) != 0)
    pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  if (options.pipeInput) {
    close(in[0]);
    input_ = in[1];
  }
  if (options.pipeOutput) {
    close(out[1]);
    output_ = out[0];
  }
}

Child::~Child() {
  closeInput();
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (output_ >= 0) close(output_);
}

bool Child::write(const std::string& text) {
  return input_ >= 0 &&
         ::write(input_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

void Child::closeInput() {
  if (input_ >= 0) close(input_);
  input_ = -1;
}

std::optional<std::string> Child::readLine(int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const std::size_t end = buffered_.find('\n');
    if (end != std::string::npos) {
      std::string line = buffered_.substr(0, end);
      buffered_.erase(0, end + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (output_ < 0 || left.count() <= 0) return std::nullopt;
    pollfd ready{output_, POLLIN, 0};
    if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) continue;
    char chunk[4096];
    const ssize_t got = read(output_, chunk, sizeof chunk);
    if (got <= 0) return std::nullopt;
    buffered_.append(chunk, static_cast<std::size_t>(got));
  }
}

void Child::signal(int number) {
  if (pid_ > 0) kill(pid_, number);
}

int Child::wait(int timeoutMs) {
  if (pid_ <= 0) return -1;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  int status = 0;
  while (waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  pid_ = -1;
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string findProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::istringstream dirs(path != nullptr ? path : "/usr/bin:/bin");
  for (std::string dir; std::getline(dirs, dir, ':');) {
    const std::string candidate = (dir.empty() ? "." : dir) + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return "";
}

int freeUdpPort() {
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0) return -1;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  address.sin_port = 0;
  socklen_t size = sizeof address;
  int port = -1;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
    port = ntohs(address.sin_port);
  }
  close(fd);
  return port;
}

std::string fileText(const std::string& path) {
  std::ifstream file(path);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace relaytest
