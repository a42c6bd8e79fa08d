// picture_decoder.h: pictures decoded ahead of their LoadTexture, on a small pool of threads.
//
// A state names the pictures it is about to load (or that the state after it will load), and
// worker threads read and decode them while the main thread goes on. LoadTexture then takes
// the decoded pixels instead of decoding the file itself, but only after reading the file
// again and finding the very bytes that were decoded: a file that has gone or changed since
// is loaded (or refused) exactly as if nothing had been decoded ahead. Only decoding runs on
// the workers; textures are made and uploaded on the main thread, by LoadTexture, so every
// state's Load and Unload still own their textures.
//
// What was decoded for one state and not taken is let go at the end of the next state's
// Load (see BeginPictureRound), and at most MaxPicturesAheadBytes are kept waiting.
#pragma once

#include "engine/graphics/image_file.h"

#include <cstddef>
#include <cstdint>

constexpr size_t MaxPicturesAheadBytes = 256u << 20;

// Starts decoding these files, bottom row first, for LoadTexture. A path named n times is
// decoded n times (each LoadTexture takes one), less what is already decoded or under way.
// Nothing, when the pictures will not be drawn (PicturesDrawn, texture.h).
void DecodePicturesAhead(const char* const* paths, size_t count);

// The decoded pixels of `path`, if they were decoded ahead from exactly `bytes`. A decode
// under way is never waited for at the worker's low priority: the caller decodes the next
// pictures in line meanwhile, then `bytes` itself, and takes whichever is done first. One
// not yet started is given up (the caller decodes it sooner itself). False when there is
// nothing to take.
bool TakePictureDecodedAhead(const char* path, const std::vector<uint8_t>& bytes,
                             ImageRGBA* image);

// The loop calls BeginPictureRound before a state's Load and DiscardPicturesBefore(round)
// after it: what earlier states decoded ahead and this Load did not take is let go, while
// what this state asks for (for its successor) waits until the next Load.
uint32_t BeginPictureRound();
void DiscardPicturesBefore(uint32_t round);
// Lets go of everything decoded ahead (shut-down).
void DiscardAllPictures();

// The loop says when a state loads (its Load and Init): no frame is waiting then, so the
// decoding runs at the main thread's priority, not in the background where busy processes
// could starve the load.
void SetStateLoading(bool loading);

// How many decodes are waiting or under way, and how many decoded pictures are waiting to be
// taken (tests and statistics).
size_t PicturesAheadPending();
size_t PicturesAheadReady();
