#pragma once
// Photos for the resize tests: real pictures encoded by libjpeg-turbo with chosen metadata
// segments in front, a look at the segments of a written file, and exiftool as an independent
// reader.

#include <QMap>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace resize_test {

// A picture with smooth gradients and fine stripes, encoded as a complete JPEG (SOI, APP0, ...).
// colourSpace: "rgb", "grey" or "cmyk" (stored inverted with an Adobe marker, as Adobe writers
// store it).
std::string EncodedPicture(int width, int height, int quality = 90,
                           const std::string& colourSpace = "rgb");
// The picture's segments after its SOI and APP0, for fixture::JpegBuilder::Raw.
std::string PictureBody(const std::string& encoded);

struct Segment {
  int marker;
  std::string data;  // length bytes and payload
};
// The segments from after SOI up to and including SOS.
std::vector<Segment> HeaderSegments(const std::string& file);
std::vector<int> HeaderMarkers(const std::string& file);

// Names of the files in a folder (hidden ones included).
QStringList FolderEntries(const std::string& folder);

// exiftool, when installed: tag name -> value as exiftool prints it with -s -s -s.
bool HaveExifTool();
QMap<QString, QString> ExifToolRead(const std::string& path, const QStringList& tags);

}  // namespace resize_test
