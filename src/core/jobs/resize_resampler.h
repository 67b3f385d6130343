#pragma once
// Stretches a raster to an exact size with a separable bilinear (tent) filter. When shrinking,
// the tent widens with the scale factor, so every source pixel contributes (an area-like
// average without the aliasing of nearest neighbour or plain two-tap bilinear).

#include <cstdint>
#include <memory>

#include "jobs/jpeg_codec.h"

// Width and height are scaled independently: the aspect ratio is not kept.
RasterImage StretchBilinear(const RasterImage& source, int width, int height);

// Makes the stretched picture one output row at a time, so rows can be made while the source is
// still being decoded.
class RowStretcher {
 public:
  RowStretcher(int sourceWidth, int sourceHeight, int channels, int width, int height);
  ~RowStretcher();
  // Output row y reads source rows below this number only.
  int SourceRowsNeeded(int y) const;
  void MakeRow(const std::uint8_t* sourcePixels, int y, std::uint8_t* out);

 private:
  struct State;
  std::unique_ptr<State> state_;
};
