// mayasim's MImage: reading files, row order, resizing and writing.
#include <gtest/gtest.h>

#include <maya/MImage.h>
#include <maya/MString.h>

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace {

using Bytes = std::vector<unsigned char>;

class ImageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "zubImageXXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  std::string path(const std::string& name) const { return dir_ + "/" + name; }

  std::string dir_;
};

Bytes bytesOf(const MImage& image) {
  unsigned int w = 0, h = 0;
  image.getSize(w, h);
  const unsigned char* p = image.pixels();
  return p ? Bytes(p, p + std::size_t{w} * h * 4) : Bytes();
}

// A `width` x `height` image whose pixel i is (i, 2i, 3i, 255 - i).
Bytes counting(unsigned int width, unsigned int height) {
  Bytes data(std::size_t{width} * height * 4);
  for (std::size_t i = 0; i < std::size_t{width} * height; ++i) {
    data[4 * i] = static_cast<unsigned char>(i);
    data[4 * i + 1] = static_cast<unsigned char>(2 * i);
    data[4 * i + 2] = static_cast<unsigned char>(3 * i);
    data[4 * i + 3] = static_cast<unsigned char>(255 - i);
  }
  return data;
}

void expectEmpty(const MImage& image) {
  unsigned int w = 7, h = 7;
  image.getSize(w, h);
  EXPECT_EQ(w, 0u);
  EXPECT_EQ(h, 0u);
  EXPECT_EQ(image.pixels(), nullptr);
}

TEST_F(ImageFiles, FileThatCannotBeReadFailsAndEmptiesTheImage) {
  std::ofstream(path("text.png")) << "not an image at all";
  const std::string names[] = {"absent.png", "text.png", ""};
  for (const std::string& name : names) {
    MImage image;
    Bytes data = counting(2, 2);
    image.setPixels(data.data(), 2, 2);
    EXPECT_FALSE(image.readFromFile((name.empty() ? name : path(name)).c_str(), MImage::kByte))
        << name;
    expectEmpty(image);
  }
}

TEST_F(ImageFiles, FirstRowOfTheFileIsTheLastRowOfTheBuffer) {
  // 2 x 3, top row red, bottom row blue, as a file stores them.
  const Bytes top = {255, 0, 0, 255, 255, 0, 0, 255};
  const Bytes middle = {0, 255, 0, 255, 0, 255, 0, 255};
  const Bytes bottom = {0, 0, 255, 255, 0, 0, 255, 255};
  Bytes file = top;
  file.insert(file.end(), middle.begin(), middle.end());
  file.insert(file.end(), bottom.begin(), bottom.end());
  ASSERT_NE(stbi_write_png(path("rows.png").c_str(), 2, 3, 4, file.data(), 8), 0);

  MImage image;
  ASSERT_TRUE(image.readFromFile(path("rows.png").c_str(), MImage::kByte));
  Bytes expected = bottom;
  expected.insert(expected.end(), middle.begin(), middle.end());
  expected.insert(expected.end(), top.begin(), top.end());
  EXPECT_EQ(bytesOf(image), expected);

  image.verticalFlip();
  EXPECT_EQ(bytesOf(image), file);
}

TEST_F(ImageFiles, CommonFormatsReadAsRgba) {
  // Grey and RGB files come back with 4 channels, alpha 255; HDR as floats.
  const unsigned char grey[] = {10, 20, 30, 40};
  ASSERT_NE(stbi_write_bmp(path("grey.bmp").c_str(), 2, 2, 1, grey), 0);
  const unsigned char rgb[] = {1, 2, 3, 4, 5, 6};
  ASSERT_NE(stbi_write_tga(path("rgb.tga").c_str(), 2, 1, 3, rgb), 0);
  const float hdr[] = {0.5f, 2.0f, 0.25f};
  ASSERT_NE(stbi_write_hdr(path("bright.hdr").c_str(), 1, 1, 3, hdr), 0);

  MImage image;
  ASSERT_TRUE(image.readFromFile(path("grey.bmp").c_str()));
  EXPECT_EQ(bytesOf(image),
            (Bytes{30, 30, 30, 255, 40, 40, 40, 255, 10, 10, 10, 255, 20, 20, 20, 255}));
  EXPECT_EQ(image.depth(), 4u);
  ASSERT_TRUE(image.readFromFile(path("rgb.tga").c_str()));
  EXPECT_EQ(bytesOf(image), (Bytes{1, 2, 3, 255, 4, 5, 6, 255}));
  ASSERT_TRUE(image.readFromFile(path("bright.hdr").c_str(), MImage::kFloat));
  EXPECT_EQ(image.depth(), 16u);
  EXPECT_NEAR(image.floatPixels()[0], 0.5f, 0.01f);
  EXPECT_NEAR(image.floatPixels()[1], 2.0f, 0.02f);
  EXPECT_FLOAT_EQ(image.floatPixels()[3], 1.0f);

  // Read as floats: 0..255 becomes 0..1.
  ASSERT_TRUE(image.readFromFile(path("rgb.tga").c_str(), MImage::kFloat));
  EXPECT_EQ(image.pixels(), nullptr);
  ASSERT_NE(image.floatPixels(), nullptr);
  EXPECT_FLOAT_EQ(image.floatPixels()[5], 5 / 255.0f);
  EXPECT_FLOAT_EQ(image.floatPixels()[3], 1.0f);
}

