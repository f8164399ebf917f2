// Vec3: three doubles, the game's one point-and-direction record (world
// units or degrees, whatever the owner's field says).  Transforms, the
// camera's corner ray and the effect tables use it.
#pragma once

struct Vec3 {
    double x, y, z;
};
