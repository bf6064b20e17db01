#pragma once
// Windows BMP file images (file header, info header, colour table, rows) in
// and out of streams. A skin's bitmaps follow one another in the skin
// container without length fields: each image ends where its bfSize says.
//
// Reading accepts 1, 4, 8, 24 and 32 bits per pixel, uncompressed (32 bits
// also with bit-field masks), bottom-up or top-down. 1-, 4- and 8-bit images
// come back as QImage::Format_Indexed8 with their colour table, 24- and
// 32-bit ones as QImage::Format_RGB32. Damaged or hostile images raise
// EStreamError with a message; no image larger than kMaxBitmapSide on a side
// or not fully backed by its bfSize bytes is accepted.

#include <QImage>
#include <string>

#include "base/stream.h"
#include "skin/data/skin_limits.h"

namespace lumora {

// Reads one BMP file image from the stream's position; the stream is left
// just past bfSize bytes.
QImage ReadBitmapImage(TStream& stream);

// Writes img as a BMP file image: indexed images as 1, 4 or 8 bits by the
// size of their colour table, others as 24 bits (32 bits when they carry
// alpha). A null image raises EStreamError.
void WriteBitmapImage(TStream& stream, const QImage& img);

// Whole BMP files; opening failures raise EFOpenError.
QImage LoadBitmapFile(const std::string& path);
void SaveBitmapFile(const std::string& path, const QImage& img);

}  // namespace lumora
