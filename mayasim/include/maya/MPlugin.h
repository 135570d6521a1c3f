// Function types a plug-in hands to the host when it registers commands and
// node types.
#ifndef _MPlugin
#define _MPlugin

#include <maya/MApiNamespace.h>

typedef void* (*MCreatorFunction)();
typedef MSyntax (*MCreateSyntaxFunction)();
typedef MStatus (*MInitializeFunction)();

#endif
