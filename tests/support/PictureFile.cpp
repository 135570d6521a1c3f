#include "PictureFile.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

namespace rendertest {

PictureFile readPicture(const std::string& path) {
  PictureFile out;
  int w = 0, h = 0, channels = 0;
  unsigned char* data = stbi_load(path.c_str(), &w, &h, &channels, 3);
  if (!data) return out;
  out.width = w;
  out.height = h;
  for (int i = 0; i < w * h; ++i)
    out.pixels.push_back({data[i * 3], data[i * 3 + 1], data[i * 3 + 2]});
  stbi_image_free(data);
  return out;
}

}  // namespace rendertest
