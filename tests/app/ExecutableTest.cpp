// Runs the built mayasim executable as a user would.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const std::string kExe = MAYASIM_EXE;

struct Outcome {
  int status = -1;
  std::string out;  // stdout and stderr
};

std::string quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string readFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class Executable : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("MAYA_PLUG_IN_PATH", TEST_PLUGIN_DIR, 1);
    dir_ = ::testing::TempDir() + "mayasim_exe_" + std::to_string(getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::string mkdir = "mkdir -p " + quote(dir_);
    ASSERT_EQ(std::system(mkdir.c_str()), 0);
  }
  void TearDown() override {
    unsetenv("SAMPLE_PLUGIN_TRACE");
    const std::string rm = "rm -rf " + quote(dir_);
    EXPECT_EQ(std::system(rm.c_str()), 0);
  }

  std::string writeFile(const std::string& name, const std::string& text) const {
    const std::string path = dir_ + "/" + name;
    std::ofstream(path) << text;
    return path;
  }

  // `args` is shell text; standard input comes from `stdinPath` (or nothing).
  Outcome mayasim(const std::string& args, const std::string& stdinPath = "/dev/null") const {
    const std::string command = quote(kExe) + " " + args + " < " + quote(stdinPath) + " 2>&1";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return outcome;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) outcome.out.append(buffer, n);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
  }

  std::string dir_;
};

TEST_F(Executable, RunsCommandsAndScriptsInTheOrderGiven) {
  const std::string script = writeFile("two.mel", "print \"2\";\n");
  const Outcome r = mayasim("-c 'print \"1\"' " + quote(script) + " -c 'print \"3\"'");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, "123");

  const Outcome cube = mayasim("-c 'polyCube; move -a 1 2 3; print(`getAttr pCube1.ty`)'");
  EXPECT_EQ(cube.status, 0) << cube.out;
  EXPECT_EQ(cube.out, "2");
}

TEST_F(Executable, ExitStatusTellsWhatHappened) {
  EXPECT_EQ(mayasim("-c 'print \"fine\"'").status, 0);
  EXPECT_EQ(mayasim("--no-such-option").status, 2);
  EXPECT_EQ(mayasim(quote(dir_ + "/missing.mel")).status, 2);
  EXPECT_EQ(mayasim("--idle -1").status, 2);

  const Outcome error = mayasim("-c 'error \"boom\"' -c 'print \"after\"'");
  EXPECT_EQ(error.status, 1);
  EXPECT_NE(error.out.find("// Error:"), std::string::npos) << error.out;
  EXPECT_NE(error.out.find("boom"), std::string::npos) << error.out;
  EXPECT_EQ(error.out.find("after"), std::string::npos) << error.out;

  const Outcome quit = mayasim("-c 'quit -f' -c 'print \"after\"' --idle 1000");
  EXPECT_EQ(quit.status, 0) << quit.out;
  EXPECT_EQ(quit.out.find("after"), std::string::npos) << quit.out;
  EXPECT_EQ(mayasim("-c 'quit -exitCode 3'").status, 3);
}

TEST_F(Executable, ScriptErrorNamesFileAndLine) {
  const std::string script = writeFile(
      "broken.mel", "print \"a\\n\";\nprint \"b\\n\";\nerror \"bad thing\";\nprint \"c\\n\";\n");
  const Outcome r = mayasim(quote(script));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("a\nb\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("c\n"), std::string::npos) << r.out;
  const std::size_t error = r.out.find("// Error:");
  ASSERT_NE(error, std::string::npos) << r.out;
  const std::string line = r.out.substr(error, r.out.find('\n', error) - error);
  EXPECT_NE(line.find(script), std::string::npos) << line;
  EXPECT_NE(line.find("line 3"), std::string::npos) << line;
  EXPECT_NE(line.find("bad thing"), std::string::npos) << line;
}

TEST_F(Executable, IdleLoopEndsByItself) {
  const Outcome r = mayasim("--idle 0.2 -c 'print \"ran\"'");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, "ran");
}

