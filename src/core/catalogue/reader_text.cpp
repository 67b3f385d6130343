#include "catalogue/reader_text.h"

#include <QStringDecoder>

QString DecodeReaderText(const std::string& bytes) {
  if (bytes.empty()) return QString();
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
