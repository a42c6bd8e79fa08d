// game_object.cpp: the game object's draw, the registry and the menus' registry draw.
#include "game/scene/game_object.h"

#include "engine/graphics/draw_batch.h"
#include "engine/graphics/draw_state.h"
#include "engine/graphics/texture.h"
#include "engine/system/window.h"
#include "game/scene/camera.h"

std::vector<GameObject*> ObjectRegistry;
uint32_t NextObjectId = 0;
Mesh* UnitQuadMesh = nullptr;
Texture* PlatformTexture = nullptr;
Texture* SpikeTexture = nullptr;

static const Matrix3 Identity3 = {{1, 0, 0, 0, 1, 0, 0, 0, 1}};

GameObject::GameObject() : id(NextObjectId++) {}

static bool UsesTiling(ObjectKind kind)
{
    return kind == KIND_SPIKES || kind == KIND_PLATFORM || kind == KIND_GRAPPLE_POINT ||
           kind == KIND_LAVA;
}

void GameObject::Draw(const Matrix3* parent)
{
    if (!mesh) return;
    SetTintEnabled(tintEnabled);
    SetTintColor(tint);

    const Matrix3 local = MakeTransformMatrix({position, scale, rotation});
    const Matrix3 world = parent ? Matrix3Multiply(*parent, local) : local;

    if (tiledTexture && PlatformTexture && SpikeTexture)
    {
        if (kind == KIND_PLATFORM)
        {
            const Matrix3 tiles = {{scale.x / PLATFORM_TILE_SIZE, 0, 0, //
                                    0, scale.y / PLATFORM_TILE_SIZE, 0, //
                                    0, 0, 1}};
            SetTextureTransform(&tiles);
        }
        else if (kind == KIND_SPIKES || kind == KIND_LAVA)
        {
            // Whole repeats only: a spike texture narrower than one tile shows none.
            const Matrix3 tiles = {
                {static_cast<float>(SpikeTexture->Width / SPIKE_TILE_WIDTH), 0, 0,   //
                 0, static_cast<float>(SpikeTexture->Height / SPIKE_TILE_HEIGHT), 0, //
                 0, 0, 1}};
            SetTextureTransform(&tiles);
        }
    }
    else if (name != PLAYER_OBJECT_NAME)
    {
        SetTextureTransform(&Identity3);
    }

    if (texture) SetTexture(texture);
    SetWorldTransform(world);
    DrawMesh(mesh);
}

GameObject* InitGameObject(GameObject* object, const char* name, float x, float y, float scaleX,
                           float scaleY, float rotation, ObjectKind kind, Texture* texture)
{
    if (!object) return nullptr;
    object->name = name ? name : "";
    object->position = {x, y};
    object->scale = {scaleX, scaleY};
    object->baseScale = {scaleX, scaleY};
    object->rotation = rotation;
    object->mesh = UnitQuadMesh;
    object->texture = texture;
    object->kind = kind;
    object->active = true;
    object->alive = true;
    object->visible = true;
    object->tiledTexture = UsesTiling(kind);
    ObjectRegistry.push_back(object);
    object->Initialize();
    return object;
}

GameObject* FindGameObject(const char* name)
{
    if (!name) return nullptr;
    for (GameObject* object : ObjectRegistry)
        if (object && object->name == name) return object;
    return nullptr;
}

void UpdateGameObjects()
{
    // By index and against the current size: an Update may register new objects, which
    // then get their first Update in this same pass.
    for (size_t i = 0; i < ObjectRegistry.size(); ++i)
    {
        GameObject* object = ObjectRegistry[i];
        if (object && object->active && object->alive) object->Update();
    }
}

void DestroyAllGameObjects()
{
    while (!ObjectRegistry.empty())
    {
        // Out of the registry before its destructor runs, so that nothing the destructor
        // calls can find it half-destroyed.
        GameObject* object = ObjectRegistry.back();
        ObjectRegistry.pop_back();
        delete object;
    }
}

void DrawGameObjects()
{
    SetViewport(0.0f, 0.0f, static_cast<float>(WindowWidth), static_cast<float>(WindowHeight));
    SetClearColor(0xFF000000u);
    ClearBuffers();

    Camera camera("Camera", WORLD_WIDTH, WORLD_HEIGHT);
    ApplyCamera(&camera);
    BeginDrawBatch();
    for (size_t i = 0; i < ObjectRegistry.size(); ++i)
    {
        GameObject* object = ObjectRegistry[i];
        if (object && object->visible && object->alive) object->Draw(nullptr);
    }
    EndDrawBatch();
}
