// Defines the MApiVersion string that the host reads from a plug-in. Only
// one source file of a plug-in may define it; the others define
// MNoVersionString before including MFnPlugin.h. The text is MAYA_API_VERSION
// (MTypes.h), which this header does not include.
#ifndef _MApiVersion
#define _MApiVersion

#ifndef MNoVersionString
extern "C" {
#ifdef _WIN32
_declspec(dllexport) char MApiVersion[] = "201100";
#else
__attribute__((visibility("default"))) char MApiVersion[] = "201100";
#endif
}
#endif

#endif
