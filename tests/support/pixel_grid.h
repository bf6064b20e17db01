#pragma once
// Colour-coded test pictures: every character of a grid stands for one
// colour ('.' is black), so sources and expected results can be written as
// text in the test.

#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

namespace lumora::test {

using Grid = std::vector<std::string>;

QRgb GridColour(char c);
QImage GridImage(const Grid& rows, QImage::Format format = QImage::Format_RGB32);
// A picture with the grid placed at (x, y) and the rest filled with 'z'.
QImage GridImageAt(const Grid& rows, int width, int height, int x, int y);

// Every pixel of image has the colour of its grid character (image size must
// match). Reports the first wrong pixel and saves the image as a PNG next to
// the test log.
::testing::AssertionResult PixelsAre(const QImage& image, const Grid& expected);

}  // namespace lumora::test
