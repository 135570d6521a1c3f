// zubCmd_changeOSCValues: sets the token mapping that the OSC message handler
// applies. -separator sets the separator (only its first character splits);
// -index picks a position 0..9 whose attribute (-name) and factor (-factor,
// given as text) are both replaced. An -index outside 0..9 is refused with an
// error and a failure status, and the call then changes nothing at all.
#pragma once

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>
#include <maya/MSyntax.h>

class zubCmd_changeOSCValues : public MPxCommand {
 public:
  static constexpr char kName[] = "zubCmd_changeOSCValues";

  static constexpr char kSeparatorFlag[] = "-s";
  static constexpr char kSeparatorFlagLong[] = "-separator";
  static constexpr char kIndexFlag[] = "-i";
  static constexpr char kIndexFlagLong[] = "-index";
  static constexpr char kNameFlag[] = "-n";
  static constexpr char kNameFlagLong[] = "-name";
  static constexpr char kFactorFlag[] = "-f";
  static constexpr char kFactorFlagLong[] = "-factor";

  ~zubCmd_changeOSCValues() override;
  MStatus doIt(const MArgList& args) override;

  static void* creator();
  static MSyntax newSyntax();
};
