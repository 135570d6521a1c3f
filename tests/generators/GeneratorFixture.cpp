#include "GeneratorFixture.h"

#include <maya/MImage.h>
#include <maya/MString.h>

#include <cstdlib>
#include <filesystem>

#include "host/ComputationInterrupt.h"

namespace zubtest {

void GeneratorHost::SetUp() {
  ZubBaseHost::SetUp();
  mayasim::registerComputationCommands(mayasim::host());
  mayasim::clearInterrupts();

  std::string pattern = (std::filesystem::temp_directory_path() / "zubGeneratorsXXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  dir_ = pattern;

  ASSERT_TRUE(loadZubBase()) << takeOutput();
  takeOutput();
}

void GeneratorHost::TearDown() {
  mayasim::clearInterrupts();
  ZubBaseHost::TearDown();
  std::error_code ignored;
  if (!dir_.empty()) std::filesystem::remove_all(dir_, ignored);
}

std::string GeneratorHost::writeImage(const std::string& name, unsigned int width,
                                      unsigned int height, const PixelFn& pixel) {
  std::vector<unsigned char> data;
  for (unsigned int row = 0; row < height; ++row)
    for (unsigned int column = 0; column < width; ++column) {
      const Rgba p = pixel(row, column);
      data.insert(data.end(), {p.r, p.g, p.b, p.a});
    }
  MImage image;
  image.setPixels(data.data(), width, height);
  const std::string path = pathOf(name);
  EXPECT_TRUE(image.writeToFile(path.c_str(), "png")) << path;
  return path;
}

bool GeneratorHost::boxes(const std::string& flags) {
  mayasim::Host& host = mayasim::host();
  host.setTraceRecording(true);
  host.clearTrace();
  const bool ok = mel("zubCmd_boxesFromImage " + flags + ";");
  // The first entry is the call above.
  ran_.assign(host.trace().begin() + (host.trace().empty() ? 0 : 1), host.trace().end());
  return ok;
}

std::vector<std::string> GeneratorHost::ranTexts() const {
  std::vector<std::string> texts;
  for (const mayasim::TraceEntry& entry : ran_) texts.push_back(entry.text);
  return texts;
}

int GeneratorHost::cubeCount() {
  mayasim::Host& host = mayasim::host();
  mel::Value cubes;
  if (!host.execute("ls -type transform \"pCube*\";", false, false, &cubes)) return -1;
  return static_cast<int>(cubes.size());
}

}  // namespace zubtest
