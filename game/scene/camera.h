// camera.h: cameras, the list that owns them, letterboxing and the pointer in world units.
//
// A camera maps a fixed-size rectangle of the world onto the largest centred rectangle of the
// window with the same shape (the rest stays as letterbox bars), optionally clears that
// rectangle, and supplies the matrix that turns world coordinates into its own. Cameras made
// by CreateCamera belong to CameraList until FreeScene; the menus make short-lived ones on
// the stack to draw the registry and to read the mouse.
#pragma once

#include "engine/graphics/math2d.h"

#include <cstdint>
#include <string>
#include <vector>

// The world every camera of the game looks at.
constexpr float WORLD_WIDTH = 1920.0f;
constexpr float WORLD_HEIGHT = 1080.0f;

struct Camera
{
    // World size as given; the viewport starts as the whole window. A null name is none.
    Camera(const char* cameraName, float worldWidth, float worldHeight);

    std::string name;
    Vec2 position = {0.0f, 0.0f}; // world point at the centre of the view
    Vec2 zoom = {1.0f, 1.0f};     // world units per camera unit
    float rotation = 0.0f;        // radians
    // Window pixels from the bottom-left corner, recomputed by every ApplyCamera.
    float viewportTop;
    float viewportBottom = 0.0f;
    float viewportLeft = 0.0f;
    float viewportRight;
    float depth = 0.0f; // order among a layer's cameras, smaller first
    bool clearEnabled = true;
    uint32_t clearColor = 0xFF000000u; // 0xAARRGGBB
    float worldWidth;
    float worldHeight;
};

// Position, zoom and rotation as one transform.
Transform CameraTransform(const Camera& camera);

// Every camera made by CreateCamera, in creation order; owns them.
extern std::vector<Camera*> CameraList;

// Makes a 1920 x 1080 camera, keeps it in CameraList and, when the layer exists, adds it to
// the layer's cameras (once, ordered by depth). With no such layer the camera draws nothing
// but is still freed by FreeScene.
Camera* CreateCamera(const char* cameraName, const char* layerName);
// Letterboxes the camera's world into the window (viewport and scissor) and sets the
// projection so that the world origin is the viewport centre, y up. Null does nothing.
void ApplyCamera(Camera* camera);
// The mouse position in the camera's world, through the viewport of its last ApplyCamera.
// A pointer over a letterbox bar maps outside the world rectangle. Null gives (0, 0).
Vec2 ScreenToWorld(const Camera* camera);
