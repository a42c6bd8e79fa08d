// scene_test.h: a fresh headless machine with an empty scene for every scene logic test.
//
// The renderer runs headless (no GL context on the scripted platform), so draws keep their
// CPU-side state, which the tests read: TextureMatrix, ModelMatrix, BoundTexture and the
// projection. Every test ends with the scene, the sheets and the unit quad freed.
#pragma once

#include "tests/engine/scripted_machine.h"

#include "engine/graphics/draw_state.h"
#include "engine/graphics/mesh.h"
#include "engine/graphics/texture.h"
#include "game/scene/camera.h"
#include "game/scene/game_object.h"
#include "game/scene/render_layer.h"
#include "game/scene/sprite.h"
#include "game/scene/sprite_sheet.h"

#include <functional>
#include <string>
#include <vector>

class SceneTest : public ScriptedMachineTest
{
  protected:
    // What JournalObjects did; outlives them, since TearDown deletes them.
    std::vector<std::string> journal;

    void SetUp() override
    {
        ScriptedMachineTest::SetUp();
        MousePosition = {0.0f, 0.0f};
        SetTextureTransform(nullptr);
        SetTexture(nullptr);
        UnitQuadMesh = CreateUnitQuad();
        ASSERT_NE(UnitQuadMesh, nullptr);
    }

    void TearDown() override
    {
        FreeScene();
        FreeSpriteSheets();
        ReleaseMesh(UnitQuadMesh);
        UnitQuadMesh = nullptr;
        ReleaseTexture(PlatformTexture);
        ReleaseTexture(SpikeTexture);
        PlatformTexture = nullptr;
        SpikeTexture = nullptr;
        ScriptedMachineTest::TearDown();
    }
};

// A game object that writes what happens to it into a shared journal: "U<name>" for an
// update, "D<name>" for a draw, "~<name>" for its destruction, plus an optional extra Update.
class JournalObject : public GameObject
{
  public:
    explicit JournalObject(std::vector<std::string>* journal) : journal_(journal) {}
    ~JournalObject() override { journal_->push_back("~" + name); }
    void Update() override
    {
        journal_->push_back("U" + name);
        if (onUpdate) onUpdate();
    }
    void Draw(const Matrix3* parent) override
    {
        journal_->push_back("D" + name);
        lastParent = parent ? *parent : Matrix3{{1, 0, 0, 0, 1, 0, 0, 0, 1}};
        GameObject::Draw(parent);
    }

    std::function<void()> onUpdate;
    Matrix3 lastParent = {{1, 0, 0, 0, 1, 0, 0, 0, 1}};

  private:
    std::vector<std::string>* journal_;
};

inline JournalObject* MakeJournalObject(std::vector<std::string>* journal, const char* name,
                                        ObjectKind kind = KIND_BUTTON)
{
    auto* object = new JournalObject(journal);
    InitGameObject(object, name, 0.0f, 0.0f, 10.0f, 10.0f, 0.0f, kind, nullptr);
    return object;
}

// The texture matrix as its diagonal and offset, for readable comparisons.
struct TextureScaleOffset
{
    float sx, sy, ox, oy;
};
inline TextureScaleOffset CurrentTextureScaleOffset()
{
    return {TextureMatrix.m[0], TextureMatrix.m[4], TextureMatrix.m[2], TextureMatrix.m[5]};
}
