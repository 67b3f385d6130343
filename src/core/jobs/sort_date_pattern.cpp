#include "jobs/sort_date_pattern.h"

#include <QStringList>

bool IsSortDatePattern(const QString& pattern) {
  const QString trimmed = pattern.trimmed();
  for (const char* known : kSortDatePatterns) {
    if (trimmed == QLatin1String(known)) return true;
  }
  return false;
}

namespace {

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value % 100, 2, 10, QLatin1Char('0')); }

}  // namespace

QString FormatSortDate(const QDate& date, const QString& pattern) {
  const QString p = pattern.trimmed();
  QString out;
  for (qsizetype i = 0; i < p.size();) {
    const QStringView rest = QStringView(p).mid(i);
    if (rest.startsWith(u"yyyy")) {
      out += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
      i += 4;
    } else if (rest.startsWith(u"yy")) {
      out += TwoDigits(date.year());
      i += 2;
    } else if (rest.startsWith(u"dd")) {
      out += TwoDigits(date.day());
      i += 2;
    } else if (rest.startsWith(u"mm")) {
      out += TwoDigits(date.month());
      i += 2;
    } else {
      out += p.at(i);
      ++i;
    }
  }
  return out;
}

QDate ParseListDate(const QString& cell) {
  const QStringList parts = cell.trimmed().split(QLatin1Char('.'));
  if (parts.size() != 3) return {};
  int numbers[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i) {
    const QString& part = parts[i];
    const qsizetype maxDigits = i == 2 ? 4 : 2;
    if (part.isEmpty() || part.size() > maxDigits) return {};
    for (QChar c : part) {
      if (c < u'0' || c > u'9') return {};
    }
    numbers[i] = part.toInt();
  }
  if (parts[2].size() != 4) return {};  // the list always writes four-digit years
  return QDate(numbers[2], numbers[1], numbers[0]);
}
