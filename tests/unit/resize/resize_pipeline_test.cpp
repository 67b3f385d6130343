#include "jobs/resize_pipeline.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "jobs/jpeg_codec.h"
#include "jobs/resize_resampler.h"
#include "resize_test_photos.h"

namespace {

const std::uint8_t* Bytes(const std::string& data) {
  return reinterpret_cast<const std::uint8_t*>(data.data());
}

// The two-thread pipeline must give exactly what the steps give one after the other.
TEST(TheResizePipeline, givesTheSameBytesAsDecodingStretchingAndEncodingInTurn) {
  struct Case {
    int width, height, quality, targetWidth, targetHeight;
  };
  const Case cases[] = {
      {1600, 1200, 90, 800, 600},  // scaled decode, shrink both ways
      {480, 640, 75, 640, 480},    // portrait stretched to landscape, enlarged across
      {333, 211, 100, 1024, 768},  // odd sizes, enlarged both ways
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
    const std::string jpeg = resize_test::EncodedPicture(c.width, c.height, c.quality);
    const RasterImage decoded =
        DecodeJpegCovering(Bytes(jpeg), jpeg.size(), c.targetWidth, c.targetHeight);
    const std::string inTurn =
        EncodeJpeg(StretchBilinear(decoded, c.targetWidth, c.targetHeight), 100);
    EXPECT_EQ(DecodeStretchEncode(Bytes(jpeg), jpeg.size(), c.targetWidth, c.targetHeight, 100),
              inTurn);
  }
}

TEST(TheResizePipeline, reportsADecodeErrorForDamageFoundAfterRowsWereUsed) {
  const std::string jpeg = resize_test::EncodedPicture(800, 600, 90);
  // Cut the picture data in its second half: the first rows decode and are stretched.
  const std::string cut = jpeg.substr(0, jpeg.size() * 3 / 4);
  EXPECT_THROW(DecodeStretchEncode(Bytes(cut), cut.size(), 640, 480, 90), JpegDecodeError);
  const std::string noPicture = "not a picture";
  EXPECT_THROW(DecodeStretchEncode(Bytes(noPicture), noPicture.size(), 640, 480, 90),
               JpegDecodeError);
}

}  // namespace
