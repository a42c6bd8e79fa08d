// render_layer.h: render layers, the list that owns them, and the levels' draw.
//
// A layer is a named, ordered group of game objects with the cameras that look at it;
// drawing it draws every object once through each camera. Layers draw in the order of
// LayerList (by `order`, then creation). Layers own neither their objects (the registry does)
// nor their cameras (CameraList does); FreeScene ends all three.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class GameObject;
struct Camera;

class RenderLayer
{
  public:
    // A null name is the empty name.
    explicit RenderLayer(const char* layerName);
    virtual ~RenderLayer() = default;
    RenderLayer(const RenderLayer&) = delete;
    RenderLayer& operator=(const RenderLayer&) = delete;

    // Through each camera in depth order: sort the objects by depth, apply the camera, clear
    // if it asks to, draw every alive, visible object, and drop the objects no longer alive.
    virtual void Draw();

    std::string name;
    bool visible = true;              // a hidden layer draws and clears nothing
    int32_t order = 0;                // order in LayerList, smaller first
    std::vector<Camera*> cameras;     // not owned, ordered by depth
    std::vector<GameObject*> objects; // not owned, never null
};

// Every layer, ordered by `order`; layers of equal order stay in creation order. Owns them.
extern std::vector<RenderLayer*> LayerList;

// The layer of that name, made and placed in LayerList if there is none yet.
RenderLayer* GetOrCreateLayer(const char* name);
// The first layer with exactly this name, or null.
RenderLayer* FindLayer(const char* name);
// Appends the object to the layer and records the layer in the object. Adding an object
// twice draws it twice. Null layer or object: nothing.
void AddObject(RenderLayer* layer, GameObject* object);
// The first object of the layer named exactly "player", or null.
GameObject* FindPlayer(const RenderLayer* layer);
// The levels' draw: clears the whole window to black, then draws every layer in order.
void DrawLayers();
// The end of a scene: deletes every registered object, then every camera, then every layer.
void FreeScene();
