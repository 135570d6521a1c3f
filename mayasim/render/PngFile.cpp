#include "render/PngFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

// The stb code is compiled static into this file, as in MImage.cpp.
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace render {

std::string writePng(const Picture& picture, const std::string& path) {
  // One filter for every row rather than the best of five: several times
  // faster, the files barely larger.
  stbi_write_force_png_filter = 1;
  int length = 0;
  std::unique_ptr<unsigned char, void (*)(void*)> png(
      stbi_write_png_to_mem(picture.rgba.data(), picture.width * 4, picture.width, picture.height,
                            4, &length),
      std::free);
  if (!png) return "the picture could not be encoded";

  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return std::strerror(errno);
  fchmod(fd, 0644);  // mkstemp makes it private
  const unsigned char* at = png.get();
  std::size_t left = static_cast<std::size_t>(length);
  while (left > 0) {
    const ssize_t n = ::write(fd, at, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const std::string why = std::strerror(errno);
      ::close(fd);
      std::remove(temp.c_str());
      return why;
    }
    at += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0 || std::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string why = std::strerror(errno);
    std::remove(temp.c_str());
    return why;
  }
  return {};
}

}  // namespace render
