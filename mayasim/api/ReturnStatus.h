// Filling in the optional `MStatus* ReturnStatus` that most devkit calls take.
#pragma once

#include <maya/MStatus.h>

namespace mayasim {

// Stores `value` where the caller asked for it; a null pointer asks for nothing.
inline void setStatus(MStatus* out, MStatus value) {
  if (out) *out = value;
}

// Success when `ok`, else `failure`. A name of its own, because a status code
// would convert to bool and pick this over the overload above.
inline void setStatusOk(MStatus* out, bool ok, MStatus failure = MS::kFailure) {
  setStatus(out, ok ? MStatus(MS::kSuccess) : failure);
}

}  // namespace mayasim