TEST_F(Executable, InteractiveReadsWholeStatementsAndEchoesResults) {
  const std::string input = writeFile("input.mel",
                                      "global proc int twice(int $x)\n"
                                      "{\n"
                                      "  return 2 * $x;\n"
                                      "}\n"
                                      "twice(21);\n"
                                      "error \"typed wrong\";\n"
                                      "print \"still here\\n\";\n"
                                      "quit;\n"
                                      "print \"after quit\\n\";\n");
  const Outcome r = mayasim("--interactive", input);
  EXPECT_EQ(r.status, 1) << r.out;  // the error is remembered
  EXPECT_NE(r.out.find("// Result: 42 //"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("typed wrong"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("still here"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("after quit"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("mel>"), std::string::npos) << "no prompt when input is not a terminal";

  const std::string quiet = writeFile("quiet.mel", "1 + 2;\nprint \"x\";");
  const Outcome q = mayasim("--interactive --quiet", quiet);
  EXPECT_EQ(q.status, 0) << q.out;
  EXPECT_EQ(q.out, "x");
}

TEST_F(Executable, TraceFileGetsEveryExecutedText) {
  const std::string trace = dir_ + "/trace.txt";
  const Outcome r = mayasim("--trace " + quote(trace) +
                            " -c 'loadPlugin sampleCmd; sampleHello -mel \"print 42\";'");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("42Hello, world"), std::string::npos) << r.out;
  EXPECT_EQ(readFile(trace), "executeCommand display=0 undo=0: print 42\n");
}

TEST_F(Executable, PluginsAreUnloadedAtExit) {
  const std::string trace = dir_ + "/plugin.txt";
  setenv("SAMPLE_PLUGIN_TRACE", trace.c_str(), 1);
  const Outcome r = mayasim("-c 'loadPlugin sampleCmd'");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(readFile(trace), "sampleCmd loaded\nsampleCmd uninitialized\nsampleCmd unloaded\n");
}

// Runs mayasim with `args` while its standard input stays an open, silent
// pipe. With `interrupt`, sends SIGINT once "ready" has appeared on its output.
Outcome runWithOpenStdin(const std::vector<std::string>& args, bool interrupt) {
  Outcome outcome;
  int out[2];
  int in[2];
  if (pipe(out) != 0 || pipe(in) != 0) return outcome;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(in[1]);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(kExe.c_str()));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(kExe.c_str(), argv.data());
    _exit(127);
  }
  close(out[1]);
  close(in[0]);
  char buffer[256];
  ssize_t n = 0;
  bool sent = !interrupt;
  while ((n = read(out[0], buffer, sizeof buffer)) > 0) {
    outcome.out.append(buffer, static_cast<std::size_t>(n));
    if (!sent && outcome.out.find("ready") != std::string::npos) {
      kill(pid, SIGINT);
      sent = true;
    }
  }
  int status = 0;
  waitpid(pid, &status, 0);
  close(out[0]);
  close(in[1]);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

TEST_F(Executable, IdleEventsKeepFiringUntilQuit) {
  const std::string setup = "loadPlugin idlePlugin; idleQuitAfter 50";
  const Outcome idle = mayasim("-c " + quote(setup) + " --idle 600");
  EXPECT_EQ(idle.status, 0) << idle.out;
  EXPECT_EQ(idle.out, "idle done\n");

  // Between typed lines too, while no input arrives.
  const Outcome interactive = runWithOpenStdin({"-c", setup, "--interactive"}, false);
  EXPECT_EQ(interactive.status, 0) << interactive.out;
  EXPECT_EQ(interactive.out, "idle done\n");
}

TEST_F(Executable, CtrlCEndsIdleLoopAndInteractiveSessionCleanly) {
  EXPECT_EQ(runWithOpenStdin({"-c", "print \"ready\"", "--idle", "600"}, true).status, 130);
  EXPECT_EQ(runWithOpenStdin({"-c", "print \"ready\"", "--interactive"}, true).status, 130);
  // With an idle callback firing back to back.
  EXPECT_EQ(
      runWithOpenStdin({"-c", "loadPlugin idlePlugin; print \"ready\"", "--idle", "600"}, true)
          .status,
      130);
}

}  // namespace
