// game_object.h: the game object, the one registry that owns them all, and its draw.
//
// Everything on screen, in a level or in a menu, is a GameObject: a named, textured unit quad
// with a position, a size, a rotation, a kind and four flags. Creators allocate an object (or
// a subclass), register it with InitGameObject, and the registry deletes it when the state
// ends (DestroyAllGameObjects). Objects are found by exact name, updated in registration
// order, and drawn either by the render layers or, in the menus, straight from the registry.
#pragma once

#include "engine/graphics/math2d.h"
#include "game/scene/object_kind.h"

#include <cstdint>
#include <string>
#include <vector>

struct Mesh;
struct Texture;
class RenderLayer;

// Tiled platforms repeat their texture once every this many world units.
constexpr float PLATFORM_TILE_SIZE = 32.0f;
// Spikes and lava repeat the spike texture once per this many of its pixels, across and up.
constexpr uint32_t SPIKE_TILE_WIDTH = 1500;
constexpr uint32_t SPIKE_TILE_HEIGHT = 624;
// The object whose draw keeps the texture matrix its own Draw has just set (its run frame).
constexpr const char* PLAYER_OBJECT_NAME = "player";

class GameObject
{
  public:
    GameObject();
    virtual ~GameObject() = default;
    GameObject(const GameObject&) = delete;
    GameObject& operator=(const GameObject&) = delete;

    // Called once, by InitGameObject, after the object has joined the registry.
    virtual void Initialize() {}
    // Once a frame while the object is active and alive.
    virtual void Update() {}
    // The quad under `parent` (a camera's world-to-camera matrix), or as it stands for null.
    virtual void Draw(const Matrix3* parent);

    uint32_t id;      // serial number, never reused
    std::string name; // look-up key, compared byte for byte
    ObjectKind kind = KIND_PLAYER;
    bool active = false;  // Update runs only while set
    bool alive = false;   // takes part in update, draw and layers only while set
    bool visible = false; // Draw runs only while set
    bool tiledTexture = false;
    Vec2 position = {0.0f, 0.0f};  // centre, world units
    Vec2 baseScale = {0.0f, 0.0f}; // the size given at registration
    Vec2 scale = {1.0f, 1.0f};     // current width and height, world units
    float rotation = 0.0f;         // radians, counter-clockwise
    Mesh* mesh = nullptr;
    Texture* texture = nullptr; // not owned
    bool tintEnabled = false;
    uint32_t tint = 0xFFFFFFFFu;  // 0xAARRGGBB
    RenderLayer* layer = nullptr; // the layer it was last added to; not owned
    float depth = 0.0f;           // sort key inside a layer, smaller first
};

// Every registered object, in registration order; owns them.
extern std::vector<GameObject*> ObjectRegistry;
// The id the next constructed object takes. Counts across states; never reset.
extern uint32_t NextObjectId;
// The shared unit quad, made by each state's Load and released by its Unload.
extern Mesh* UnitQuadMesh;
// The level textures of platforms and of spikes and lava. Null until a level loads them;
// a level that releases them sets them back to null.
extern Texture* PlatformTexture;
extern Texture* SpikeTexture;

// Names, places and sizes the object, gives it the unit quad, the texture and the kind, sets
// active, alive and visible (and tiledTexture for spikes, platforms, grapple points and lava),
// appends it to the registry and calls its Initialize. Null does nothing and gives null.
GameObject* InitGameObject(GameObject* object, const char* name, float x, float y, float scaleX,
                           float scaleY, float rotation, ObjectKind kind, Texture* texture);
// The first registered object with exactly this name, or null.
GameObject* FindGameObject(const char* name);
// Updates every active, alive object, front to back. Objects registered during the pass are
// updated in the same pass.
void UpdateGameObjects();
// Deletes every registered object, newest first, and empties the registry.
void DestroyAllGameObjects();
// The menus' draw: clears the window to black and draws every visible, alive object of the
// registry in registration order through a temporary 1920 x 1080 letterboxed camera.
void DrawGameObjects();
