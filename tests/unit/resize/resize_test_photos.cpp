#include "resize_test_photos.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace resize_test {

std::string EncodedPicture(int width, int height, int quality, const std::string& colourSpace) {
  const bool grey = colourSpace == "grey";
  const bool cmyk = colourSpace == "cmyk";
  const int channels = grey ? 1 : cmyk ? 4 : 3;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = channels;
  info.in_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * channels);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < width; ++x) {
      unsigned char* p = &row[static_cast<std::size_t>(x) * channels];
      const int stripe = ((x / 3) % 2) * 40;
      if (cmyk) {  // red in ink terms (0, 255, 255, 0), stored inverted
        p[0] = 255;
        p[1] = 0;
        p[2] = 0;
        p[3] = 255;
      } else if (grey) {
        p[0] = static_cast<unsigned char>((x * 200 / width + stripe) & 0xFF);
      } else {
        p[0] = static_cast<unsigned char>(x * 215 / width + stripe);
        p[1] = static_cast<unsigned char>(y * 255 / height);
        p[2] = static_cast<unsigned char>(128 + stripe);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

std::string PictureBody(const std::string& encoded) {
  std::size_t at = 2;
  if (static_cast<unsigned char>(encoded[at + 1]) == 0xE0)
    at += 2 + (static_cast<unsigned char>(encoded[at + 2]) << 8) +
          static_cast<unsigned char>(encoded[at + 3]);
  return encoded.substr(at);
}

std::vector<Segment> HeaderSegments(const std::string& file) {
  std::vector<Segment> segments;
  std::size_t at = 2;
  while (at + 4 <= file.size() && static_cast<unsigned char>(file[at]) == 0xFF) {
    const int marker = static_cast<unsigned char>(file[at + 1]);
    const std::size_t length = (static_cast<unsigned char>(file[at + 2]) << 8) +
                               static_cast<unsigned char>(file[at + 3]);
    segments.push_back({marker, file.substr(at + 2, length)});
    if (marker == 0xDA) break;
    at += 2 + length;
  }
  return segments;
}

std::vector<int> HeaderMarkers(const std::string& file) {
  std::vector<int> markers;
  for (const Segment& segment : HeaderSegments(file)) markers.push_back(segment.marker);
  return markers;
}

QStringList FolderEntries(const std::string& folder) {
  return QDir(QString::fromStdString(folder))
      .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool HaveExifTool() { return !QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty(); }

QMap<QString, QString> ExifToolRead(const std::string& path, const QStringList& tags) {
  QStringList args{QStringLiteral("-s"), QStringLiteral("-n")};
  for (const QString& tag : tags) args << QStringLiteral("-") + tag;
  args << QString::fromStdString(path);
  QProcess process;
  process.start(QStringLiteral("exiftool"), args);
  process.waitForFinished(30000);
  QMap<QString, QString> values;
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
    const qsizetype colon = line.indexOf(u':');
    if (colon > 0) values.insert(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
  }
  return values;
}

}  // namespace resize_test
