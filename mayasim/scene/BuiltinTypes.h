// The node types every scene starts with.
//
//   dependNode (abstract)  message/msg, caching/cch, isHistoricallyInteresting/ihi
//   dagNode (abstract)     + visibility/v (bool, on)
//   transform              + translate/t, rotate/r, scale/s (double3; scale defaults to 1)
//   shape (abstract)       a DAG leaf under a transform
//   mesh                   + inMesh/i, outMesh/o (outMesh follows inMesh)
//   locator                + localPosition/lp (double3)
//   light (abstract)       + intensity/in, color/cl (double3)
//   pointLight, camera
//   polyCube               + width/w, height/h, depth/d (distance, 1), output/out (mesh)
//
// apiType numbers: see scene::api in Types.h.
#pragma once

namespace scene {

class Scene;

// Called by the Scene constructor.
void registerBuiltinTypes(Scene& scene);

}  // namespace scene
