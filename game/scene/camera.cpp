// camera.cpp: camera creation, letterboxing, the camera projection and ScreenToWorld.
#include "game/scene/camera.h"

#include "engine/graphics/draw_state.h"
#include "engine/input/input_state.h"
#include "engine/system/window.h"
#include "game/scene/render_layer.h"

#include <algorithm>
#include <cmath>

std::vector<Camera*> CameraList;

Camera::Camera(const char* cameraName, float width, float height)
    : name(cameraName ? cameraName : ""), viewportTop(static_cast<float>(WindowHeight)),
      viewportRight(static_cast<float>(WindowWidth)), worldWidth(width), worldHeight(height)
{
}

Transform CameraTransform(const Camera& camera)
{
    return {camera.position, camera.zoom, camera.rotation};
}

Camera* CreateCamera(const char* cameraName, const char* layerName)
{
    Camera* camera = new Camera(cameraName, WORLD_WIDTH, WORLD_HEIGHT);
    CameraList.push_back(camera);

    RenderLayer* layer = FindLayer(layerName);
    if (!layer) return camera;
    std::vector<Camera*>& cameras = layer->cameras;
    cameras.erase(std::remove(cameras.begin(), cameras.end(), camera), cameras.end());
    cameras.push_back(camera);
    std::stable_sort(cameras.begin(), cameras.end(),
                     [](const Camera* a, const Camera* b)
                     { return (a ? a->depth : 0.0f) < (b ? b->depth : 0.0f); });
    return camera;
}

void ApplyCamera(Camera* camera)
{
    if (!camera) return;
    const float w = static_cast<float>(WindowWidth);
    const float h = static_cast<float>(WindowHeight);
    const float s = std::min(w / camera->worldWidth, h / camera->worldHeight);
    const float vw = s * camera->worldWidth;
    const float vh = s * camera->worldHeight;
    camera->viewportLeft = (w - vw) * 0.5f;
    camera->viewportBottom = (h - vh) * 0.5f;
    camera->viewportRight = camera->viewportLeft + vw;
    camera->viewportTop = camera->viewportBottom + vh;

    ProjectionMatrix = {{2.0f / camera->worldWidth, 0.0f, 0.0f, 0.0f,             //
                         0.0f, 2.0f / camera->worldHeight, 0.0f, 0.0f,            //
                         0.0f, 0.0f, ProjectionDepthScale, ProjectionDepthOffset, //
                         0.0f, 0.0f, 0.0f, 1.0f}};
    MultiplyProjectionView();
    SetViewport(camera->viewportLeft, camera->viewportBottom, camera->viewportRight,
                camera->viewportTop);
}

Vec2 ScreenToWorld(const Camera* camera)
{
    if (!camera) return {0.0f, 0.0f};
    const float w = static_cast<float>(WindowWidth);
    const float h = static_cast<float>(WindowHeight);
    const float u = ((w * 0.5f + MousePosition.x - camera->viewportLeft) /
                         (camera->viewportRight - camera->viewportLeft) -
                     0.5f) *
                    camera->worldWidth;
    const float v = ((h * 0.5f + MousePosition.y - camera->viewportBottom) /
                         (camera->viewportTop - camera->viewportBottom) -
                     0.5f) *
                    camera->worldHeight;
    const float c = std::cos(camera->rotation);
    const float n = std::sin(camera->rotation);
    return {c * camera->zoom.x * u - n * camera->zoom.y * v + camera->position.x,
            n * camera->zoom.x * u + c * camera->zoom.y * v + camera->position.y};
}
