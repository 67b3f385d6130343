#include "catalogue/reader_text.h"

#include <QDateTime>
#include <QLocale>
#include <QStringDecoder>

QString DecodeReaderText(const std::string& bytes) {
  if (bytes.empty()) return QString();
  bool ascii = true;
  for (const char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string UserShortDate(std::time_t time) {
  const QDate date = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(time)).date();
  return QLocale::system().toString(date, QLocale::ShortFormat).toStdString();
}
