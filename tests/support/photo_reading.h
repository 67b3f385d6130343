#pragma once
// Reads crafted bytes through the real file path of the metadata reader: the bytes go to a file
// of a temporary folder, and a fresh TimgData reads it.

#include <memory>
#include <string>

#include "fixture_builder.h"
#include "metadata/timg_data.h"

namespace fixture {

struct ReadPhoto {
  std::unique_ptr<TimgData> data = std::make_unique<TimgData>(255);
  bool result = false;
};

// Writes bytes as name into a temporary folder and reads it with ReadPhotoFile.
ReadPhoto ReadPhotoBytes(const std::string& bytes, const std::string& name = "photo.jpg");

// A JPEG holding only an EXIF APP1 with the given TIFF structure, and a fake scan.
std::string JpegWithExif(const std::string& tiff);

}  // namespace fixture
