#include "hider/HiderLabels.h"

#include "plugin/PluginState.h"

MString pickLabel(bool asHider) {
  const bool picked = asHider ? pluginState.hiderPicked : pluginState.hiddenPicked;
  if (!picked) return MString(kNoPickLabel);
  return asHider ? pluginState.hiderMesh.name() : pluginState.hiddenMesh.name();
}
