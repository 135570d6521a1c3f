#include "hider/zubCmd_showHiderWindow.h"

#include <maya/MString.h>

#include "hider/HiderLabels.h"
#include "hider/HiderWindowScript.h"
#include "plugin/PluginState.h"
#include "plugin/RunMel.h"

void* zubCmd_showHiderWindow::creator() { return new zubCmd_showHiderWindow; }

zubCmd_showHiderWindow::~zubCmd_showHiderWindow() = default;

MStatus zubCmd_showHiderWindow::doIt(const MArgList&) {
  const MString hiddenLabel = pickLabel(false);
  const MString hiderLabel = pickLabel(true);
  zub::runMel(kCloseHiderWindowScript);
  return zub::runMel(hiderWindowScript(hiderLabel, hiddenLabel, pluginState.hiderRadius));
}
