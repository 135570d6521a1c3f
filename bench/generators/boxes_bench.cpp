// Figures for zubCmd_boxesFromImage in mayasim: cubes per second and the
// memory the scene grows by per cube, for an all-red square image (one cube
// per pixel). Prints figures and how they compare with the targets;
// asserts nothing.
//
//   boxes_bench [--size N] [--runs R]
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <maya/MImage.h>
#include <maya/MString.h>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "api/Host.h"
#include "mel/Output.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kTargetCubesPerSecond = 50000;
constexpr double kTargetBytesPerCube = 4096;

class NullOutput : public mel::Output {
 public:
  void write(std::string_view) override {}
};

// Resident memory of this process, in bytes.
long residentBytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

// A UDP port nothing has bound now, so loading zubBase does not collide with
// a host that holds its default port.
int freeUdpPort() {
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    port = ntohs(address.sin_port);
  if (fd >= 0) close(fd);
  return port;
}

// CPU time of this process: unlike the wall clock, not stretched by other
// programs competing for the cores.
double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

bool run(const std::string& mel) { return mayasim::host().execute(mel, false, false); }

}  // namespace

int main(int argc, char** argv) {
  CLI::App app("zubCmd_boxesFromImage figures in mayasim");
  unsigned int size = 256;
  int runs = 3;
  app.add_option("--size", size, "side of the all-red image, in pixels")
      ->check(CLI::Range(1u, 2048u));
  app.add_option("--runs", runs, "runs, each on an empty scene")->check(CLI::Range(1, 20));
  CLI11_PARSE(app, argc, argv);

  const std::filesystem::path image =
      std::filesystem::temp_directory_path() /
      ("zubBoxesBench" + std::to_string(getpid()) + ".png");
  {
    std::vector<unsigned char> pixels(std::size_t{size} * size * 4, 0);
    for (std::size_t i = 0; i < pixels.size(); i += 4) pixels[i] = pixels[i + 3] = 255;
    MImage red;
    red.setPixels(pixels.data(), size, size);
    if (!red.writeToFile(image.c_str(), "png")) {
      std::fprintf(stderr, "cannot write %s\n", image.c_str());
      return 1;
    }
  }

  NullOutput quiet;
  mayasim::Host& host = mayasim::host();
  host.setOutputSink(&quiet);
  setenv("ZUBBASE_OSC_PORT", std::to_string(freeUdpPort()).c_str(), 1);
  if (!run(std::string("loadPlugin \"") + ZUB_BASE_PLUGIN + "\";")) {
    std::fprintf(stderr, "cannot load %s\n", ZUB_BASE_PLUGIN);
    return 1;
  }

  const double cubes = static_cast<double>(size) * size;
  std::printf("zubCmd_boxesFromImage, %u x %u all-red image (%.0f cubes), %d runs\n", size, size,
              cubes, runs);
  double bestRate = 0, bestCpuRate = 0, firstBytes = 0;
  for (int i = 0; i < runs; ++i) {
    host.reset();
    const long before = residentBytes();
    const Clock::time_point start = Clock::now();
    const double cpuStart = cpuSeconds();
    const bool ok = run("zubCmd_boxesFromImage -f \"" + image.string() + "\";");
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = cpuSeconds() - cpuStart;
    const long after = residentBytes();
    if (!ok) {
      std::fprintf(stderr, "the command failed\n");
      return 1;
    }
    const double rate = cubes / seconds, cpuRate = cubes / cpu;
    bestRate = std::max(bestRate, rate);
    bestCpuRate = std::max(bestCpuRate, cpuRate);
    std::printf("  run %d: %.2f s wall (%.0f cubes/s), %.2f s CPU (%.0f cubes/s)", i + 1, seconds,
                rate, cpu, cpuRate);
    // Later runs reuse the memory the first one freed: only the first
    // says what a cube costs.
    if (i == 0) {
      firstBytes = static_cast<double>(after - before) / cubes;
      std::printf(", resident memory +%.0f bytes/cube", firstBytes);
    }
    std::printf("\n");
  }
  // The trace of every executed text is part of what a run keeps.
  std::printf("speed: %.0f cubes/s wall, %.0f cubes/s CPU (target >= %.0f: %s)\n", bestRate,
              bestCpuRate, kTargetCubesPerSecond,
              bestCpuRate >= kTargetCubesPerSecond ? "met" : "NOT met");
  if (bestRate < 0.8 * bestCpuRate)
    std::printf("       the wall clock ran slower than the CPU: other programs shared the cores\n");
  std::printf("memory: %.0f bytes/cube (target <= %.0f: %s)\n", firstBytes, kTargetBytesPerCube,
              firstBytes <= kTargetBytesPerCube ? "met" : "NOT met");

  host.reset();
  run("unloadPlugin zubBase;");
  host.setOutputSink(nullptr);
  std::filesystem::remove(image);
  return 0;
}
