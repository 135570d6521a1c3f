// zubCmd_boxesFromImage: builds a field of cubes from the red channel of an
// image file (-file): one cube per pixel whose red is not 0, as tall as that
// red (255 -> 1 unit), on a grid of 0.1 units, columns along +X and rows
// along +Z. -scale resizes the image first (1 when absent). The cubes are
// made by MEL with undo off, one evaluation each; the run can be
// interrupted, and the cubes made so far stay.
#pragma once

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>
#include <maya/MSyntax.h>

class zubCmd_boxesFromImage : public MPxCommand {
 public:
  static constexpr char kName[] = "zubCmd_boxesFromImage";
  static constexpr char kFileFlag[] = "-f";
  static constexpr char kFileFlagLong[] = "-file";
  static constexpr char kScaleFlag[] = "-s";
  static constexpr char kScaleFlagLong[] = "-scale";

  static void* creator();
  static MSyntax newSyntax();

  ~zubCmd_boxesFromImage() override;
  MStatus doIt(const MArgList& args) override;
};
