#pragma once
// Small JPEG files with the camera data the catalogue shows.

#include "fixture_builder.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>

#include <optional>
#include <string>

#include <utime.h>

struct CameraData {
  std::string make = "Canon";
  std::string model = "EOS 5";
  std::optional<std::string> dateTime = "2023:05:06 07:08:09";  // DateTimeOriginal
  std::optional<std::pair<int, int>> size = std::make_pair(64, 48);  // width, height
};

// A tiny real JPEG with an EXIF block holding make and model (first directory) and date and
// pixel size (EXIF directory).
inline QByteArray CameraJpeg(const CameraData& camera = CameraData(),
                             fixture::ByteOrder order = fixture::ByteOrder::Little) {
  fixture::TiffBuilder tiff(order);
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, camera.make).Ascii(ifd0, 0x0110, camera.model).Pointer(ifd0, 0x8769, exif);
  if (camera.dateTime) tiff.Ascii(exif, 0x9003, *camera.dateTime);
  if (camera.size) {
    tiff.Short(exif, 0xA002, {static_cast<std::uint16_t>(camera.size->first)});
    tiff.Short(exif, 0xA003, {static_cast<std::uint16_t>(camera.size->second)});
  }
  const std::string bytes = fixture::JpegBuilder().App1Exif(tiff.Build()).Image().Build();
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A tiny real JPEG without any metadata segment.
inline QByteArray PlainJpeg() {
  const std::string bytes = fixture::EncodeTinyJpeg();
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Sets the file's last-write time; returns it.
inline QDateTime SetWriteTime(const QString& path, const QDateTime& when) {
  utimbuf times{};
  times.actime = times.modtime = static_cast<time_t>(when.toSecsSinceEpoch());
  utime(QFile::encodeName(path).constData(), &times);
  return when;
}
