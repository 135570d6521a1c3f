// zubBase loaded into the in-process host, with images written to a
// folder of the test's own and the interrupt schedule cleared.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ZubBaseFixture.h"
#include "host/Host.h"

namespace zubtest {

struct Rgba {
  unsigned char r = 0, g = 0, b = 0, a = 255;
};

// The pixel at row `row` (0 = the first row of the host's buffer) and
// column `column`.
using PixelFn = std::function<Rgba(unsigned int row, unsigned int column)>;

class GeneratorHost : public ZubBaseHost {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes a PNG through the host's MImage, so buffer row r of the image
  // read back is row r of `pixel`. Returns its path.
  std::string writeImage(const std::string& name, unsigned int width, unsigned int height,
                         const PixelFn& pixel);
  std::string pathOf(const std::string& name) const { return dir_ + "/" + name; }

  // Runs zubCmd_boxesFromImage with `flags` after clearing the trace;
  // false when it failed.
  bool boxes(const std::string& flags);
  // What the command ran through MGlobal::executeCommand in the last boxes().
  const std::vector<mayasim::TraceEntry>& ran() const { return ran_; }
  std::vector<std::string> ranTexts() const;
  // Transforms named pCube* in the scene.
  int cubeCount();

 private:
  std::string dir_;
  std::vector<mayasim::TraceEntry> ran_;
};

}  // namespace zubtest
