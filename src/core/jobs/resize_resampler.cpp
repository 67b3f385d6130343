#include "jobs/resize_resampler.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kWeightBits = 14;
constexpr int kWeightOne = 1 << kWeightBits;

// For every output position: the first source index and the fixed-point weights of the
// source pixels it draws from. Weights of one position sum to exactly kWeightOne.
struct Taps {
  int count = 0;  // taps per output position (the widest; narrower ones are zero-padded)
  std::vector<int> first;
  std::vector<std::int16_t> weights;  // count per output position
};

Taps ComputeTaps(int inSize, int outSize) {
  const double scale = static_cast<double>(inSize) / outSize;
  const double filterScale = std::max(scale, 1.0);
  const double support = filterScale;  // tent of radius 1, widened when shrinking
  Taps taps;
  taps.count = static_cast<int>(std::ceil(support)) * 2 + 1;
  taps.first.resize(outSize);
  taps.weights.assign(static_cast<std::size_t>(outSize) * taps.count, 0);
  std::vector<double> raw(taps.count);
  for (int i = 0; i < outSize; ++i) {
    const double center = (i + 0.5) * scale;
    int lo = std::max(static_cast<int>(std::floor(center - support + 0.5)), 0);
    const int hi = std::min(static_cast<int>(std::floor(center + support + 0.5)), inSize);
    int n = std::min(hi - lo, taps.count);
    if (n <= 0) {  // cannot happen for sane sizes; keep the nearest pixel
      lo = std::clamp(static_cast<int>(center), 0, inSize - 1);
      n = 1;
    }
    double sum = 0;
    for (int k = 0; k < n; ++k) {
      const double distance = std::abs((lo + k + 0.5 - center) / filterScale);
      raw[k] = std::max(0.0, 1.0 - distance);
      sum += raw[k];
    }
    std::int16_t* w = &taps.weights[static_cast<std::size_t>(i) * taps.count];
    int total = 0, strongest = 0;
    for (int k = 0; k < n; ++k) {
      w[k] = static_cast<std::int16_t>(sum > 0 ? std::lround(raw[k] / sum * kWeightOne)
                                               : (k == 0 ? kWeightOne : 0));
      total += w[k];
      if (w[k] > w[strongest]) strongest = k;
    }
    w[strongest] = static_cast<std::int16_t>(w[strongest] + (kWeightOne - total));
    taps.first[i] = lo;
  }
  // Positions near the end may have fewer source pixels: shift their window back inside.
  for (int i = 0; i < outSize; ++i) {
    const int overflow = taps.first[i] + taps.count - inSize;
    if (overflow > 0) {
      std::int16_t* w = &taps.weights[static_cast<std::size_t>(i) * taps.count];
      const int shift = std::min(overflow, taps.first[i]);
      std::copy_backward(w, w + taps.count - shift, w + taps.count);
      std::fill(w, w + shift, std::int16_t{0});
      taps.first[i] -= shift;
    }
  }
  return taps;
}

inline std::uint8_t Clamp8(int value) {
  value = (value + (kWeightOne >> 1)) >> kWeightBits;
  return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

template <int Channels>
void Horizontal(const RasterImage& in, RasterImage& out, const Taps& taps) {
  const int count = taps.count;
  for (int y = 0; y < in.height; ++y) {
    const std::uint8_t* src = in.pixels.data() + static_cast<std::size_t>(y) * in.width * Channels;
    std::uint8_t* dst = out.pixels.data() + static_cast<std::size_t>(y) * out.width * Channels;
    for (int x = 0; x < out.width; ++x) {
      const std::int16_t* w = &taps.weights[static_cast<std::size_t>(x) * count];
      const std::uint8_t* p = src + static_cast<std::size_t>(taps.first[x]) * Channels;
      int acc[Channels] = {};
      const int available = std::min(count, in.width - taps.first[x]);
      for (int k = 0; k < available; ++k)
        for (int c = 0; c < Channels; ++c) acc[c] += p[k * Channels + c] * w[k];
      for (int c = 0; c < Channels; ++c) dst[x * Channels + c] = Clamp8(acc[c]);
    }
  }
}

void Vertical(const RasterImage& in, RasterImage& out, const Taps& taps) {
  const std::size_t stride = static_cast<std::size_t>(in.width) * in.channels;
  std::vector<int> acc(stride);
  for (int y = 0; y < out.height; ++y) {
    const std::int16_t* w = &taps.weights[static_cast<std::size_t>(y) * taps.count];
    std::fill(acc.begin(), acc.end(), 0);
    const int available = std::min(taps.count, in.height - taps.first[y]);
    for (int k = 0; k < available; ++k) {
      if (w[k] == 0) continue;
      const int weight = w[k];
      const std::uint8_t* row = in.pixels.data() + stride * (taps.first[y] + k);
      for (std::size_t i = 0; i < stride; ++i) acc[i] += row[i] * weight;
    }
    std::uint8_t* dst = out.pixels.data() + stride * y;
    for (std::size_t i = 0; i < stride; ++i) dst[i] = Clamp8(acc[i]);
  }
}

}  // namespace

RasterImage StretchBilinear(const RasterImage& source, int width, int height) {
  RasterImage wide;
  wide.width = width;
  wide.height = source.height;
  wide.channels = source.channels;
  wide.pixels.resize(static_cast<std::size_t>(width) * source.height * source.channels);
  const Taps across = ComputeTaps(source.width, width);
  if (source.channels == 1)
    Horizontal<1>(source, wide, across);
  else
    Horizontal<3>(source, wide, across);

  RasterImage result;
  result.width = width;
  result.height = height;
  result.channels = source.channels;
  result.pixels.resize(static_cast<std::size_t>(width) * height * source.channels);
  Vertical(wide, result, ComputeTaps(source.height, height));
  return result;
}
