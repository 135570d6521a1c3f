#include "osc/zubCmd_changeOSCValues.h"

#include <maya/MArgDatabase.h>
#include <maya/MGlobal.h>
#include <maya/MString.h>

#include "plugin/PluginState.h"

zubCmd_changeOSCValues::~zubCmd_changeOSCValues() = default;

void* zubCmd_changeOSCValues::creator() { return new zubCmd_changeOSCValues; }

MSyntax zubCmd_changeOSCValues::newSyntax() {
  MSyntax syntax;
  syntax.addFlag(kSeparatorFlag, kSeparatorFlagLong, MSyntax::kString);
  syntax.addFlag(kIndexFlag, kIndexFlagLong, MSyntax::kLong);
  syntax.addFlag(kNameFlag, kNameFlagLong, MSyntax::kString);
  syntax.addFlag(kFactorFlag, kFactorFlagLong, MSyntax::kString);
  return syntax;
}

// The parse status is not looked at: the host has already reported a bad flag,
// and the command acts on the flags that were read. -name and -factor count
// only with -index; a missing one clears its part of the position.
MStatus zubCmd_changeOSCValues::doIt(const MArgList& args) {
  const MArgDatabase db(syntax(), args);

  const bool hasIndex = db.isFlagSet(kIndexFlag);
  int index = 0;
  MString name;
  MString factor;
  if (hasIndex) {
    if (!db.getFlagArgument(kIndexFlag, 0, index)) {
      displayError(MString(kName) + ": -index needs a whole number from 0 to " +
                   static_cast<double>(kTokenSlots - 1) + "; nothing was changed");
      return MS::kFailure;
    }
    if (index < 0 || index >= kTokenSlots) {
      displayError(MString(kName) + ": -index " + static_cast<double>(index) +
                   " is outside the mapping positions 0 to " +
                   static_cast<double>(kTokenSlots - 1) + "; nothing was changed");
      return MS::kFailure;
    }
    db.getFlagArgument(kNameFlag, 0, name);
    db.getFlagArgument(kFactorFlag, 0, factor);
  }

  if (db.isFlagSet(kSeparatorFlag))
    db.getFlagArgument(kSeparatorFlag, 0, pluginState.tokenSeparator);
  if (hasIndex) {
    pluginState.tokenAttributes[index] = name;
    pluginState.tokenFactors[index] = factor.asDouble();
  }
  return MS::kSuccess;
}
