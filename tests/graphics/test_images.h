// test_images.h: picture files written by tests, in a temporary folder of their own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A path in this test program's temporary folder.
std::string TestFilePath(const std::string& name);
// Writes a PNG with 1 (grey), 3 (RGB) or 4 (RGBA) channels, rows top first. Returns its path.
std::string WriteTestPng(const std::string& name, int width, int height, int channels,
                         const std::vector<uint8_t>& pixels);
// A width x height RGBA picture of one colour (0xAARRGGBB).
std::string WriteSolidPng(const std::string& name, int width, int height, uint32_t colour);
// Writes raw bytes.
std::string WriteTestFile(const std::string& name, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadTestFile(const std::string& path);
