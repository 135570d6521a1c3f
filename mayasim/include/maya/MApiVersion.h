// Defines the MApiVersion string that the host reads from a plug-in. Only
// one source file of a plug-in may define it; the others define
// MNoVersionString before including MFnPlugin.h.
#ifndef _MApiVersion
#define _MApiVersion

#include <maya/MTypes.h>

#ifndef MNoVersionString
#define MApiVersionStringize_(x) #x
#define MApiVersionValue_(x) MApiVersionStringize_(x)
extern "C" {
PLUGIN_EXPORT char MApiVersion[] = MApiVersionValue_(MAYA_API_VERSION);
}
#undef MApiVersionValue_
#undef MApiVersionStringize_
#endif

#endif
