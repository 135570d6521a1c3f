// zubCmd_changeHiderRadius [-radius double]: stores the hider radius. Any
// value is kept as given; the window's slider keeps to 0..10, scripts need not.
#pragma once

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>
#include <maya/MSyntax.h>

class zubCmd_changeHiderRadius : public MPxCommand {
 public:
  static constexpr char kName[] = "zubCmd_changeHiderRadius";
  static constexpr char kRadiusFlag[] = "-r";
  static constexpr char kRadiusFlagLong[] = "-radius";

  static void* creator();
  static MSyntax newSyntax();

  ~zubCmd_changeHiderRadius() override;
  MStatus doIt(const MArgList& args) override;
};
