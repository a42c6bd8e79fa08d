// png_check.h: a PNG file's size, read from its header after its structure has been checked.
//
// A renderer that draws nothing needs only a picture's size; inflating its pixels would be
// work thrown away. CheckPngStructure catches what damage does to a file (a wrong signature,
// a cut, a changed byte: every chunk's checksum is verified) without inflating anything, so
// that a picture that passes can be trusted to decode. Anything unusual fails the check and
// is left to a full decode, which decides as it always has.
#pragma once

#include <cstdint>
#include <vector>

// True, with the size from IHDR, for a well-formed PNG of the plain kind the game writes:
// signature, IHDR first with valid fields and an allowed size, PLTE where the colour type
// needs it, one run of IDAT chunks starting a zlib stream, IEND last, every CRC right and
// no other chunk. False otherwise (not necessarily a bad file: decode it then).
// What it cannot see: a stream with the right checksums whose deflate data is invalid or
// inflates to the wrong length.
bool CheckPngStructure(const std::vector<uint8_t>& bytes, int* width, int* height);
