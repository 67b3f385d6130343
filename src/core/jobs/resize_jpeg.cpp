#include "jobs/resize_jpeg.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "jobs/job_context.h"
#include "jobs/jpeg_codec.h"
#include "jobs/resize_pipeline.h"
#include "metadata/jpeg_writer.h"

namespace {

// The photo's bytes, read into a buffer that is kept for the next photo: a fresh multi-megabyte
// block per photo costs more in page faults than the read itself.
const std::vector<std::uint8_t>& ReadWholeFile(const QString& path) {
  thread_local std::vector<std::uint8_t> buffer;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw ResizeError(QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden: %2")
                          .arg(path, file.errorString()));
  const qint64 size = file.size();
  buffer.resize(static_cast<std::size_t>(std::max<qint64>(size, 0)));
  qint64 done = 0;
  while (done < size) {
    const qint64 got = file.read(reinterpret_cast<char*>(buffer.data()) + done, size - done);
    if (got <= 0) break;
    done += got;
  }
  if (file.error() != QFileDevice::NoError || done != size)
    throw ResizeError(QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden: %2")
                          .arg(path, file.errorString()));
  return buffer;
}

}  // namespace

ResizeError::ResizeError(const QString& message) : std::runtime_error(message.toStdString()) {}

ResizeOutcome ResizeJpeg(const QString& path, int quality, int sizeIndex, JobContext& context) {
  context.ProcessEvents();
  if (context.CancelRequested()) return ResizeOutcome::Cancelled;

  if (sizeIndex < 0 || sizeIndex >= static_cast<int>(kResizeSizes.size()))
    throw ResizeError(
        QStringLiteral("Für \"%1\" ist keine gültige Größe gewählt (640x480, 800x600 oder "
                       "1024x768) !")
            .arg(path));
  const ResizeSize size = kResizeSizes[static_cast<std::size_t>(sizeIndex)];

  const std::vector<std::uint8_t>& original = ReadWholeFile(path);
  std::string encoded;
  try {
    encoded = DecodeStretchEncode(original.data(), original.size(), size.width, size.height,
                                  quality);
  } catch (const JpegDecodeError& error) {
    throw ResizeError(QStringLiteral("Die Datei \"%1\" ist kein lesbares JPEG-Bild: %2")
                          .arg(path, QString::fromUtf8(error.what())));
  } catch (const JpegEncodeError& error) {
    throw ResizeError(QStringLiteral("Das Bild \"%1\" konnte nicht komprimiert werden: %2")
                          .arg(path, QString::fromUtf8(error.what())));
  }

  const std::string file = QFile::encodeName(path).toStdString();
  try {
    SaveJpegWithMetadata(encoded, file, file, true);
  } catch (const JpegWriteError& error) {
    throw ResizeError(QString::fromUtf8(error.what()));
  }
  return ResizeOutcome::Resized;
}
