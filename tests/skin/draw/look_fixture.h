#pragma once
// The 7 x 7 nine-part look shared by the builder tests.

#include "skin/draw/nine_part.h"
#include "support/pixel_grid.h"

namespace lumora::test {

// Corners A B C D (each two pieces), edges of three pixels (top 123, bottom
// 456, left 789, right !@#) and a 5 x 5 client.
inline const Grid kLook = {
    "AA123BB",  //
    "AabcdeB",  //
    "7fghij!",  //
    "8klmno@",  //
    "9pqrst#",  //
    "CuvwxyD",  //
    "CC456DD",  //
};

// The look sits at (1, 2) of a 10 x 10 picture.
constexpr int kLookX = 1, kLookY = 2;

inline TskNinePartSource LookSource() {
  TskNinePartSource s;
  s.skinRect = Bounds(kLookX, kLookY, 7, 7);
  s.client = {1, 1, 6, 6};
  s.lt = {2, 2};
  s.rt = {5, 2};
  s.lb = {2, 5};
  s.rb = {5, 5};
  return s;
}

inline QImage LookPicture() {
  return GridImageAt(kLook, 10, 10, kLookX, kLookY);
}

}  // namespace lumora::test
