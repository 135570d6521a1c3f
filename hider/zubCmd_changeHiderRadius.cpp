#include "hider/zubCmd_changeHiderRadius.h"

#include <maya/MArgDatabase.h>

#include "plugin/PluginState.h"

void* zubCmd_changeHiderRadius::creator() { return new zubCmd_changeHiderRadius; }

MSyntax zubCmd_changeHiderRadius::newSyntax() {
  MSyntax syntax;
  syntax.addFlag(kRadiusFlag, kRadiusFlagLong, MSyntax::kDouble);
  return syntax;
}

zubCmd_changeHiderRadius::~zubCmd_changeHiderRadius() = default;

MStatus zubCmd_changeHiderRadius::doIt(const MArgList& args) {
  MArgDatabase db(syntax(), args);
  if (db.isFlagSet(kRadiusFlag)) db.getFlagArgument(kRadiusFlag, 0, pluginState.hiderRadius);
  return MS::kSuccess;
}
