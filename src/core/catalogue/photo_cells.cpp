#include "catalogue/photo_cells.h"

#include "catalogue/reader_text.h"
#include "common/path_helpers.h"
#include "metadata/timg_data.h"

void SetWriteTimeTexts(PhotoRow& row, const QString& path) {
  const QDateTime written = FileWriteTime(path);
  if (!written.isValid()) {
    row.texts[kTextDate].clear();
    row.texts[kTextTime].clear();
    return;
  }
  row.texts[kTextDate] = written.toString(QStringLiteral("dd.MM.yyyy"));
  row.texts[kTextTime] = written.toString(QStringLiteral("hh:mm:ss"));
}

QString TypeText(const QString& name) {
  static const QString jpeg = QString::fromUtf16(kJpegTypeText);
  static const QString noData = QString::fromUtf16(kNoDataText);
  return ExtractExtLower(name) == u"jpg" ? jpeg : noData;
}

QString CaptureDateText(const QString& dateTime) {
  return dateTime.mid(8, 2) + u'.' + dateTime.mid(5, 2) + u'.' + dateTime.left(4);
}

QString CaptureTimeText(const QString& dateTime) { return dateTime.mid(10, 9); }

QString TrimBlanks(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && text[first].unicode() <= u' ') ++first;
  while (last > first && text[last - 1].unicode() <= u' ') --last;
  return first == 0 && last == text.size() ? text : text.mid(first, last - first);
}

void SetCameraTexts(PhotoRow& row, const TimgData& data) {
  if (!data.HasExif()) {
    static const QString noData = QString::fromUtf16(kNoDataText);
    for (int position = kTextSize; position <= kTextMake; ++position) row.texts[position] = noData;
    return;
  }
  const TImageInfo& exif = *data.Exif;
  // The height comes first.
  row.texts[kTextSize] = DecodeReaderText(exif.TagTextOf("ExifImageLength")) + u'x' +
                         DecodeReaderText(exif.TagTextOf("ExifImageWidth"));
  const QString dateTime = DecodeReaderText(exif.DateTimeText);
  row.texts[kTextCaptureDate] = CaptureDateText(dateTime);
  row.texts[kTextCaptureTime] = CaptureTimeText(dateTime);
  row.texts[kTextModel] = TrimBlanks(DecodeReaderText(exif.ModelText));
  row.texts[kTextMake] = TrimBlanks(DecodeReaderText(exif.MakeText));
}
