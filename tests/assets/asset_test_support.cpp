// asset_test_support.cpp: the game's asset list and the decoding helpers.
#include "tests/assets/asset_test_support.h"

#include <fstream>
#include <iterator>

#include <stb_image.h>

const std::vector<PictureUse>& PicturesTheGameLoads()
{
    // Sizes are those of the objects that show each picture in the levels and menus.
    static const std::vector<PictureUse> list = {
        {"data/LevelBackground2.png", {{3240, 1080}}},
        {"data/Column.png", {{3240, 1080}}},
        {"data/RectPlat.png", {}},
        {"data/HookPlatforms.png", {{100, 100}, {100, 70}}},
        {"data/Player.png", {{100, 80}}},
        {"data/Spikes.png", {}},
        {"data/Lava.png", {}},
        {"data/Rope.png", {}},
        {"data/Rock.png", {{150, 150}}},
        {"data/Bouncing_platform.png", {}},
        {"data/Frame.png", {}},
        {"data/Flying Enemy.png", {{80, 80}, {100, 100}, {90, 90}}},
        {"data/Ground Enemy.png", {{80, 80}, {80, 50}}},
        {"data/Icon.png", {{64, 64}}},
        {"data/Menus/Menu Background.png", {{1920, 1080}}},
        {"data/Menus/Play.png", {{250, 100}}},
        {"data/Menus/Level Select.png", {{250, 100}}},
        {"data/Menus/Exit.png", {{250, 100}, {150, 75}}},
        {"data/Menus/Tutorial.png", {{250, 100}}},
        {"data/Menus/Credits.png", {{250, 100}, {150, 75}}},
        {"data/Menus/HowToPlay.png", {{250, 100}, {150, 75}}},
        {"data/Menus/Settings.png", {{100, 100}}},
        {"data/Menus/Loading_Screen.png", {{1920, 1080}}},
        {"data/Menus/Sure_button.png", {{250, 100}}},
        {"data/Menus/Taunt1.png", {{520, 60}}},
        {"data/Menus/Taunt2.png", {{520, 60}}},
        {"data/Menus/Taunt3.png", {{520, 60}}},
        {"data/Menus/Taunt4.png", {{520, 60}}},
        {"data/Menus/Taunt5.png", {{520, 60}}},
        {"data/Menus/Yes.png", {{250, 100}}},
        {"data/Menus/No.png", {{250, 100}}},
        {"data/Menus/Pause.png", {{600, 600}, {750, 400}}},
        {"data/Menus/Level Selector Background.png", {{1920, 1080}}},
        {"data/Menus/Level_1.png", {{200, 100}}},
        {"data/Menus/Level_2.png", {{200, 100}}},
        {"data/Menus/Level_3.png", {{200, 100}}},
        {"data/Menus/Level_4.png", {{200, 100}}},
        {"data/Menus/Level_5.png", {{200, 100}}},
        {"data/Menus/Level_6.png", {{200, 100}}},
        {"data/Menus/Level_7.png", {{200, 100}}},
        {"data/Menus/Level_8.png", {{200, 100}}},
        {"data/Menus/Level_9.png", {{200, 100}}},
        {"data/Menus/Return.png", {{200, 100}, {150, 75}, {100, 50}}},
        {"data/Menus/Resume.png", {{150, 75}}},
        {"data/Menus/Reset.png", {{150, 75}}},
        {"data/Menus/Game_Volume.png", {{100, 50}}},
        {"data/Menus/Volume.png", {{100, 50}}},
        {"data/Menus/Minus.png", {{100, 50}}},
        {"data/Menus/Plus.png", {{100, 50}}},
        {"data/Menus/Sound.png", {{100, 50}}},
        {"data/Menus/Mute.png", {{100, 50}}},
        {"data/Menus/FullScreen.png", {{100, 50}}},
        {"data/Menus/Win_Resolution.png", {{100, 50}}},
        {"data/Korvel_VIZ-OSTARA_WEB_WHITE.png", {{1000, 300}}},
        {"data/FMOD_Logo_White_-_Black_Background.png", {{1000, 300}}},
        {"data/FMODtxt.png", {{700, 100}}},
        {"data/Credits/Credits.png", {{1920, 1080}}},
        {"data/Credits/Credits2.png", {{1920, 1080}}},
        {"data/Credits/Credits3.png", {{1920, 1080}}},
        {"data/Credits/Credits4.png", {{1920, 1080}}},
        {"data/Credits/Credits5.png", {{1920, 1080}}},
        {"data/Controls.png", {{1920, 1080}}},
        {"data/WinScreen.png", {{1920, 1080}}},
    };
    return list;
}

