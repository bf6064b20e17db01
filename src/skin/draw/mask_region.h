#pragma once
// Window regions built from mask pictures: the pure black pixels of a mask
// are inside the region, every other pixel outside.

#include <QImage>
#include <QRegion>
#include <optional>
#include <vector>

#include "base/geometry.h"
#include "skin/draw/nine_part.h"

namespace lumora {

// The runs of pure black (red + green + blue = 0) pixels, row by row from the
// top and left to right, each as a one-row rectangle moved by (offsetX,
// offsetY). There is no limit on the number of runs.
std::vector<TRect> MaskRuns(const QImage& mask, int offsetX, int offsetY);

// The region of the black pixels, moved by the offset; nullopt (no region)
// for a null or empty mask. A mask without black pixels gives an empty region.
std::optional<QRegion> RegionFromMaskBitmap(const QImage& mask, int offsetX, int offsetY);

// The region of a window built from a nine-part mask: the destination client
// rectangle united with the black pixels of the four border strips, tiled to
// the target size. nullopt when the target's bottom-right point lies left of
// its bottom-left point or above its top-right point, or when the client
// rectangle is empty and no strip has a size.
std::optional<QRegion> RegionFromNinePartMask(const QImage& mask, const TskNinePartSource& source,
                                              const TskNinePartTarget& target);

}  // namespace lumora
