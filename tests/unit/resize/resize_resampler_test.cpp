#include "jobs/resize_resampler.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "jobs/jpeg_codec.h"
#include "resize_test_photos.h"

namespace {

RasterImage Make(int width, int height, int channels, auto pixel) {
  RasterImage image;
  image.width = width;
  image.height = height;
  image.channels = channels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < channels; ++c)
        image.pixels.push_back(static_cast<std::uint8_t>(pixel(x, y, c)));
  return image;
}

int At(const RasterImage& image, int x, int y, int c = 0) {
  return image.pixels[(static_cast<std::size_t>(y) * image.width + x) * image.channels + c];
}

TEST(StretchBilinear, keepsAFlatColourExactlyAtEverySize) {
  const RasterImage flat = Make(37, 23, 3, [](int, int, int c) { return 50 + 90 * c; });
  for (const auto& [w, h] : {std::pair{800, 600}, {5, 3}, {37, 23}, {1, 1}, {100, 7}}) {
    const RasterImage out = StretchBilinear(flat, w, h);
    ASSERT_EQ(out.width, w);
    ASSERT_EQ(out.height, h);
    ASSERT_EQ(out.pixels.size(), static_cast<std::size_t>(w) * h * 3);
    for (std::size_t i = 0; i < out.pixels.size(); ++i)
      ASSERT_EQ(out.pixels[i], 50 + 90 * static_cast<int>(i % 3)) << w << "x" << h;
  }
}

TEST(StretchBilinear, averagesFineDetailWhenShrinkingInsteadOfPickingPixels) {
  // Black and white columns: nearest neighbour would give pure black or white columns.
  const RasterImage stripes = Make(1000, 10, 1, [](int x, int, int) { return x % 2 ? 255 : 0; });
  for (const int width : {500, 800, 333}) {
    const RasterImage out = StretchBilinear(stripes, width, 10);
    for (int x = 2; x < width - 2; ++x) EXPECT_NEAR(At(out, x, 5), 128, 64) << width << " @" << x;
  }
}

TEST(StretchBilinear, enlargesARampSmoothlyAndKeepsItsEnds) {
  const RasterImage ramp = Make(4, 2, 1, [](int x, int, int) { return x * 80; });
  const RasterImage out = StretchBilinear(ramp, 16, 4);
  EXPECT_EQ(At(out, 0, 0), 0);
  EXPECT_EQ(At(out, 15, 3), 240);
  for (int x = 1; x < 16; ++x) EXPECT_GE(At(out, x, 1), At(out, x - 1, 1));
  EXPECT_GT(std::count_if(out.pixels.begin(), out.pixels.end(),
                          [](int v) { return v % 80 != 0; }),
            0);  // values between the source levels: not a nearest-neighbour copy
}

TEST(StretchBilinear, stretchesEachDirectionOnItsOwn) {
  // Left half red, bottom half with blue: both edges stay where they belong after squeezing.
  const RasterImage image = Make(300, 400, 3, [](int x, int y, int c) {
    return c == 0 ? (x < 150 ? 255 : 0) : c == 2 ? (y >= 200 ? 255 : 0) : 0;
  });
  const RasterImage out = StretchBilinear(image, 80, 60);
  EXPECT_EQ(At(out, 10, 10, 0), 255);
  EXPECT_EQ(At(out, 70, 10, 0), 0);
  EXPECT_EQ(At(out, 10, 10, 2), 0);
  EXPECT_EQ(At(out, 10, 50, 2), 255);
}

TEST(DecodeJpegCovering, decodesAtTheSmallestScaleThatCoversTheTarget) {
  struct Case {
    int width, height, minWidth, minHeight, expectedWidth, expectedHeight;
  };
  const Case cases[] = {
      {2000, 1500, 800, 600, 1000, 750},  // 4/8
      {3072, 2304, 800, 600, 1152, 864},  // 3/8; 2/8 would give 768 x 576
      {1200, 1600, 640, 480, 750, 1000},  // portrait: width decides, 5/8
      {6400, 4800, 640, 480, 800, 600},   // 1/8
      {320, 200, 1024, 768, 320, 200},    // too small for any scale: full size
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
    const std::string jpeg = resize_test::EncodedPicture(c.width, c.height, 75);
    const RasterImage image = DecodeJpegCovering(
        reinterpret_cast<const std::uint8_t*>(jpeg.data()), jpeg.size(), c.minWidth, c.minHeight);
    EXPECT_EQ(image.width, c.expectedWidth);
    EXPECT_EQ(image.height, c.expectedHeight);
    EXPECT_EQ(image.channels, 3);
  }
}

TEST(EncodeJpeg, refusesARasterThatDoesNotMatchItsSize) {
  RasterImage broken;
  broken.width = 10;
  broken.height = 10;
  broken.channels = 3;
  broken.pixels.resize(10);
  EXPECT_THROW(EncodeJpeg(broken, 90), JpegCodecError);
}

}  // namespace

namespace {

// Sampling factors (horizontal, vertical) of the components, from the frame header.
std::vector<std::pair<int, int>> SamplingFactors(const std::string& jpeg) {
  for (const resize_test::Segment& segment : resize_test::HeaderSegments(jpeg)) {
    if (segment.marker != 0xC0) continue;
    std::vector<std::pair<int, int>> factors;
    const int components = static_cast<unsigned char>(segment.data[7]);
    for (int c = 0; c < components; ++c) {
      const int packed = static_cast<unsigned char>(segment.data[8 + 3 * c + 1]);
      factors.emplace_back(packed >> 4, packed & 15);
    }
    return factors;
  }
  return {};
}

TEST(EncodeJpeg, writesBaselineWithFullColourResolutionFromQuality90) {
  const RasterImage image = Make(64, 48, 3, [](int x, int y, int c) { return x * 3 + y * c; });
  using Factors = std::vector<std::pair<int, int>>;
  EXPECT_EQ(SamplingFactors(EncodeJpeg(image, 89)), (Factors{{2, 2}, {1, 1}, {1, 1}}));
  EXPECT_EQ(SamplingFactors(EncodeJpeg(image, 90)), (Factors{{1, 1}, {1, 1}, {1, 1}}));
  EXPECT_EQ(SamplingFactors(EncodeJpeg(image, 100)), (Factors{{1, 1}, {1, 1}, {1, 1}}));
  const RasterImage grey = Make(64, 48, 1, [](int x, int, int) { return x; });
  EXPECT_EQ(SamplingFactors(EncodeJpeg(grey, 100)), (Factors{{1, 1}}));
}

}  // namespace
