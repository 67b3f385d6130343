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

void SetWriteTimeTexts(PhotoRow& row, std::time_t written) {
  // Formatted by hand: a folder of many thousand photos formats as many times.
  std::tm local{};
  if (!localtime_r(&written, &local)) {
    row.texts[kTextDate].clear();
    row.texts[kTextTime].clear();
    return;
  }
  auto two = [](QChar* at, int value) {
    at[0] = QChar(u'0' + value / 10 % 10);
    at[1] = QChar(u'0' + value % 10);
  };
  QString date(10, u'.');
  two(date.data(), local.tm_mday);
  two(date.data() + 3, local.tm_mon + 1);
  const int year = local.tm_year + 1900;
  two(date.data() + 6, year / 100);
  two(date.data() + 8, year % 100);
  QString time(8, u':');
  two(time.data(), local.tm_hour);
  two(time.data() + 3, local.tm_min);
  two(time.data() + 6, local.tm_sec);
  row.texts[kTextDate] = std::move(date);
  row.texts[kTextTime] = std::move(time);
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
