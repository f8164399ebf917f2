// Transform: where a thing sits in its parent's space.
//
// A translation, three rotations about the coordinate axes (degrees) and an
// optional non-uniform scale, multiplied onto the current OpenGL matrix in a
// fixed order: translate, rotate about X, then Y, then Z, then scale.  So a
// vertex v ends up at T * Rx * Ry * Rz * S * v in the parent's space.
//
// Every SceneObject has one (its own placement) and every Animator has one
// (the per-frame animation offset its actions rebuild).  Game code places
// objects with the setters and animates them with move/turn/grow.
//
// NOTE: `scaled` becomes true on the first setScale or grow and stays true
// until clear; reset keeps it.  apply skips GL calls for zero components.
#pragma once

#include "base/vec3.h"

struct Transform {
    bool scaled;   // apply the scale step at all
    Vec3 position; // world units
    Vec3 rotation; // degrees about X, Y, Z
    Vec3 scale;    // factors, 1 after reset

    Transform(); // cleared

    void reset(); // position, rotation 0; scale 1; scaled unchanged
    void clear(); // reset, then scaled false

    void setPosition(double x, double y, double z);
    void setRotation(double x, double y, double z);
    void setScale(double x, double y, double z); // also sets scaled
    void move(double dx, double dy, double dz);  // position += d
    void turn(double dx, double dy, double dz);  // rotation += d
    void grow(double dx, double dy, double dz);  // scale += d, sets scaled

    double positionX() const { return position.x; }
    double positionY() const { return position.y; }
    double positionZ() const { return position.z; }
    double scaleX() const { return scale.x; }
    bool isScaled() const { return scaled; }

    void apply() const;      // multiply onto the current GL matrix
    void applyScale() const; // glScaled with the three factors, always
};
