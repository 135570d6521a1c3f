// Figures for zubCmd_boxesFromImage in mayasim: cubes per second and the
// memory the scene grows by per cube, for an all-red and a gradient square
// image (one cube per pixel). Each process is a fresh one: its first run
// (cold caches, fresh heap) is reported apart from its later runs, which
// reuse what the first one freed. Prints figures (medians over the
// processes) and how they compare with the targets; asserts nothing.
//
//   boxes_bench [--size N] [--runs R] [--processes P]
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

#include "host/Host.h"
#include "mel/Output.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kTargetCubesPerSecond = 100000;
constexpr double kTargetBytesPerCube = 1536;

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

// An image with every red value in 1..255: all red, or a ramp along the
// columns (heights that print with many digits, k/255).
bool writeImage(const std::filesystem::path& path, unsigned int size, bool gradient) {
  std::vector<unsigned char> pixels(std::size_t{size} * size * 4, 0);
  for (std::size_t i = 0; i < pixels.size(); i += 4) {
    const std::size_t column = (i / 4) % size;
    pixels[i] =
        gradient ? static_cast<unsigned char>(1 + column * 254 / std::max(1u, size - 1)) : 255;
    pixels[i + 3] = 255;
  }
  MImage image;
  image.setPixels(pixels.data(), size, size);
  return image.writeToFile(path.c_str(), "png");
}

struct RunFigures {
  double wall = 0, cpu = 0, bytesPerCube = 0;
};

// One process's share: `runs` runs on an empty scene each, one line per run
// ("run WALL CPU BYTES_PER_CUBE") on stdout.
int childMain(const std::string& image, double cubes, int runs) {
  NullOutput quiet;
  mayasim::Host& host = mayasim::host();
  host.setOutputSink(&quiet);
  setenv("ZUBBASE_OSC_PORT", std::to_string(freeUdpPort()).c_str(), 1);
  if (!run(std::string("loadPlugin \"") + ZUB_BASE_PLUGIN + "\";")) {
    std::fprintf(stderr, "cannot load %s\n", ZUB_BASE_PLUGIN);
    return 1;
  }
  for (int i = 0; i < runs; ++i) {
    host.reset();
    const long before = residentBytes();
    const Clock::time_point start = Clock::now();
    const double cpuStart = cpuSeconds();
    const bool ok = run("zubCmd_boxesFromImage -f \"" + image + "\";");
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = cpuSeconds() - cpuStart;
    const long after = residentBytes();
    if (!ok) {
      std::fprintf(stderr, "the command failed\n");
      return 1;
    }
    std::printf("run %.6f %.6f %.1f\n", seconds, cpu, static_cast<double>(after - before) / cubes);
  }
  host.reset();
  run("unloadPlugin zubBase;");
  host.setOutputSink(nullptr);
  return 0;
}

// Runs this program again as a child for one process's runs.
std::vector<RunFigures> childRuns(const std::string& self, const std::string& image,
                                  unsigned int size, int runs) {
  const std::string command = "'" + self + "' --child '" + image + "' --size " +
                              std::to_string(size) + " --runs " + std::to_string(runs);
  std::vector<RunFigures> figures;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return figures;
  RunFigures f;
  while (std::fscanf(pipe, " run %lf %lf %lf", &f.wall, &f.cpu, &f.bytesPerCube) == 3)
    figures.push_back(f);
  if (pclose(pipe) != 0) figures.clear();
  return figures;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app("zubCmd_boxesFromImage figures in mayasim");
  unsigned int size = 256;
  int runs = 3;
  int processes = 3;
  std::string child;
  app.add_option("--size", size, "side of the images, in pixels")->check(CLI::Range(1u, 2048u));
  app.add_option("--runs", runs, "runs in each process, each on an empty scene")
      ->check(CLI::Range(1, 20));
  app.add_option("--processes", processes, "fresh processes per image")->check(CLI::Range(1, 20));
  app.add_option("--child", child, "(internal) run in this process on the image file given");
  CLI11_PARSE(app, argc, argv);

  const double cubes = static_cast<double>(size) * size;
  if (!child.empty()) return childMain(child, cubes, runs);

  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::printf(
      "zubCmd_boxesFromImage, %u x %u images (%.0f cubes), %d processes x %d runs, medians\n", size,
      size, cubes, processes, runs);
  bool allMet = true;
  for (const bool gradient : {false, true}) {
    const std::filesystem::path image =
        std::filesystem::temp_directory_path() /
        ("zubBoxesBench" + std::to_string(getpid()) + (gradient ? "gradient" : "red") + ".png");
    if (!writeImage(image, size, gradient)) {
      std::fprintf(stderr, "cannot write %s\n", image.c_str());
      return 1;
    }
    std::vector<double> firstWall, firstCpu, laterWall, laterCpu, bytes;
    for (int p = 0; p < processes; ++p) {
      const std::vector<RunFigures> figures = childRuns(self, image.string(), size, runs);
      if (figures.empty()) {
        std::fprintf(stderr, "a child process failed\n");
        std::filesystem::remove(image);
        return 1;
      }
      for (std::size_t i = 0; i < figures.size(); ++i) {
        (i == 0 ? firstWall : laterWall).push_back(cubes / figures[i].wall);
        (i == 0 ? firstCpu : laterCpu).push_back(cubes / figures[i].cpu);
      }
      // Later runs reuse the memory the first one freed: only the first
      // says what a cube costs.
      bytes.push_back(figures[0].bytesPerCube);
    }
    std::filesystem::remove(image);
    const double firstRate = median(firstCpu);
    allMet = allMet && firstRate >= kTargetCubesPerSecond;
    std::printf(
        "  %-9s first run : %8.0f cubes/s CPU, %8.0f cubes/s wall, +%.0f bytes/cube resident\n",
        gradient ? "gradient" : "all-red", firstRate, median(firstWall), median(bytes));
    if (!laterCpu.empty())
      std::printf("  %-9s later runs: %8.0f cubes/s CPU, %8.0f cubes/s wall\n", "",
                  median(laterCpu), median(laterWall));
    if (median(bytes) > kTargetBytesPerCube) allMet = false;
  }
  std::printf("targets: first run >= %.0f cubes/s CPU, <= %.0f bytes/cube: %s\n",
              kTargetCubesPerSecond, kTargetBytesPerCube, allMet ? "met" : "NOT met");
  return 0;
}
