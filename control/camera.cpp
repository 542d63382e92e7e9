#include "control/camera.h"

namespace vortimbal {

namespace {

constexpr float behindDistance = 6.0f;
constexpr float aboveHeight = 3.0f;
constexpr float lookDownDegrees = 7.0f;
constexpr float faceAndFollowPitchLift = 2.0f;
constexpr float smoothingWeight = 5.0f;  // the view moves 1/6 of the way each step
constexpr float heightStep = 1.0f;

}  // namespace

Camera camera;

Camera::Camera() : Controller(this) {
    position = Vector3(0, 3, 20);
    rotation = Vector3(0, -180, 0);
    setMode(JustBehind);
    setDistance(10.0f);
}

void Camera::update() {
    linearStep = 0.18f;
    angularStep = 0.16f;
    linearDamping = 0.94f;
    linearFriction = 0.11f;
    angularDamping = 0.98f;
    angularFriction = 0.09f;
    Controller::update();

    if (getMode() != Free) {
        position.y = anchor.y;
    }
    if (getMode() == FaceAndFollow) {
        smoothRotation.x += faceAndFollowPitchLift;
    }
    if (getMode() == JustBehind && getTarget() != nullptr) {
        const Controller* target = getTarget();
        position = target->getOwnerPosition() - target->forward() * behindDistance;
        rotation = target->getOwner()->rotation;
        position.y += aboveHeight;
        rotation.x -= lookDownDegrees;
    }
    anchor = position;
    smoothPosition = (position + smoothPosition * smoothingWeight) / (smoothingWeight + 1);
    smoothRotation = (rotation + smoothRotation * smoothingWeight) / (smoothingWeight + 1);
}

void Camera::applyView() {
    frustum.rotate(Vector3(-smoothRotation.x, 180 - smoothRotation.y, -smoothRotation.z));
    frustum.translate(smoothPosition * -1);
}

void Camera::raise(bool pressed) {
    if (getMode() != Free && pressed) {
        anchor.y += heightStep;
    }
    setRise(pressed);
}

void Camera::lower(bool pressed) {
    if (getMode() != Free && pressed) {
        anchor.y -= heightStep;
    }
    setSink(pressed);
}

}  // namespace vortimbal
