// A field of boxes made from an image, seen through playblast's top camera,
// shows the image's non-zero-red pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "GeneratorFixture.h"
#include "PictureFile.h"

namespace zubtest {
namespace {

constexpr rendertest::Rgb kBackground{92, 92, 92};

// An asymmetric shape with red from 1 to 255 on a 24 x 16 image: a bar
// along the bottom rows, a post on the left, a diagonal and the top right pixel.
bool inShape(unsigned int row, unsigned int column) {
  return row < 3 || column < 4 || row == column || (row == 15 && column == 23);
}

class TopView : public GeneratorHost {};

TEST_F(TopView, FieldSeenFromTopMatchesTheImagesRedMask) {
  constexpr unsigned int kW = 24, kH = 16, kPixelsPerBox = 6;
  const std::string image = writeImage("shape.png", kW, kH, [](unsigned int r, unsigned int c) {
    const unsigned char red =
        inShape(r, c) ? static_cast<unsigned char>(1 + (r * 37 + c * 11) % 255) : 0;
    return Rgba{red, static_cast<unsigned char>(255 - red), 90, 255};
  });
  ASSERT_TRUE(boxes("-f \"" + image + "\"")) << takeOutput();

  const std::string shot = pathOf("top.png");
  ASSERT_TRUE(mel("playblast -format image -compression \"png\" -completeFilename \"" + shot +
                  "\" -widthHeight " + std::to_string(kW * kPixelsPerBox) + " " +
                  std::to_string(kH * kPixelsPerBox) +
                  " -percent 100 -camera top -showOrnaments false -viewer false -forceOverwrite"))
      << takeOutput();
  const rendertest::PictureFile p = rendertest::readPicture(shot);
  ASSERT_TRUE(p.ok());

  // The part of the picture the field covers, one cell per box.
  int x0 = p.width, y0 = p.height, x1 = -1, y1 = -1;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (!(p.at(x, y) == kBackground)) {
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
      }
  ASSERT_GE(x1, x0);
  // Every row and column of the image holds part of the shape, so the
  // field spans the whole image. The top camera looks down -Y with -Z up:
  // image row 0 (z = 0) is the picture's top row, columns run left to right.
  unsigned int both = 0, either = 0;
  for (unsigned int r = 0; r < kH; ++r) {
    for (unsigned int c = 0; c < kW; ++c) {
      const int x = x0 + static_cast<int>((c + 0.5) * (x1 - x0 + 1) / kW);
      const int y = y0 + static_cast<int>((r + 0.5) * (y1 - y0 + 1) / kH);
      const bool seen = !(p.at(x, y) == kBackground);
      both += seen && inShape(r, c);
      either += seen || inShape(r, c);
    }
  }
  EXPECT_GE(static_cast<double>(both) / either, 0.9) << both << " of " << either;
}

}  // namespace
}  // namespace zubtest
