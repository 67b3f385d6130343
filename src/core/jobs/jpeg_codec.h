#pragma once
// Direct use of libjpeg-turbo for the resize: decode at a reduced DCT scale, encode baseline.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Pixels packed row after row without padding: one byte per pixel for grey, three (R, G, B)
// for colour.
struct RasterImage {
  int width = 0;
  int height = 0;
  int channels = 0;
  std::vector<std::uint8_t> pixels;
};

// The library's own message (English) of a failed decode or encode.
class JpegCodecError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decodes a JPEG held in memory at the smallest DCT scale n/8 (n = 1..8) whose output is at
// least minWidth x minHeight; at full size when even that is smaller. Greyscale stays one
// channel; RGB, YCbCr, CMYK and YCCK come out as RGB. A warning of the library about damaged
// or truncated data counts as failure, so a half-grey picture never replaces a photo.
RasterImage DecodeJpegCovering(const std::uint8_t* data, std::size_t size, int minWidth,
                               int minHeight);

// Encodes a baseline JPEG (JFIF header, the library's standard tables) at quality 1..100; 0 is
// taken as 1. Colour is stored at half resolution both ways below quality 90 and at full
// resolution from 90 on.
std::string EncodeJpeg(const RasterImage& image, int quality);
