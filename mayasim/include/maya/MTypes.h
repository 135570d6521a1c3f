// Basic types, version and export macros shared by every API header.
#ifndef _MTypes
#define _MTypes

#include <maya/MApiNamespace.h>
#include <maya/MDeprecate.h>

#include <cstddef>
#include <cstdint>

#define MAYA_API_VERSION 201100

#ifndef PLUGIN_EXPORT
#ifdef _WIN32
#define PLUGIN_EXPORT _declspec(dllexport)
#else
#define PLUGIN_EXPORT __attribute__((visibility("default")))
#endif
#endif

#ifndef NULL
#define NULL 0
#endif

#ifdef _WIN32
typedef __int64 MInt64;
typedef unsigned long long MUint64;
#else
typedef long MInt64;
typedef unsigned long MUint64;
#endif

typedef short short2[2];
typedef short short3[3];
typedef int int2[2];
typedef int int3[3];
typedef int long2[2];
typedef int long3[3];
typedef float float2[2];
typedef float float3[3];
typedef double double2[2];
typedef double double3[3];
typedef double double4[4];

OPENMAYA_MAJOR_NAMESPACE_OPEN

class MSpace {
 public:
  enum Space {
    kInvalid = 0,
    kTransform = 1,
    kPreTransform = 2,
    kPostTransform = 3,
    kWorld = 4,
    kObject = kPreTransform,
    kLast = 5
  };
};

OPENMAYA_NAMESPACE_CLOSE

#endif
