// MImage over stb: decoding (PNG, JPEG, BMP, TGA, GIF, PSD, HDR, PIC, PNM),
// resizing, and writing PNG, BMP and TGA (stb's JPEG writer shifts negative
// values, which the sanitizers rightly refuse).
//
// Pixels are always 4 channels in RGBA order, tightly packed. Rows run
// bottom to top, as in Maya: row 0 of pixels() is the bottom row of the
// picture, the first row of a file is the last row of the buffer.
// verticalFlip() turns that around.
//
// The stb code is compiled static into this file, so no other library in
// the process can clash with its symbols.
#include <maya/MImage.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>
#define STB_IMAGE_RESIZE_STATIC
#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb/stb_image_resize.h>
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace {

constexpr unsigned int kChannels = 4;
// Larger images are refused: a side beyond this, or more pixels in all
// (256 Mi pixels, 1 GiB of bytes), is a request no scene needs.
constexpr std::uint64_t kMaxSide = 1u << 20;
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 28;

bool sizeAllowed(std::uint64_t width, std::uint64_t height) {
  return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
         width * height <= kMaxPixels;
}

// Reverses the order of the rows of a `height` x `rowSize` buffer.
template <typename T>
void flipRows(std::vector<T>& data, std::size_t rowSize, std::size_t height) {
  for (std::size_t top = 0, bottom = height; top + 1 < bottom; ++top) {
    --bottom;
    std::swap_ranges(data.begin() + static_cast<std::ptrdiff_t>(top * rowSize),
                     data.begin() + static_cast<std::ptrdiff_t>((top + 1) * rowSize),
                     data.begin() + static_cast<std::ptrdiff_t>(bottom * rowSize));
  }
}

std::string lowered(std::string text) {
  for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return text;
}

// The extension of `path` without the dot, lower case ("" when none).
std::string extensionOf(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  const std::size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return lowered(path.substr(dot + 1));
}

// Fits `width` x `height` into the box `boxW` x `boxH`, keeping its shape.
// The side that limits takes the box's size; the other is rounded, and
// each side is at least 1.
void fitInto(unsigned int width, unsigned int height, int boxW, int boxH, int& outW, int& outH) {
  const std::uint64_t w = width, h = height, bw = static_cast<std::uint64_t>(boxW),
                      bh = static_cast<std::uint64_t>(boxH);
  if (bw * h <= bh * w) {  // the width limits
    outW = boxW;
    outH = static_cast<int>(std::clamp<std::uint64_t>((2 * h * bw + w) / (2 * w), 1, bh));
  } else {
    outH = boxH;
    outW = static_cast<int>(std::clamp<std::uint64_t>((2 * w * bh + h) / (2 * h), 1, bw));
  }
}

}  // namespace

struct MImage::Impl {
  unsigned int width = 0;
  unsigned int height = 0;
  MPixelType type = kUnknown;
  std::vector<unsigned char> bytes;  // kByte: 4 per pixel
  std::vector<float> floats;         // kFloat: 4 per pixel, 0 to 1 (HDR may exceed 1)

  void clear() {
    width = height = 0;
    type = kUnknown;
    bytes = {};
    floats = {};
  }
  std::size_t valueCount() const { return std::size_t{width} * height * kChannels; }
};

MImage::MImage() : impl_(new Impl) {}

MImage::~MImage() { delete impl_; }

const char* MImage::className() { return "MImage"; }

MStatus MImage::create(unsigned int width, unsigned int height, unsigned int channels,
                       MPixelType type) {
  if (channels != kChannels || (type != kByte && type != kFloat) || !sizeAllowed(width, height))
    return MS::kInvalidParameter;
  impl_->clear();
  impl_->width = width;
  impl_->height = height;
  impl_->type = type;
  if (type == kByte)
    impl_->bytes.assign(impl_->valueCount(), 0);
  else
    impl_->floats.assign(impl_->valueCount(), 0.0f);
  return MS::kSuccess;
}

MStatus MImage::readFromFile(MString pathname, MPixelType type) {
  impl_->clear();
  const std::string path = pathname.asChar();
  if (path.empty() || (type != kByte && type != kFloat)) return MS::kFailure;

  int w = 0, h = 0, channelsInFile = 0;
  if (type == kFloat && stbi_is_hdr(path.c_str())) {
    float* data = stbi_loadf(path.c_str(), &w, &h, &channelsInFile, kChannels);
    if (!data) return MS::kFailure;
    if (!sizeAllowed(static_cast<unsigned>(w), static_cast<unsigned>(h))) {
      stbi_image_free(data);
      return MS::kFailure;
    }
    impl_->floats.assign(data, data + std::size_t(w) * std::size_t(h) * kChannels);
    stbi_image_free(data);
  } else {
    unsigned char* data = stbi_load(path.c_str(), &w, &h, &channelsInFile, kChannels);
    if (!data) return MS::kFailure;
    if (!sizeAllowed(static_cast<unsigned>(w), static_cast<unsigned>(h))) {
      stbi_image_free(data);
      return MS::kFailure;
    }
    const std::size_t count = std::size_t(w) * std::size_t(h) * kChannels;
    if (type == kByte) {
      impl_->bytes.assign(data, data + count);
    } else {  // 8-bit file read as floats: the plain 0..255 -> 0..1 mapping
      impl_->floats.resize(count);
      for (std::size_t i = 0; i < count; ++i) impl_->floats[i] = data[i] / 255.0f;
    }
    stbi_image_free(data);
  }
  impl_->width = static_cast<unsigned>(w);
  impl_->height = static_cast<unsigned>(h);
  impl_->type = type;
  verticalFlip();  // files store the top row first
  return MS::kSuccess;
}

