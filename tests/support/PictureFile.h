// Reading back the PNG files playblast writes.
#pragma once

#include <string>
#include <vector>

namespace rendertest {

struct Rgb {
  unsigned char r = 0, g = 0, b = 0;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

struct PictureFile {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;  // top row first
  bool ok() const { return width > 0; }
  const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The picture in `path`; width 0 when it cannot be read.
PictureFile readPicture(const std::string& path);

}  // namespace rendertest
