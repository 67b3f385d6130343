#pragma once
// Lets GoogleTest print QString and QStringList values in failure messages.

#include <QString>
#include <QStringList>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* out) {
  *out << '{';
  for (const QString& text : list) *out << " \"" << text.toStdString() << '"';
  *out << " }";
}
QT_END_NAMESPACE
