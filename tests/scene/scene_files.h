// scene_files.h: pictures and sprite-sheet description files written by the scene tests.
//
// Every file goes into one temporary folder per test program, removed when the program ends,
// so that no test depends on the game's data folder or on another test's leftovers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A path in this program's temporary folder.
std::string SceneFilePath(const std::string& name);
// Writes a width x height PNG of one colour (0xAARRGGBB) and returns its path.
std::string WriteScenePng(const std::string& name, int width, int height, uint32_t colour);
// Writes a strip of equal cells, cellWidth x height each, coloured left to right.
std::string WriteSceneStripPng(const std::string& name, int cellWidth, int height,
                               const std::vector<uint32_t>& colours);
// Writes the bytes as they are (no line-ending translation) and returns the path.
std::string WriteSceneFile(const std::string& name, const std::string& contents);
// A well-formed description file of `frames` frames in a rows x columns grid, each lasting
// `seconds`, naming the picture at `pngPath`. Returns its text.
std::string SheetText(int frames, int rows, int columns, const std::string& pngPath,
                      const std::string& seconds);
