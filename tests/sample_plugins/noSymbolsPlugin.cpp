// A library that carries the API version but no initializePlugin: the host
// must refuse it before calling anything.
#include <maya/MFnPlugin.h>

PLUGIN_EXPORT int noSymbolsPluginMarker() { return 1; }