MStatus MImage::getSize(unsigned int& width, unsigned int& height) const {
  width = impl_->width;
  height = impl_->height;
  return MS::kSuccess;
}

MImage::MPixelType MImage::pixelType() const { return impl_->type; }

unsigned char* MImage::pixels() const {
  return impl_->type == kByte && !impl_->bytes.empty() ? impl_->bytes.data() : nullptr;
}

float* MImage::floatPixels() const {
  return impl_->type == kFloat && !impl_->floats.empty() ? impl_->floats.data() : nullptr;
}

void MImage::setPixels(unsigned char* pixels, unsigned int width, unsigned int height) {
  if (!pixels || !sizeAllowed(width, height)) return;
  impl_->clear();
  impl_->width = width;
  impl_->height = height;
  impl_->type = kByte;
  impl_->bytes.assign(pixels, pixels + impl_->valueCount());
}

unsigned int MImage::depth() const {
  switch (impl_->type) {
    case kByte:
      return kChannels;
    case kFloat:
      return kChannels * sizeof(float);
    default:
      return 0;
  }
}

MStatus MImage::resize(int width, int height, bool preserveAspectRatio) {
  if (impl_->type != kByte || impl_->bytes.empty()) return MS::kFailure;
  if (width <= 0 || height <= 0) return MS::kInvalidParameter;

  int outW = width, outH = height;
  if (preserveAspectRatio) fitInto(impl_->width, impl_->height, width, height, outW, outH);
  if (!sizeAllowed(static_cast<unsigned>(outW), static_cast<unsigned>(outH)))
    return MS::kInvalidParameter;
  if (static_cast<unsigned>(outW) == impl_->width && static_cast<unsigned>(outH) == impl_->height)
    return MS::kSuccess;

  // Averaging over the covered area when shrinking, bilinear when growing;
  // neither rings, so a channel that is 0 everywhere around stays 0.
  const bool shrinking =
      static_cast<unsigned>(outW) < impl_->width || static_cast<unsigned>(outH) < impl_->height;
  std::vector<unsigned char> out(std::size_t(outW) * std::size_t(outH) * kChannels);
  const int ok = stbir_resize_uint8_generic(
      impl_->bytes.data(), static_cast<int>(impl_->width), static_cast<int>(impl_->height), 0,
      out.data(), outW, outH, 0, kChannels, STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_CLAMP,
      shrinking ? STBIR_FILTER_BOX : STBIR_FILTER_TRIANGLE, STBIR_COLORSPACE_LINEAR, nullptr);
  if (!ok) return MS::kFailure;
  impl_->bytes = std::move(out);
  impl_->width = static_cast<unsigned>(outW);
  impl_->height = static_cast<unsigned>(outH);
  return MS::kSuccess;
}

MStatus MImage::writeToFile(MString pathname, MString outputFormat) const {
  const std::string path = pathname.asChar();
  std::string format = lowered(outputFormat.asChar());
  if (format == "iff" || format.empty()) format = extensionOf(path);  // no IFF writer here
  if (path.empty() || impl_->valueCount() == 0) return MS::kFailure;

  // Bytes, top row first, as files keep them.
  std::vector<unsigned char> data;
  if (impl_->type == kByte) {
    data = impl_->bytes;
  } else {
    data.resize(impl_->floats.size());
    for (std::size_t i = 0; i < data.size(); ++i)
      data[i] =
          static_cast<unsigned char>(std::clamp(impl_->floats[i], 0.0f, 1.0f) * 255.0f + 0.5f);
  }
  const std::size_t rowSize = std::size_t{impl_->width} * kChannels;
  flipRows(data, rowSize, impl_->height);

  const int w = static_cast<int>(impl_->width), h = static_cast<int>(impl_->height);
  int ok = 0;
  if (format == "png")
    ok = stbi_write_png(path.c_str(), w, h, kChannels, data.data(), static_cast<int>(rowSize));
  else if (format == "bmp")
    ok = stbi_write_bmp(path.c_str(), w, h, kChannels, data.data());
  else if (format == "tga")
    ok = stbi_write_tga(path.c_str(), w, h, kChannels, data.data());
  else
    return MS::kInvalidParameter;
  return ok ? MS::kSuccess : MS::kFailure;
}

MStatus MImage::release() {
  impl_->clear();
  return MS::kSuccess;
}

void MImage::verticalFlip() {
  const std::size_t rowValues = std::size_t{impl_->width} * kChannels;
  if (impl_->type == kByte)
    flipRows(impl_->bytes, rowValues, impl_->height);
  else if (impl_->type == kFloat)
    flipRows(impl_->floats, rowValues, impl_->height);
}

// Pixels here are always red, green, blue, alpha; the switch exists for
// sources written for hosts whose default order differs.
void MImage::setRGBA(bool) {}
bool MImage::isRGBA() const { return true; }
