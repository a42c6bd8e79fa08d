// count_of.h: the number of entries of a fixed table, for the game's many constant tables.
#pragma once

#include <cstddef>

template <typename T, size_t N> constexpr size_t CountOf(const T (&)[N]) { return N; }
