// Transform: placement setters, incremental changes and the GL multiply.
#include "scene/transform.h"

#include <GL/gl.h>

Transform::Transform() {
    clear();
}

void Transform::reset() {
    position = {0, 0, 0};
    rotation = {0, 0, 0};
    scale = {1, 1, 1};
}

void Transform::clear() {
    reset();
    scaled = false;
}

void Transform::setPosition(double x, double y, double z) {
    position = {x, y, z};
}

void Transform::setRotation(double x, double y, double z) {
    rotation = {x, y, z};
}

void Transform::setScale(double x, double y, double z) {
    scale = {x, y, z};
    scaled = true;
}

void Transform::move(double dx, double dy, double dz) {
    position.x += dx;
    position.y += dy;
    position.z += dz;
}

void Transform::turn(double dx, double dy, double dz) {
    rotation.x += dx;
    rotation.y += dy;
    rotation.z += dz;
}

void Transform::grow(double dx, double dy, double dz) {
    scale.x += dx;
    scale.y += dy;
    scale.z += dz;
    scaled = true;
}

void Transform::apply() const {
    // Zero steps are identities; skipping them saves GL calls per object.
    if (position.x != 0 || position.y != 0 || position.z != 0)
        glTranslatef((GLfloat)position.x, (GLfloat)position.y, (GLfloat)position.z);
    if (rotation.x != 0) glRotatef((GLfloat)rotation.x, 1, 0, 0);
    if (rotation.y != 0) glRotatef((GLfloat)rotation.y, 0, 1, 0);
    if (rotation.z != 0) glRotatef((GLfloat)rotation.z, 0, 0, 1);
    if (scaled) applyScale();
}

void Transform::applyScale() const {
    glScaled(scale.x, scale.y, scale.z);
}