const std::vector<std::string>& MusicTheGameLoops()
{
    static const std::vector<std::string> list = {"data\\Adagio.ogg", "data\\Tutorial.ogg",
                                                  "data\\SubTrain_v1.ogg"};
    return list;
}

const std::vector<std::string>& EffectsTheGamePlays()
{
    static const std::vector<std::string> list = {"data\\Button_VendingMachine2.wav",
                                                  "data\\Hit_SwordStabEarth_Rumble1.wav",
                                                  "data\\Fire_FlameBurst1.wav"};
    return list;
}

const std::vector<ButtonPicture>& ButtonsAndLabels()
{
    static const std::vector<ButtonPicture> list = {
        {"data/Menus/Play.png", true},         {"data/Menus/Level Select.png", true},
        {"data/Menus/Make.png", true},
        {"data/Menus/Exit.png", true},         {"data/Menus/Tutorial.png", true},
        {"data/Menus/Credits.png", true},      {"data/Menus/HowToPlay.png", true},
        {"data/Menus/Yes.png", true},          {"data/Menus/No.png", true},
        {"data/Menus/Resume.png", true},       {"data/Menus/Return.png", true},
        {"data/Menus/Reset.png", true},        {"data/Menus/Minus.png", true},
        {"data/Menus/Plus.png", true},         {"data/Menus/Mute.png", true},
        {"data/Menus/FullScreen.png", true},   {"data/Menus/Win_Resolution.png", true},
        {"data/Menus/Level_1.png", true},      {"data/Menus/Level_2.png", true},
        {"data/Menus/Level_3.png", true},      {"data/Menus/Level_4.png", true},
        {"data/Menus/Level_5.png", true},      {"data/Menus/Level_6.png", true},
        {"data/Menus/Level_7.png", true},      {"data/Menus/Level_8.png", true},
        {"data/Menus/Level_9.png", true},      {"data/Menus/My_Levels.png", true},
        {"data/Menus/Previous.png", true},     {"data/Menus/Next.png", true},
        {"data/Menus/Sure_button.png", false},
        {"data/Menus/Game_Volume.png", false}, {"data/Menus/Volume.png", false},
        {"data/Menus/Sound.png", false},      {"data/Menus/Taunt1.png", false},
        {"data/Menus/Taunt2.png", false},     {"data/Menus/Taunt3.png", false},
        {"data/Menus/Taunt4.png", false},     {"data/Menus/Taunt5.png", false},
    };
    return list;
}

std::string OnDisk(const std::string& gamePath)
{
    std::string path = gamePath;
    for (char& c : path)
        if (c == '\\') c = '/';
    if (path.rfind("./", 0) == 0) path = path.substr(2);
    // Game paths are relative to the working directory, the data folder's parent.
    return std::string(VANTARA_DATA_DIR) + path.substr(std::string("data").size());
}

Picture LoadPicture(const std::string& file)
{
    Picture p;
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(file.c_str(), &w, &h, &n, 4);
    if (!pixels) return p;
    p.width = w;
    p.height = h;
    p.channelsInFile = n;
    p.rgba.assign(pixels, pixels + size_t(w) * h * 4);
    stbi_image_free(pixels);
    return p;
}

std::vector<uint8_t> ReadBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}
