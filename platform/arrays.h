// Arrays counted the way the game counts: holes 1..6, ranges 1..3, slots 1..6.
// Both are plain aggregates with no padding of their own, so records built
// from them keep their exact byte layout.
#pragma once

#include <cassert>
#include <cstdint>

template <class T, int Lo, int Hi>
struct Arr {
  static constexpr int lo = Lo, hi = Hi;
  T v[Hi - Lo + 1];
  T& operator[](int i) {
    assert(i >= Lo && i <= Hi);
    return v[i - Lo];
  }
  const T& operator[](int i) const {
    assert(i >= Lo && i <= Hi);
    return v[i - Lo];
  }
};

// A table of rows 1..Rows by columns 1..Cols, row after row.
template <class T, int Rows, int Cols>
struct Table {
  static constexpr int rows = Rows, cols = Cols;
  T v[Rows][Cols];
  T& operator()(int r, int c) {
    assert(r >= 1 && r <= Rows && c >= 1 && c <= Cols);
    return v[r - 1][c - 1];
  }
  const T& operator()(int r, int c) const {
    assert(r >= 1 && r <= Rows && c >= 1 && c <= Cols);
    return v[r - 1][c - 1];
  }
};

// A string of at most 255 one-byte characters behind a length byte, as the
// course file stores the music letters. Bytes past the length are kept as
// they are (a loaded file may carry leftovers there).
struct ShortString {
  uint8_t len;
  char chars[255];
};
static_assert(sizeof(ShortString) == 256);