TEST_F(ImageFiles, WrittenFilesReadBackUnchanged) {
  const Bytes data = counting(5, 3);
  MImage image;
  image.setPixels(const_cast<unsigned char*>(data.data()), 5, 3);
  for (const char* name : {"out.png", "out.tga", "out.bmp"}) {
    ASSERT_TRUE(image.writeToFile(path(name).c_str())) << name;  // format from the extension
    MImage back;
    ASSERT_TRUE(back.readFromFile(path(name).c_str())) << name;
    EXPECT_EQ(bytesOf(back), data) << name;
  }
  EXPECT_FALSE(image.writeToFile(path("out.unknown").c_str()));
  EXPECT_FALSE(image.writeToFile(path("out.png").c_str(), "exr"));
}

// ---- resize

MImage& filled(MImage& image, unsigned int width, unsigned int height, unsigned char red = 255) {
  image.create(width, height);
  unsigned char* p = image.pixels();
  for (std::size_t i = 0; i < std::size_t{width} * height; ++i) p[4 * i] = red;
  return image;
}

unsigned int widthOf(const MImage& image) {
  unsigned int w = 0, h = 0;
  image.getSize(w, h);
  return w;
}
unsigned int heightOf(const MImage& image) {
  unsigned int w = 0, h = 0;
  image.getSize(w, h);
  return h;
}

TEST(ImageResize, KeepingTheShapeFitsTheRequestedBox) {
  struct Case {
    unsigned int w, h;
    int boxW, boxH;
    unsigned int outW, outH;
  };
  for (const Case& c :
       {Case{100, 50, 10, 10, 10, 5}, Case{50, 100, 10, 10, 5, 10}, Case{3, 2, 1, 1, 1, 1},
        Case{100, 1, 10, 10, 10, 1}, Case{1, 100, 10, 3, 1, 3}, Case{4, 3, 8, 6, 8, 6},
        Case{10, 10, 25, 40, 25, 25}}) {
    MImage image;
    ASSERT_TRUE(filled(image, c.w, c.h).resize(c.boxW, c.boxH, true));
    EXPECT_EQ(widthOf(image), c.outW) << c.w << "x" << c.h << " into " << c.boxW << "x" << c.boxH;
    EXPECT_EQ(heightOf(image), c.outH) << c.w << "x" << c.h << " into " << c.boxW << "x" << c.boxH;
  }
  MImage stretched;
  ASSERT_TRUE(filled(stretched, 100, 50).resize(7, 9, false));
  EXPECT_EQ(widthOf(stretched), 7u);
  EXPECT_EQ(heightOf(stretched), 9u);
}

TEST(ImageResize, BadRequestsFailAndLeaveTheImageAlone) {
  MImage image;
  filled(image, 4, 3, 77);
  const Bytes before = bytesOf(image);
  for (auto [w, h] : {std::pair{0, 3}, std::pair{4, 0}, std::pair{-1, 5},
                      std::pair{2000000, 2000000}, std::pair{100000, 100000}}) {
    EXPECT_FALSE(image.resize(w, h, true)) << w << "x" << h;
    EXPECT_FALSE(image.resize(w, h, false)) << w << "x" << h;
    EXPECT_EQ(bytesOf(image), before);
  }
  MImage empty;
  EXPECT_FALSE(empty.resize(2, 2));
  expectEmpty(empty);
}

TEST(ImageResize, ResizingDoesNotInventOrRingValues) {
  // The same size keeps every byte; shrinking a uniform image keeps it
  // uniform, and a channel that is 0 everywhere stays 0 whatever its
  // neighbours.
  MImage image;
  Bytes data = counting(6, 4);
  image.setPixels(data.data(), 6, 4);
  ASSERT_TRUE(image.resize(6, 4));
  EXPECT_EQ(bytesOf(image), data);

  MImage uniform;
  ASSERT_TRUE(filled(uniform, 9, 6, 51).resize(4, 4));
  for (std::size_t i = 0; i < bytesOf(uniform).size(); i += 4) EXPECT_EQ(bytesOf(uniform)[i], 51);

  MImage stripes;
  stripes.create(8, 8);
  for (unsigned int i = 0; i < 64; ++i) stripes.pixels()[4 * i + 1] = (i % 2) ? 255 : 0;  // green
  for (auto [w, h] : {std::pair{3, 3}, std::pair{20, 20}}) {
    MImage copy;
    copy.setPixels(stripes.pixels(), 8, 8);
    ASSERT_TRUE(copy.resize(w, h));
    const Bytes out = bytesOf(copy);
    for (std::size_t i = 0; i < out.size(); i += 4) EXPECT_EQ(out[i], 0) << "red at " << i / 4;
  }
}

}  // namespace
