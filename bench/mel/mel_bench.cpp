// MEL in mayasim next to Tcl 8.6 and Python 3, on the same small programs:
// an integer loop, string building by appending, proc calls, and setting and
// reading an attribute (a dict entry in Tcl and Python, which have no scene).
// Figures are CPU time per loop iteration, medians of several runs; for the
// other languages the CPU of a process that runs the program several times
// over, minus that of one that only starts, per run. Prints figures and
// ratios; asserts nothing.
//
//   mel_bench [--runs R] [--loop N] [--string N] [--calls N] [--attrs N]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/Host.h"
#include "mel/Output.h"

extern char** environ;

namespace {

class NullOutput : public mel::Output {
 public:
  void write(std::string_view) override {}
};

struct Program {
  const char* label;
  const char* proc;  // the same name in all three languages
  int n = 0;
};

constexpr const char* kMelProcs = R"(
proc int loopSum(int $n) { int $s = 0; int $i; for ($i = 0; $i < $n; $i++) $s += $i; return $s; }
proc int stringAppend(int $n) { string $s = ""; int $i; for ($i = 0; $i < $n; $i++) $s += "ab"; return size($s); }
proc int addOne(int $x) { return $x + 1; }
proc int procCalls(int $n) { int $s = 0; int $i; for ($i = 0; $i < $n; $i++) $s = addOne($s); return $s; }
proc float attrSetGet(int $n) {
  float $v = 0; int $i;
  for ($i = 0; $i < $n; $i++) { setAttr pCube1.translateX $i; $v += `getAttr pCube1.translateX`; }
  return $v;
}
)";

constexpr const char* kTclProcs = R"(
proc loopSum {n} { set s 0; for {set i 0} {$i < $n} {incr i} { incr s $i }; return $s }
proc stringAppend {n} { set s ""; for {set i 0} {$i < $n} {incr i} { append s ab }; return [string length $s] }
proc addOne {x} { return [expr {$x + 1}] }
proc procCalls {n} { set s 0; for {set i 0} {$i < $n} {incr i} { set s [addOne $s] }; return $s }
proc attrSetGet {n} {
  set a [dict create]; set v 0.0
  for {set i 0} {$i < $n} {incr i} { dict set a pCube1.translateX $i; set v [expr {$v + [dict get $a pCube1.translateX]}] }
  return $v
}
)";

constexpr const char* kPythonProcs = R"(
def loopSum(n):
    s = 0
    for i in range(n): s += i
    return s
def stringAppend(n):
    s = ""
    for i in range(n): s += "ab"
    return len(s)
def addOne(x): return x + 1
def procCalls(n):
    s = 0
    for i in range(n): s = addOne(s)
    return s
def attrSetGet(n):
    a = {}; v = 0.0
    for i in range(n):
        a["pCube1.translateX"] = float(i); v += a["pCube1.translateX"]
    return v
)";

double processCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// CPU seconds (user + system) of a child process running `words`; -1 when it
// cannot be run or fails.
double childCpuSeconds(const std::vector<std::string>& words) {
  std::vector<std::string> copy = words;
  std::vector<char*> argv;
  for (std::string& w : copy) argv.push_back(w.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int failed = posix_spawnp(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (failed != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// Another language's interpreter, given a script file that defines the procs.
// The script's arguments are "PROC N REPEATS": it calls PROC(N) that many
// times; without arguments it only starts.
class External {
 public:
  External(std::string exe, std::filesystem::path script)
      : exe_(std::move(exe)), script_(std::move(script)) {}

  bool available() const { return childCpuSeconds({exe_, script_.string()}) >= 0; }

  // Median CPU seconds of one `proc(n)`, start-up subtracted. The call is
  // repeated until a run holds some millions of iterations, so that a short
  // program's work stands well above the noise of the start-up it sheds.
  double seconds(const Program& p, int runs) const {
    const int repeats = std::max(kMinRepeats, (kIterationsPerRun + p.n - 1) / p.n);
    std::vector<double> startup, full;
    for (int i = 0; i < runs; ++i) {
      startup.push_back(childCpuSeconds({exe_, script_.string()}));
      full.push_back(childCpuSeconds(
          {exe_, script_.string(), p.proc, std::to_string(p.n), std::to_string(repeats)}));
    }
    return std::max(0.0, median(full) - median(startup)) / repeats;
  }

 private:
  static constexpr int kMinRepeats = 10;
  static constexpr int kIterationsPerRun = 2000000;
  std::string exe_;
  std::filesystem::path script_;
};

// The interpreter behind a command such as a pyenv shim, so that the shim's
// own start-up does not blur the figures.
std::string realExecutable(const std::string& command, const std::string& askSelf) {
  std::string found = command;
  if (FILE* pipe = popen((command + " -c '" + askSelf + "' 2>/dev/null").c_str(), "r")) {
    char line[4096] = {};
    if (std::fgets(line, sizeof line, pipe)) {
      std::string text(line);
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
      if (!text.empty()) found = text;
    }
    pclose(pipe);
  }
  return found;
}

std::filesystem::path writeScript(const std::string& name, const std::string& text) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("zubMelBench" + std::to_string(getpid()) + name);
  std::ofstream(path) << text;
  return path;
}

bool run(const std::string& mel) { return mayasim::host().execute(mel, false, false); }

double melSeconds(const Program& p, int runs) {
  std::vector<double> times;
  const std::string call = std::string(p.proc) + "(" + std::to_string(p.n) + ");";
  for (int i = 0; i < runs; ++i) {
    const double start = processCpuSeconds();
    if (!run(call)) return -1;
    times.push_back(processCpuSeconds() - start);
    mayasim::host().clearTrace();
  }
  return median(times);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app("MEL in mayasim next to tclsh and python3");
  int runs = 5;
  int loopN = 200000, stringN = 20000, callsN = 100000, attrsN = 20000;
  app.add_option("--runs", runs, "runs of each program; medians are printed")
      ->check(CLI::Range(1, 50));
  app.add_option("--loop", loopN, "iterations of the integer loop")
      ->check(CLI::Range(1, 100000000));
  app.add_option("--string", stringN, "appends in the string program (also run at 4x)")
      ->check(CLI::Range(1, 10000000));
  app.add_option("--calls", callsN, "proc calls")->check(CLI::Range(1, 100000000));
  app.add_option("--attrs", attrsN, "setAttr/getAttr pairs")->check(CLI::Range(1, 10000000));
  CLI11_PARSE(app, argc, argv);

  NullOutput quiet;
  mayasim::Host& host = mayasim::host();
  host.setOutputSink(&quiet);
  if (!run(kMelProcs) || !run("polyCube;")) {
    std::fprintf(stderr, "mel_bench: setting up the host failed\n");
    return 1;
  }

  // The tool's own scripts: the procs, then the call named on the command line.
  const std::filesystem::path tclScript = writeScript(
      ".tcl",
      std::string(kTclProcs) +
          "if {$argc == 3} { lassign $argv p n r; for {set i 0} {$i < $r} {incr i} { $p $n } }\n");
  const std::filesystem::path pyScript = writeScript(
      ".py",
      std::string(kPythonProcs) +
          "import sys\nif len(sys.argv) == 4:\n"
          "    for _ in range(int(sys.argv[3])): globals()[sys.argv[1]](int(sys.argv[2]))\n");
  const External tcl("tclsh8.6", tclScript);
  const External python(realExecutable("python3", "import sys; print(sys.executable)"), pyScript);
  const bool haveTcl = tcl.available(), havePython = python.available();

  const std::vector<Program> programs = {
      {"integer loop (s += i)", "loopSum", loopN},
      {"string += \"ab\"", "stringAppend", stringN},
      {"string += \"ab\", 4x as many", "stringAppend", 4 * stringN},
      {"proc call (s = addOne(s))", "procCalls", callsN},
      {"setAttr + getAttr", "attrSetGet", attrsN}};

  std::printf("MEL benchmarks: CPU microseconds per iteration, median of %d runs\n", runs);
  std::printf("  %-30s %9s %10s %10s %10s %9s %9s\n", "program", "n", "mayasim", "tclsh", "python3",
              "÷ tcl", "÷ python");
  std::vector<double> melPerOp;
  for (const Program& p : programs) {
    const double mel = melSeconds(p, runs);
    if (mel < 0) {
      std::fprintf(stderr, "mel_bench: %s failed in mayasim\n", p.proc);
      return 1;
    }
    const double t = haveTcl ? tcl.seconds(p, runs) : 0;
    const double py = havePython ? python.seconds(p, runs) : 0;
    const double per = 1e6 / p.n;
    melPerOp.push_back(mel * per);
    std::printf("  %-30s %9d %10.4f %10.4f %10.4f %9.2f %9.2f\n", p.label, p.n, mel * per, t * per,
                py * per, t > 0 ? mel / t : 0.0, py > 0 ? mel / py : 0.0);
  }
  std::printf("  string building, time per append at 4x the length ÷ at 1x: %.2f (1 is linear)\n",
              melPerOp[2] / melPerOp[1]);
  std::printf("  one MEL proc call (calls loop minus the integer loop): %.4f us\n",
              melPerOp[3] - melPerOp[0]);
  if (!haveTcl) std::printf("  (tclsh8.6 not found: its columns are 0)\n");
  if (!havePython) std::printf("  (python3 not found: its columns are 0)\n");

  std::filesystem::remove(tclScript);
  std::filesystem::remove(pyScript);
  host.setOutputSink(nullptr);
  return 0;
}
