// An image in memory: RGBA, 4 channels of 8 bits (kByte) or floats (kFloat).
#ifndef _MImage
#define _MImage

#include <maya/MObject.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

#define kIffStringDefault MString("iff")

class OPENMAYA_EXPORT MImage {
 public:
  enum MPixelType { kUnknown, kByte, kFloat };

  MImage();
  ~MImage();

  // A black image of the given size.
  MStatus create(unsigned int width, unsigned int height, unsigned int channels = 4,
                 MPixelType type = kByte);
  // A file that cannot be read gives kFailure and a 0 by 0 image.
  MStatus readFromFile(MString pathname, MPixelType type = kByte);
  MStatus getSize(unsigned int& width, unsigned int& height) const;
  MPixelType pixelType() const;
  // Row by row, 4 values per pixel; NULL when there is no image.
  unsigned char* pixels() const;
  float* floatPixels() const;
  // Copies `pixels` (width * height * 4 bytes).
  void setPixels(unsigned char* pixels, unsigned int width, unsigned int height);
  unsigned int depth() const;  // bytes per pixel
  // With preserveAspectRatio, width x height is a bounding box that the
  // image is scaled to fit. kFailure unless the pixel type is kByte.
  MStatus resize(int width, int height, bool preserveAspectRatio = true);
  MStatus writeToFile(MString pathname, MString outputFormat = kIffStringDefault) const;
  MStatus release();
  void verticalFlip();
  void setRGBA(bool rgbaFormat);
  bool isRGBA() const;

  static const char* className();

 private:
  MImage(const MImage&);
  MImage& operator=(const MImage&);

  friend struct mayasim::ObjectAccess;
  struct Impl;
  Impl* impl_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
