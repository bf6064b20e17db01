#pragma once
// Small value types that the skin description produces and the drawing code
// consumes; their numbers are the ones the description reader yields.

#include <cstdint>

namespace lumora {

// Font style flags; a set of them is a TFontStyles bit mask.
enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

// Horizontal alignment of a caption text.
enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// How a stretched centre fills its area.
enum TskStretchType { stFull = 0, stHorz = 1, stVert = 2 };

// The two-image blends of a morph transition.
enum TskMorphKind {
  mkDefault = 0,
  mkGradient = 1,
  mkLeftGradient = 2,
  mkRightGradient = 3,
  mkLeftSlide = 4,
  mkRightSlide = 5,
  mkPush = 6
};

// The effects that derive an inactive frame from the active one.
enum TskInactiveEffect {
  ieBrightness = 0,
  ieDarkness = 1,
  ieGrayscale = 2,
  ieNoise = 3,
  ieSplitBlur = 4,
  ieInvert = 5
};

// Frame command values (skin key "command").
enum TskFrameCommand {
  cmClose = 0,
  cmMaximize = 1,
  cmMinimize = 2,
  cmSysMenu = 3,
  cmDefault = 4,
  cmRollUp = 5,
  cmMinimizeToTray = 6
};

}  // namespace lumora
