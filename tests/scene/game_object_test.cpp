// The game object and its registry: registration, look-up by name, the update pass, the
// order of destruction, the registry draw, and the texture-matrix rules of the object draw.
#include "tests/scene/scene_files.h"
#include "tests/scene/scene_test.h"

#include <cmath>
#include <cstring>
#include <filesystem>

namespace
{
using Journal = std::vector<std::string>;

TEST_F(SceneTest, RegistrationFillsTheObjectAppendsItAndThenInitializesIt)
{
    struct Probe : GameObject
    {
        void Initialize() override
        {
            ++initializeCalls;
            registeredBeforeInitialize = !ObjectRegistry.empty() && ObjectRegistry.back() == this;
        }
        int initializeCalls = 0;
        bool registeredBeforeInitialize = false;
    };
    Texture* picture = LoadTexture(WriteScenePng("probe.png", 4, 4, 0xFF00FF00).c_str());
    auto* probe = new Probe();
    EXPECT_EQ(
        InitGameObject(probe, "Wall3", 12.0f, -7.0f, 300.0f, 50.0f, 0.5f, KIND_SOLID, picture),
        probe);

    EXPECT_EQ(probe->name, "Wall3");
    EXPECT_FLOAT_EQ(probe->position.x, 12.0f);
    EXPECT_FLOAT_EQ(probe->position.y, -7.0f);
    EXPECT_FLOAT_EQ(probe->scale.x, 300.0f);
    EXPECT_FLOAT_EQ(probe->baseScale.y, 50.0f);
    EXPECT_FLOAT_EQ(probe->rotation, 0.5f);
    EXPECT_EQ(probe->mesh, UnitQuadMesh);
    EXPECT_EQ(probe->texture, picture);
    EXPECT_EQ(probe->kind, KIND_SOLID);
    EXPECT_TRUE(probe->active && probe->alive && probe->visible);
    EXPECT_FALSE(probe->tiledTexture) << "solids are not tiled";
    EXPECT_EQ(probe->initializeCalls, 1);
    EXPECT_TRUE(probe->registeredBeforeInitialize);
    ReleaseTexture(picture);
}

TEST_F(SceneTest, SpikesPlatformsGrapplePointsAndLavaAreTheTiledKinds)
{
    for (ObjectKind kind = -1; kind <= 30; ++kind)
    {
        GameObject* object = InitGameObject(new GameObject(), "k", 0, 0, 1, 1, 0, kind, nullptr);
        const bool tiled = kind == KIND_SPIKES || kind == KIND_PLATFORM ||
                           kind == KIND_GRAPPLE_POINT || kind == KIND_LAVA;
        EXPECT_EQ(object->tiledTexture, tiled) << "kind " << kind;
    }
}

TEST_F(SceneTest, ANullObjectRegistersNothing)
{
    EXPECT_EQ(InitGameObject(nullptr, "ghost", 0, 0, 1, 1, 0, KIND_BUTTON, nullptr), nullptr);
    EXPECT_TRUE(ObjectRegistry.empty());
}

TEST_F(SceneTest, EveryConstructionTakesTheNextIdRegisteredOrNot)
{
    const uint32_t first = NextObjectId;
    GameObject unregistered;
    auto* registered = InitGameObject(new GameObject(), "a", 0, 0, 1, 1, 0, KIND_BUTTON, nullptr);
    EXPECT_EQ(unregistered.id, first);
    EXPECT_EQ(registered->id, first + 1);
    EXPECT_EQ(NextObjectId, first + 2);
    FreeScene();
    GameObject afterAState;
    EXPECT_EQ(afterAState.id, first + 2) << "ids are never reset or reused";
}

TEST_F(SceneTest, FindGameObjectMatchesExactNamesAndPrefersTheFirstRegistered)
{
    JournalObject* first = MakeJournalObject(&journal, "FloorPlat");
    MakeJournalObject(&journal, "FloorPlat");
    JournalObject* longer = MakeJournalObject(&journal, "FloorPlat2");

    EXPECT_EQ(FindGameObject("FloorPlat"), first);
    EXPECT_EQ(FindGameObject("FloorPlat2"), longer);
    EXPECT_EQ(FindGameObject("floorplat"), nullptr) << "case matters";
    EXPECT_EQ(FindGameObject("FloorPla"), nullptr) << "a prefix is not a match";
    EXPECT_EQ(FindGameObject("FloorPlat "), nullptr);
    EXPECT_EQ(FindGameObject(nullptr), nullptr);
}

TEST_F(SceneTest, UpdatesRunInRegistrationOrderForActiveAliveObjectsEvenHiddenOnes)
{
    MakeJournalObject(&journal, "a");
    MakeJournalObject(&journal, "hidden")->visible = false;
    MakeJournalObject(&journal, "inactive")->active = false;
    MakeJournalObject(&journal, "dead")->alive = false;
    MakeJournalObject(&journal, "b");

    UpdateGameObjects();
    EXPECT_EQ(journal, (Journal{"Ua", "Uhidden", "Ub"}));

    journal.clear();
    DrawGameObjects();
    EXPECT_EQ(journal, (Journal{"Da", "Dinactive", "Db"})) << "hidden and dead ones are not drawn";
}

TEST_F(SceneTest, AnObjectRegisteredDuringTheUpdatePassIsUpdatedInThatSamePass)
{
    JournalObject* spawner = MakeJournalObject(&journal, "spawner");
    MakeJournalObject(&journal, "middle");
    spawner->onUpdate = [this, spawner]
    {
        MakeJournalObject(&journal, "spawned");
        spawner->onUpdate = nullptr;
    };

    UpdateGameObjects();
    EXPECT_EQ(journal, (Journal{"Uspawner", "Umiddle", "Uspawned"}));
}

TEST_F(SceneTest, DestroyAllDeletesNewestFirstAndLeavesAnEmptyRegistry)
{
    MakeJournalObject(&journal, "first");
    MakeJournalObject(&journal, "second");
    MakeJournalObject(&journal, "third");

    DestroyAllGameObjects();
    EXPECT_EQ(journal, (Journal{"~third", "~second", "~first"}));
    EXPECT_TRUE(ObjectRegistry.empty());

    DestroyAllGameObjects(); // an empty registry: nothing to do
    EXPECT_EQ(journal.size(), 3u);
}

TEST_F(SceneTest, TheMenuDrawLooksThroughALetterboxedFullWorldCamera)
{
    WindowWidth = 1280;
    WindowHeight = 720;
    MakeJournalObject(&journal, "logo");
    DrawGameObjects();
    EXPECT_FLOAT_EQ(ProjectionMatrix.m[0], 2.0f / 1920.0f);
    EXPECT_FLOAT_EQ(ProjectionMatrix.m[5], 2.0f / 1080.0f);
    EXPECT_EQ(journal, (Journal{"Dlogo"}));
}

// ---- the object draw ----

class ObjectDrawTest : public SceneTest
{
  protected:
    GameObject* Make(const char* name, ObjectKind kind, float w, float h)
    {
        return InitGameObject(new GameObject(), name, 0, 0, w, h, 0, kind, nullptr);
    }
    // The level textures as a level's Load makes them.
    void LoadLevelTextures(int spikeWidth, int spikeHeight)
    {
        PlatformTexture = LoadTexture(WriteScenePng("RectPlat.png", 32, 32, 0xFF808080).c_str());
        // Large pictures are slow to compress: each size is written once per run.
        const std::string spikes =
            "Spikes" + std::to_string(spikeWidth) + "x" + std::to_string(spikeHeight) + ".png";
        if (!std::filesystem::exists(SceneFilePath(spikes)))
            WriteScenePng(spikes, spikeWidth, spikeHeight, 0xFFC0C0C0);
        SpikeTexture = LoadTexture(SceneFilePath(spikes).c_str());
        ASSERT_NE(PlatformTexture, nullptr);
        ASSERT_NE(SpikeTexture, nullptr);
    }
    // Leaves a recognisable matrix behind, as a previously drawn object would.
    static void LeaveMarkerMatrix()
    {
        const Matrix3 marker = {{0.25f, 0, 0.5f, 0, 0.75f, 0.125f, 0, 0, 1}};
        SetTextureTransform(&marker);
    }
    static void ExpectTextureScaleOffset(float sx, float sy, float ox, float oy)
    {
        const TextureScaleOffset t = CurrentTextureScaleOffset();
        EXPECT_FLOAT_EQ(t.sx, sx);
        EXPECT_FLOAT_EQ(t.sy, sy);
        EXPECT_FLOAT_EQ(t.ox, ox);
        EXPECT_FLOAT_EQ(t.oy, oy);
    }
};

TEST_F(ObjectDrawTest, ATiledPlatformRepeatsItsTextureEvery32Units)
{
    LoadLevelTextures(3000, 624);
    LeaveMarkerMatrix();
    Make("FloorPlat3", KIND_PLATFORM, 300, 50)->Draw(nullptr);
    ExpectTextureScaleOffset(9.375f, 1.5625f, 0, 0);
}

TEST_F(ObjectDrawTest, TiledSpikesAndLavaRepeatWholeSpikeTiles)
{
    LoadLevelTextures(3000, 624);
    for (ObjectKind kind : {KIND_SPIKES, KIND_LAVA})
    {
        LeaveMarkerMatrix();
        Make("Spikes12", kind, 50, 25)->Draw(nullptr);
        ExpectTextureScaleOffset(2, 1, 0, 0);
    }
}

TEST_F(ObjectDrawTest, ASpikeTextureNarrowerThanOneTileGivesNoHorizontalRepeat)
{
    LoadLevelTextures(1499, 1300);
    Make("Spikes", KIND_SPIKES, 40, 40)->Draw(nullptr);
    ExpectTextureScaleOffset(0, 2, 0, 0);
}

TEST_F(ObjectDrawTest, ATiledGrapplePointKeepsWhateverMatrixWasLeftBehind)
{
    LoadLevelTextures(3000, 624);
    LeaveMarkerMatrix();
    Make("HookPlat", KIND_GRAPPLE_POINT, 80, 80)->Draw(nullptr);
    ExpectTextureScaleOffset(0.25f, 0.75f, 0.5f, 0.125f);
}

TEST_F(ObjectDrawTest, BeforeAnyLevelHasLoadedOnlyThePlayerKeepsItsMatrix)
{
    LeaveMarkerMatrix();
    Make("FloorPlat", KIND_PLATFORM, 300, 50)->Draw(nullptr);
    ExpectTextureScaleOffset(1, 1, 0, 0);

    LeaveMarkerMatrix();
    Make("player", KIND_PLAYER, 100, 80)->Draw(nullptr);
    ExpectTextureScaleOffset(0.25f, 0.75f, 0.5f, 0.125f);

    LeaveMarkerMatrix();
    Make("Player", KIND_PLAYER, 100, 80)->Draw(nullptr); // the exception is for the exact name
    ExpectTextureScaleOffset(1, 1, 0, 0);
}

TEST_F(ObjectDrawTest, UntiledObjectsDrawWithIdentityOnceTheLevelIsLoaded)
{
    LoadLevelTextures(3000, 624);
    GameObject* platform = Make("FloorPlat", KIND_PLATFORM, 300, 50);
    platform->tiledTexture = false; // as a level builder may leave it
    LeaveMarkerMatrix();
    platform->Draw(nullptr);
    ExpectTextureScaleOffset(1, 1, 0, 0);
}

TEST_F(ObjectDrawTest, TheWorldMatrixIsParentTimesTranslateRotateScale)
{
    GameObject* object = Make("Wall", KIND_SOLID, 40, 20);
    object->position = {100, 50};
    object->rotation = static_cast<float>(M_PI / 2);
    const Matrix3 parent = {{0.5f, 0, -30, 0, 0.5f, 10, 0, 0, 1}}; // a camera at (60, -20), zoom 2
    object->Draw(&parent);

    // The quad's right edge centre (0.5, 0) goes to (100, 50 + 20) in the world, then to
    // ((100 - 60) / 2, (70 + 20) / 2) for the camera.
    const float* m = ModelMatrix.m;
    const float x = m[0] * 0.5f + m[3], y = m[4] * 0.5f + m[7];
    EXPECT_NEAR(x, 20.0f, 1e-4);
    EXPECT_NEAR(y, 45.0f, 1e-4);
}

TEST_F(ObjectDrawTest, TintAndTextureReachTheRendererAndANullTextureLeavesTheBoundOne)
{
    Texture* picture = LoadTexture(WriteScenePng("pic.png", 2, 2, 0xFFFF0000).c_str());
    GameObject* textured = Make("pic", KIND_BUTTON, 10, 10);
    textured->texture = picture;
    textured->tintEnabled = true;
    textured->tint = 0x80FF8040u;
    textured->Draw(nullptr);
    EXPECT_EQ(BoundTexture, picture);
    EXPECT_TRUE(TintEnabled);
    EXPECT_EQ(TintColor, 0x80FF8040u);

    Make("bare", KIND_BUTTON, 10, 10)->Draw(nullptr);
    EXPECT_EQ(BoundTexture, picture) << "an object without a texture shows the last one bound";
    EXPECT_FALSE(TintEnabled);
    ReleaseTexture(picture);
}

TEST_F(ObjectDrawTest, AnObjectWithoutAMeshDrawsNothingAndChangesNoState)
{
    GameObject* object = Make("nothing", KIND_BUTTON, 10, 10);
    object->mesh = nullptr;
    object->tintEnabled = true;
    LeaveMarkerMatrix();
    const Matrix4 before = ModelMatrix;
    object->Draw(nullptr);
    ExpectTextureScaleOffset(0.25f, 0.75f, 0.5f, 0.125f);
    EXPECT_FALSE(TintEnabled);
    EXPECT_EQ(std::memcmp(&before, &ModelMatrix, sizeof before), 0);
}
} // namespace
