#include "jobs/rename_name.h"

#include "common/path_helpers.h"

namespace {

QString CounterText(const RenameOptions& options, int counter) {
  QString text = QString::number(counter);
  // A number longer than the width is never cut.
  if (options.zeroFill && text.size() < options.counterWidth) text = text.rightJustified(options.counterWidth, u'0');
  return text;
}

QString ReplaceWithCell(const QString& name, const QString& placeholder, const QString& cell) {
  const QString value = cell.trimmed();
  return value.isEmpty() ? name : ReplaceAll(name, placeholder, value);
}

}  // namespace

QString BuildNewName(const RenameOptions& options, int counter, const NameCells& cells, const QDateTime& now) {
  const QString counterText = CounterText(options, counter);
  QString name = options.counterInFront ? counterText + u' ' + options.pattern : options.pattern + u' ' + counterText;

  // Date and time are those of the run, not of the photo.
  const QDate today = now.date();
  name = ReplaceAll(name, QStringLiteral("%DL"), today.toString(QStringLiteral("dd.MM.yyyy")));
  name = ReplaceAll(name, QStringLiteral("%DK"), today.toString(QStringLiteral("dd.MM.yy")));
  name = ReplaceAll(name, QStringLiteral("%Z"), now.time().toString(QStringLiteral("hh:mm")));
  name = ReplaceAll(name, QStringLiteral("%J"), today.toString(QStringLiteral("yyyy")));
  name = ReplaceWithCell(name, QStringLiteral("%EXD"), cells.captureDate);
  name = ReplaceWithCell(name, QStringLiteral("%EXM"), cells.make);
  name = ReplaceWithCell(name, QStringLiteral("%EXA"), cells.resolution);
  name = ReplaceWithCell(name, QStringLiteral("%EXL"), cells.model);

  if (options.upperCase)
    name = name.toUpper();
  else if (options.lowerCase)
    name = name.toLower();

  if (options.useSeparator && options.separatorIndex >= 0 && options.separatorIndex < int(std::size(kNameSeparators)))
    name.replace(u' ', QChar(kNameSeparators[options.separatorIndex].character));
  return name;
}
