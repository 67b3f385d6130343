#pragma once
// Direct use of libjpeg-turbo for the resize: decode at a reduced DCT scale, encode baseline.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// Pixels packed row after row without padding: one byte per pixel for grey, three for colour —
// R, G, B, or Y, Cb, Cr when ycc is set. The stretch is linear, so it works the same on either.
struct RasterImage {
  int width = 0;
  int height = 0;
  int channels = 0;
  bool ycc = false;
  std::vector<std::uint8_t> pixels;
};

// The library's own message (English) of a failed decode or encode.
class JpegCodecError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class JpegDecodeError : public JpegCodecError {
 public:
  using JpegCodecError::JpegCodecError;
};
class JpegEncodeError : public JpegCodecError {
 public:
  using JpegCodecError::JpegCodecError;
};
// The row source of EncodeJpegRows gave up.
class JpegRowsUnavailable : public JpegEncodeError {
 public:
  using JpegEncodeError::JpegEncodeError;
};

// Told about a decode as it goes, on the decoding thread: the picture once its size is known
// (pixels allocated, not yet filled), then the number of finished rows after every batch.
class DecodeListener {
 public:
  virtual ~DecodeListener() = default;
  virtual void Started(const RasterImage& image) = 0;
  virtual void RowsDone(int rows) = 0;
};

// Decodes a JPEG held in memory at the smallest DCT scale n/8 (n = 1..8) whose output is at
// least minWidth x minHeight; at full size when even that is smaller. Greyscale stays one
// channel; YCbCr stays YCbCr (ycc set: no colour conversion here nor in the encoder); RGB, CMYK
// and YCCK come out as RGB. A warning of the library about damaged
// or truncated data counts as failure, so a half-grey picture never replaces a photo.
// Throws JpegDecodeError.
RasterImage DecodeJpegCovering(const std::uint8_t* data, std::size_t size, int minWidth,
                               int minHeight);
// The same, decoding into image and telling the listener as rows are finished.
void DecodeJpegCoveringInto(const std::uint8_t* data, std::size_t size, int minWidth,
                            int minHeight, RasterImage& image, DecodeListener& listener);

// Encodes a baseline JPEG (JFIF header, the library's standard tables) at quality 1..100; 0 is
// taken as 1. Colour is stored at half resolution both ways below quality 90 and at full
// resolution from 90 on.
// Throws JpegEncodeError.
std::string EncodeJpeg(const RasterImage& image, int quality);

// Encodes a picture of the given shape whose rows come from row(y), asked for in order; row
// returns nullptr to give up, which throws JpegRowsUnavailable.
using JpegRowSource = std::function<const std::uint8_t*(int y)>;
std::string EncodeJpegRows(int width, int height, int channels, bool ycc, int quality,
                           const JpegRowSource& row);
