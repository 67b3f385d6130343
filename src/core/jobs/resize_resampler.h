#pragma once
// Stretches a raster to an exact size with a separable bilinear (tent) filter. When shrinking,
// the tent widens with the scale factor, so every source pixel contributes (an area-like
// average without the aliasing of nearest neighbour or plain two-tap bilinear).

#include "jobs/jpeg_codec.h"

// Width and height are scaled independently: the aspect ratio is not kept.
RasterImage StretchBilinear(const RasterImage& source, int width, int height);
