// render_layer.cpp: layer look-up and creation, the layer draw, DrawLayers and FreeScene.
#include "game/scene/render_layer.h"

#include "engine/graphics/draw_batch.h"
#include "engine/graphics/draw_state.h"
#include "engine/system/window.h"
#include "game/scene/camera.h"
#include "game/scene/game_object.h"

#include <algorithm>

std::vector<RenderLayer*> LayerList;

RenderLayer::RenderLayer(const char* layerName) : name(layerName ? layerName : "") {}

static bool ShallowerObject(const GameObject* a, const GameObject* b)
{
    return a->depth < b->depth;
}

void RenderLayer::Draw()
{
    if (!visible) return;
    // By index: a camera list or object list changed by a draw must not leave us reading
    // past its end.
    for (size_t c = 0; c < cameras.size(); ++c)
    {
        Camera* camera = cameras[c];
        if (!camera) continue;
        // Depths rarely change, and a stable sort of a sorted list is the list itself: skip
        // the sort (and its scratch allocation) when the order already holds.
        if (!std::is_sorted(objects.begin(), objects.end(), ShallowerObject))
            std::stable_sort(objects.begin(), objects.end(), ShallowerObject);

        const Matrix3 view = MakeInverseTransformMatrix(CameraTransform(*camera));
        ApplyCamera(camera);
        if (camera->clearEnabled)
        {
            SetClearColor(camera->clearColor);
            ClearBuffers();
        }

        for (size_t i = 0; i < objects.size();)
        {
            GameObject* object = objects[i];
            if (object->alive && object->visible) object->Draw(&view);
            if (!object->alive)
                objects.erase(objects.begin() + static_cast<std::ptrdiff_t>(i));
            else
                ++i;
        }
    }
}

RenderLayer* FindLayer(const char* name)
{
    if (!name) return nullptr;
    for (RenderLayer* layer : LayerList)
        if (layer && layer->name == name) return layer;
    return nullptr;
}

RenderLayer* GetOrCreateLayer(const char* name)
{
    if (RenderLayer* existing = FindLayer(name)) return existing;
    RenderLayer* layer = new RenderLayer(name);
    LayerList.push_back(layer);
    std::stable_sort(LayerList.begin(), LayerList.end(),
                     [](const RenderLayer* a, const RenderLayer* b)
                     { return a->order < b->order; });
    return layer;
}

void AddObject(RenderLayer* layer, GameObject* object)
{
    if (!layer || !object) return;
    object->layer = layer;
    layer->objects.push_back(object);
}

GameObject* FindPlayer(const RenderLayer* layer)
{
    if (!layer) return nullptr;
    for (GameObject* object : layer->objects)
        if (object->name == PLAYER_OBJECT_NAME) return object;
    return nullptr;
}

void DrawLayers()
{
    SetViewport(0.0f, 0.0f, static_cast<float>(WindowWidth), static_cast<float>(WindowHeight));
    SetClearColor(0xFF000000u);
    ClearBuffers();
    BeginDrawBatch();
    for (size_t i = 0; i < LayerList.size(); ++i)
        if (LayerList[i]) LayerList[i]->Draw();
    EndDrawBatch();
}

void FreeScene()
{
    DestroyAllGameObjects();
    while (!CameraList.empty())
    {
        Camera* camera = CameraList.back();
        CameraList.pop_back();
        delete camera;
    }
    while (!LayerList.empty())
    {
        RenderLayer* layer = LayerList.back();
        LayerList.pop_back();
        delete layer;
    }
}
