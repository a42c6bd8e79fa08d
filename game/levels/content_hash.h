// content_hash.h: SHA-256, the name a level's content goes by.
//
// A level is identified by the SHA-256 of its canonical text (level_file.h): the best times of
// made and imported levels are kept under it, and a proof names the level it finishes by it.
// A small implementation of our own (FIPS 180-4), the same on every system the game is built
// for.
#pragma once

#include <string>

// The 64 lowercase hexadecimal digits of the SHA-256 of `bytes`.
std::string Sha256Hex(const std::string& bytes);
