// The mayasim executable, idle-driven, fed by oscsend: the worked example's
// MEL texts reach its trace file in order, and unloading while OSC is on
// leaves a host that keeps running.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "OscPackets.h"

extern char** environ;

namespace {

constexpr int kPort = 57212;
constexpr int kMaxPolls = 4000;  // only a hung host gets this far

// mayasim --interactive with its standard input and output on pipes.
class Mayasim {
 public:
  explicit Mayasim(const std::string& traceFile) {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, in[1]);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<std::string> words = {MAYASIM_EXE, "--interactive", "--trace", traceFile,
                                      ZUB_SCRIPTS_DIR "/zubOscPanel.mel"};
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, MAYASIM_EXE, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    input_ = in[1];
    output_ = fdopen(out[0], "r");
  }
  ~Mayasim() {
    if (input_ >= 0) close(input_);
    if (output_ != nullptr) fclose(output_);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
  }

  bool started() const { return pid_ > 0 && output_ != nullptr; }

  void write(const std::string& mel) {
    const std::string line = mel + "\n";
    ASSERT_EQ(::write(input_, line.data(), line.size()), static_cast<ssize_t>(line.size()));
  }

  // The next line of output; "" at the end.
  std::string readLine() {
    char buffer[4096];
    if (fgets(buffer, sizeof buffer, output_) == nullptr) return "";
    std::string line(buffer);
    while (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
  }

  // Asks for `query` (a MEL string expression) until it prints `expected`.
  bool waitFor(const std::string& query, const std::string& expected) {
    for (int i = 0; i < kMaxPolls; ++i) {
      write("print (\"poll \" + " + query + " + \"\\n\");");
      for (std::string line = readLine();; line = readLine()) {
        if (line.empty() && feof(output_)) return false;
        if (line.rfind("poll ", 0) != 0) continue;
        if (line == "poll " + expected) return true;
        break;
      }
      usleep(2000);
    }
    return false;
  }

  int finish() {
    close(input_);
    input_ = -1;
    while (!readLine().empty() || !feof(output_)) {
    }
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  FILE* output_ = nullptr;
};

std::vector<std::string> linesOf(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

TEST(OscExecutable, IdleDrivenHostHandlesOscsendAndSurvivesUnloadWhileOn) {
  setenv("ZUBBASE_OSC_PORT", std::to_string(kPort).c_str(), 1);
  setenv("MAYA_PLUG_IN_PATH", ZUB_PLUGIN_DIR, 1);
  const std::string trace = std::string(::testing::TempDir()) + "osc_executable_trace.txt";
  std::remove(trace.c_str());
  Mayasim host(trace);
  ASSERT_TRUE(host.started());

  host.write("loadPlugin zubNodes; loadPlugin zubBase; zubOscPanel; polyCube;");
  host.write(
      "zubCmd_changeOSCValues -separator \" \" -index 1 -name pCube1.translateY -factor 0.5;");
  host.write("zubCmd_toggleOSC;");
  ASSERT_TRUE(host.waitFor("\"ready\"", "ready"));

  const std::string command =
      "oscsend 127.0.0.1 " + std::to_string(kPort) + " /zubbase s '10 20 30'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  ASSERT_TRUE(host.waitFor("`getAttr pCube1.translateY`", "10"));
  EXPECT_TRUE(host.waitFor("`textField -query -text tfOscTokensNumber`", "3"));

  host.write("unloadPlugin zubBase;");
  ASSERT_TRUE(host.waitFor("size(`pluginInfo -query -listPlugins`)", "1"));
  zubosc::Sender("127.0.0.1", kPort).send(zubosc::textMessage("/zubbase", "nobody listens"));
  EXPECT_TRUE(host.waitFor("\"still running\"", "still running"));
  EXPECT_EQ(host.finish(), 0);

  // Every text runs with echo and undo off.
  const std::string prefix = "executeCommand display=0 undo=0: ";
  const std::vector<std::string> expected = {
      prefix + "zubCmd_getOSC",
      prefix + "textField -text \"/zubbase\" -edit tfOscChannel;",
      prefix + "textField -text \"10 20 30\" -edit tfOscMessage;",
      prefix + "textField -text \"10\" -edit $tfOscTokens[0];",
      prefix + "textField -text \"20\" -edit $tfOscTokens[1];",
      prefix + "setAttr pCube1.translateY 10;",
      prefix + "textField -text \"30\" -edit $tfOscTokens[2];",
      prefix + "textField -text \"3\" -edit tfOscTokensNumber;"};
  const std::vector<std::string> lines = linesOf(trace);
  auto first = std::search(lines.begin(), lines.end(), expected.begin(), expected.end());
  EXPECT_NE(first, lines.end()) << "the worked example's texts are not in the trace";
}

}  // namespace
