#include "generators/zubCmd_boxesFromImage.h"

#include <maya/MArgDatabase.h>
#include <maya/MComputation.h>
#include <maya/MGlobal.h>
#include <maya/MImage.h>
#include <maya/MString.h>

#include <climits>
#include <cmath>
#include <cstddef>

#include "plugin/PluginState.h"

namespace {

constexpr unsigned int kBytesPerPixel = 4;  // red, green, blue, alpha
constexpr double kGridPitch = 10.0;         // pixels per scene unit; cubes are .1 wide

MString sizeText(unsigned int width, unsigned int height) {
  return MString() + static_cast<double>(width) + " " + static_cast<double>(height);
}

// The MEL that makes one cube of height `h` standing on the ground at
// column `c`, row `r`: polyCube leaves the new cube selected, and move -a
// places the selection.
MString cubeCommand(double h, unsigned int c, unsigned int r) {
  return MString("polyCube -width .1 -depth .1 -height ") + h + "; move -a " + c / kGridPitch +
         " " + h * 0.5 + " " + r / kGridPitch + ";";
}

void reportError(const MString& what) {
  MGlobal::displayError(MString(zubCmd_boxesFromImage::kName) + ": " + what);
}

// Resizes `image` by `scale`, keeping its shape. Reports and returns false
// when the scale asks for an empty image or one too large to make.
bool resizeByScale(MImage& image, unsigned int width, unsigned int height, double scale) {
  const double wanted[2] = {std::trunc(width * scale), std::trunc(height * scale)};
  const MString asked = MString("the scale ") + scale + " asks for a " + wanted[0] + " by " +
                        wanted[1] + " pixel image";
  for (double side : wanted) {
    if (!(side >= 1.0)) {  // also catches NaN
      reportError(asked + "; it must be at least 1 by 1");
      return false;
    }
    if (side > INT_MAX) {
      reportError(asked + ", more than the host can hold");
      return false;
    }
  }
  if (!image.resize(static_cast<int>(wanted[0]), static_cast<int>(wanted[1]), true)) {
    reportError(asked + ", which the host cannot make");
    return false;
  }
  return true;
}

}  // namespace

void* zubCmd_boxesFromImage::creator() { return new zubCmd_boxesFromImage; }

MSyntax zubCmd_boxesFromImage::newSyntax() {
  MSyntax syntax;
  syntax.addFlag(kFileFlag, kFileFlagLong, MSyntax::kString);
  syntax.addFlag(kScaleFlag, kScaleFlagLong, MSyntax::kDouble);
  return syntax;
}

zubCmd_boxesFromImage::~zubCmd_boxesFromImage() = default;

MStatus zubCmd_boxesFromImage::doIt(const MArgList& args) {
  // A bad flag or value has already been reported by the host's parser.
  MArgDatabase db(syntax(), args);
  if (!db.isFlagSet(kFileFlag)) {
    MGlobal::displayError("Use -f (-filename) to specify the image-filename");
    return MS::kFailure;
  }
  db.getFlagArgument(kFileFlag, 0, pluginState.imageFileName);
  if (db.isFlagSet(kScaleFlag))
    db.getFlagArgument(kScaleFlag, 0, pluginState.imageScale);
  else
    pluginState.imageScale = 1.0;

  MGlobal::displayInfo("processing zubCmd_boxesFromImage (press ESC to interrupt)...");

  MImage image;
  unsigned int width = 0, height = 0;
  if (image.readFromFile(pluginState.imageFileName, MImage::kByte)) image.getSize(width, height);
  if (width == 0 || height == 0) {
    reportError(MString("cannot read the image file \"") + pluginState.imageFileName + "\"");
    return MS::kFailure;
  }
  image.setRGBA(true);
  MGlobal::displayInfo(MString("Original size: ") + sizeText(width, height));

  if (!resizeByScale(image, width, height, pluginState.imageScale)) return MS::kFailure;
  image.getSize(width, height);
  MGlobal::displayInfo(MString("After resizing: ") + sizeText(width, height));

  const unsigned char* pixels = image.pixels();
  if (!pixels) {
    reportError("the host gave no pixels for the image");
    return MS::kFailure;
  }

  MComputation computation;
  computation.beginComputation();
  for (unsigned int r = 0; r < height; ++r) {
    for (unsigned int c = 0; c < width; ++c) {
      const unsigned char red = pixels[(std::size_t{r} * width + c) * kBytesPerPixel];
      if (red == 0) continue;
      MGlobal::executeCommand(cubeCommand(red / 255.0, c, r), false, false);
      if (computation.isInterruptRequested()) break;
    }
    if (computation.isInterruptRequested()) break;
  }
  computation.endComputation();
  return MS::kSuccess;
}
