// asset_test_support.h: what the asset tests share: the game's own list of the files it
// opens (written from the game's side, not taken from the generator), where the data
// folder is, and decoding with the libraries the game uses.
//
// VANTARA_DATA_DIR and VANTARA_ASSETGEN come from CMake as compile definitions: the data
// folder the build fills, and the generator program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One picture the game loads, with the sizes (world or menu units) it is drawn at. No sizes:
// the picture is tiled or stretched, so its aspect ratio is free.
struct PictureUse
{
    const char* gamePath;
    std::vector<std::pair<float, float>> drawnSizes;
};

const std::vector<PictureUse>& PicturesTheGameLoads();
const std::vector<std::string>& MusicTheGameLoops(); // game paths of the three pieces
const std::vector<std::string>& EffectsTheGamePlays();

struct ButtonPicture
{
    const char* gamePath;
    bool isButton; // false: a label, drawn without a plate
};
const std::vector<ButtonPicture>& ButtonsAndLabels();

// The file on disk for a path as the game spells it ("data\\Adagio.wav", ".\\data\\x").
std::string OnDisk(const std::string& gamePath);

struct Picture
{
    int width = 0, height = 0, channelsInFile = 0;
    std::vector<uint8_t> rgba; // top row first
    bool Loaded() const { return width > 0; }
    const uint8_t* At(int x, int y) const { return &rgba[(size_t(y) * width + x) * 4]; }
};
Picture LoadPicture(const std::string& file); // stb_image, 4 channels, as the game does

std::vector<uint8_t> ReadBytes(const std::string& file);
