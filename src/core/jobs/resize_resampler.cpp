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

  // The source window of every output position, then the widest window.
  std::vector<int> lo(outSize), n(outSize);
  Taps taps;
  for (int i = 0; i < outSize; ++i) {
    const double center = (i + 0.5) * scale;
    lo[i] = std::clamp(static_cast<int>(std::floor(center - support + 0.5)), 0, inSize - 1);
    const int hi = std::min(static_cast<int>(std::floor(center + support + 0.5)), inSize);
    n[i] = std::max(hi - lo[i], 1);
    taps.count = std::max(taps.count, n[i]);
  }
  taps.count = std::min(taps.count, inSize);
  taps.first.resize(outSize);
  taps.weights.assign(static_cast<std::size_t>(outSize) * taps.count, 0);

  std::vector<double> raw(taps.count);
  for (int i = 0; i < outSize; ++i) {
    const double center = (i + 0.5) * scale;
    // Near the far edge the window is shifted back so that it stays inside the source.
    const int first = std::min(lo[i], inSize - taps.count);
    const int skip = lo[i] - first;
    double sum = 0;
    for (int k = 0; k < taps.count; ++k) {
      const bool inside = k >= skip && k < skip + n[i];
      const double distance = std::abs((first + k + 0.5 - center) / filterScale);
      raw[k] = inside ? std::max(0.0, 1.0 - distance) : 0.0;
      sum += raw[k];
    }
    if (sum <= 0) {  // no pixel under the tent (cannot happen for sane sizes): nearest one
      raw[skip] = 1;
      sum = 1;
    }
    std::int16_t* w = &taps.weights[static_cast<std::size_t>(i) * taps.count];
    int total = 0, strongest = 0;
    for (int k = 0; k < taps.count; ++k) {
      w[k] = static_cast<std::int16_t>(std::lround(raw[k] / sum * kWeightOne));
      total += w[k];
      if (w[k] > w[strongest]) strongest = k;
    }
    w[strongest] = static_cast<std::int16_t>(w[strongest] + (kWeightOne - total));
    taps.first[i] = first;
  }
  return taps;
}

// Weights are never negative and sum to one, so a weighted sum stays within 0..255.
inline std::uint8_t Descale(int value) {
  return static_cast<std::uint8_t>((value + (kWeightOne >> 1)) >> kWeightBits);
}

// One row across. Count > 0 fixes the number of taps at compile time (the common narrow
// windows); 0 reads it from the taps.
template <int Channels, int Count>
void HorizontalRow(const std::uint8_t* src, std::uint8_t* dst, int width, const Taps& taps) {
  const int count = Count > 0 ? Count : taps.count;
  const std::int16_t* w = taps.weights.data();
  for (int x = 0; x < width; ++x, w += count, dst += Channels) {
    const std::uint8_t* p = src + static_cast<std::size_t>(taps.first[x]) * Channels;
    int acc[Channels] = {};
    for (int k = 0; k < count; ++k, p += Channels)
      for (int c = 0; c < Channels; ++c) acc[c] += p[c] * w[k];
    for (int c = 0; c < Channels; ++c) dst[c] = Descale(acc[c]);
  }
}

using HorizontalRowFn = void (*)(const std::uint8_t*, std::uint8_t*, int, const Taps&);

template <int Channels>
HorizontalRowFn HorizontalFor(const Taps& taps) {
  switch (taps.count) {
    case 2: return &HorizontalRow<Channels, 2>;
    case 3: return &HorizontalRow<Channels, 3>;
    case 4: return &HorizontalRow<Channels, 4>;
    default: return &HorizontalRow<Channels, 0>;
  }
}

// Adds weight x row to sum over n values. The fixed-size blocks let the compiler use vector
// instructions at every optimisation level; the rest goes one by one.
constexpr std::size_t kBlock = 32;

void MultiplyRow(const std::uint8_t* row, int weight, int* sum, std::size_t n) {
  std::size_t i = 0;
  for (; i + kBlock <= n; i += kBlock)
    for (std::size_t j = 0; j < kBlock; ++j) sum[i + j] = row[i + j] * weight;
  for (; i < n; ++i) sum[i] = row[i] * weight;
}

void AddRow(const std::uint8_t* row, int weight, int* sum, std::size_t n) {
  std::size_t i = 0;
  for (; i + kBlock <= n; i += kBlock)
    for (std::size_t j = 0; j < kBlock; ++j) sum[i + j] += row[i + j] * weight;
  for (; i < n; ++i) sum[i] += row[i] * weight;
}

void DescaleRow(const int* sum, std::uint8_t* out, std::size_t n) {
  std::size_t i = 0;
  for (; i + kBlock <= n; i += kBlock)
    for (std::size_t j = 0; j < kBlock; ++j) out[i + j] = Descale(sum[i + j]);
  for (; i < n; ++i) out[i] = Descale(sum[i]);
}

}  // namespace

// Rows first, then across: the row pass works on whole rows of contiguous bytes, and one output
// row needs only the few source rows under its tent.
struct RowStretcher::State {
  int sourceWidth, channels, width;
  Taps down, across;
  HorizontalRowFn horizontal;
  std::vector<int> sum;
  std::vector<std::uint8_t> tall;  // one output row before the pass across
};

RowStretcher::RowStretcher(int sourceWidth, int sourceHeight, int channels, int width, int height)
    : state_(new State{sourceWidth, channels, width, ComputeTaps(sourceHeight, height),
                       ComputeTaps(sourceWidth, width), nullptr, {}, {}}) {
  state_->horizontal = channels == 1 ? HorizontalFor<1>(state_->across) : HorizontalFor<3>(state_->across);
  const std::size_t stride = static_cast<std::size_t>(sourceWidth) * channels;
  state_->sum.resize(stride);
  state_->tall.resize(stride);
}

RowStretcher::~RowStretcher() = default;

int RowStretcher::SourceRowsNeeded(int y) const {
  return state_->down.first[y] + state_->down.count;
}

void RowStretcher::MakeRow(const std::uint8_t* sourcePixels, int y, std::uint8_t* out) {
  State& s = *state_;
  const std::size_t stride = static_cast<std::size_t>(s.sourceWidth) * s.channels;
  const std::int16_t* w = &s.down.weights[static_cast<std::size_t>(y) * s.down.count];
  const std::uint8_t* row = sourcePixels + stride * s.down.first[y];
  MultiplyRow(row, w[0], s.sum.data(), stride);
  for (int k = 1; k < s.down.count; ++k)
    if (w[k] != 0) AddRow(row + stride * k, w[k], s.sum.data(), stride);
  DescaleRow(s.sum.data(), s.tall.data(), stride);
  s.horizontal(s.tall.data(), out, s.width, s.across);
}

RasterImage StretchBilinear(const RasterImage& source, int width, int height) {
  RasterImage result;
  result.width = width;
  result.height = height;
  result.channels = source.channels;
  result.ycc = source.ycc;
  const std::size_t stride = static_cast<std::size_t>(width) * source.channels;
  result.pixels.resize(stride * height);
  RowStretcher stretcher(source.width, source.height, source.channels, width, height);
  for (int y = 0; y < height; ++y)
    stretcher.MakeRow(source.pixels.data(), y, result.pixels.data() + stride * y);
  return result;
}
