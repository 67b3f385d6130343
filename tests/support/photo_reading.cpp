#include "photo_reading.h"

namespace fixture {

ReadPhoto ReadPhotoBytes(const std::string& bytes, const std::string& name) {
  TempDir dir;
  ReadPhoto read;
  read.result = read.data->ReadPhotoFile(dir.Write(name, bytes));
  return read;
}

std::string JpegWithExif(const std::string& tiff) {
  return JpegBuilder().App1Exif(tiff).FakeScan().Build();
}

}  // namespace fixture
