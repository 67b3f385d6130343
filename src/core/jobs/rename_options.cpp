#include "jobs/rename_options.h"

#include "common/path_helpers.h"

namespace {

const QString kInvalidName = QStringLiteral("Bitte geben Sie einen gültigen Dateinamen an !");

// A name that holds a separator or another forbidden character would lead out of its folder.
bool IsInvalidName(const QString& name) { return !IsValidFileName(name.trimmed(), true); }

}  // namespace

QString FirstRenameOptionsProblem(const RenameOptions& options, const QString& startCounterText) {
  if (options.pattern.trimmed().isEmpty()) return QStringLiteral("Bitte geben Sie einen Namen für die Dateien an !");
  if (IsInvalidName(options.pattern)) return kInvalidName;
  if (options.useSeparator && options.separatorIndex < 0)
    return QStringLiteral("Bitte geben Sie ein Trennzeichen an !");
  if (startCounterText.trimmed().isEmpty()) return QStringLiteral("Bitte geben Sie ein Startzähler an !");
  if (options.action != RenameAction::RenameInPlace) {
    if (options.targetFolder.trimmed().isEmpty()) return QStringLiteral("Bitte geben Sie einen Zielordner an !");
    if (!FolderExists(options.targetFolder.trimmed())) return QStringLiteral("Der angegebene Ordner existiert nicht !");
  }
  // A resize without a size would leave the target size undefined.
  if (options.resize && options.sizeIndex < 0) return QStringLiteral("Bitte wählen Sie eine Größe aus !");
  if (options.pack) {
    if (options.zipFolder.trimmed().isEmpty()) return QStringLiteral("Bitte geben Sie einen Zielordner an !");
    if (!FolderExists(options.zipFolder.trimmed())) return QStringLiteral("Der angegebene Ordner existiert nicht !");
    if (options.zipName.trimmed().isEmpty()) return QStringLiteral("Bitte geben Sie einen Zip-Dateinamen an !");
    if (IsInvalidName(options.zipName)) return kInvalidName;
  }
  if (options.writeDescription) {
    if (options.descriptionFileName.trimmed().isEmpty()) return QStringLiteral("Bitte geben Sie einen Dateinamen an !");
    if (IsInvalidName(options.descriptionFileName)) return kInvalidName;
  }
  if (options.writeExif) {
    if (options.exifFileName.trimmed().isEmpty()) return QStringLiteral("Bitte geben Sie einen Dateinamen an !");
    if (IsInvalidName(options.exifFileName)) return kInvalidName;
  }
  return {};
}

QStringList RenameOptionLines(const RenameOptions& options) {
  QStringList lines{QString(), QStringLiteral(" --- Optionen --- "), QString(),
                    QStringLiteral("- Neuer Dateiname: ") + options.pattern, QString()};
  if (options.useSeparator && options.separatorIndex >= 0 && options.separatorIndex < int(std::size(kNameSeparators)))
    lines << QStringLiteral("- Trennzeichen: ") + QString::fromUtf16(kNameSeparators[options.separatorIndex].caption);
  if (options.upperCase) lines << QStringLiteral("- Dateinamen in Großbuchstaben umwandeln");
  if (options.lowerCase) lines << QStringLiteral("- Dateinamen in Kleinbuchstaben umwandeln");
  if (options.writeDescription) lines << QStringLiteral("- Datei mit zusätzlicher Beschreibung anlegen");
  if (options.resize) lines << QStringLiteral("- Auflösung ändern");
  // The EXIF choice is written whether or not an EXIF file was asked for.
  if (options.exifScope == ExifFileScope::PerImage)
    lines << QStringLiteral("- EXIF-Datei für jedes Bild erstellen");
  else
    lines << QStringLiteral("- Eine EXIF-Datei für alle Bilder erstellen");
  switch (options.action) {
    case RenameAction::RenameInPlace:
      lines << QStringLiteral("- Originale Dateien umbenennnen");
      break;
    case RenameAction::CopyTo:
      lines << QStringLiteral("- Dateien umbenennnen und kopieren") << QStringLiteral("- Zielordner: ") + options.targetFolder;
      break;
    case RenameAction::MoveTo:
      lines << QStringLiteral("- Dateien umbenennnen und verschieben") << QStringLiteral("- Zielordner: ") + options.targetFolder;
      break;
  }
  if (options.pack) {
    if (options.zipMove) lines << QStringLiteral("- Dateien in Zipdatei verschieben");
    if (options.zipFolderNames) lines << QStringLiteral("- Pfadnamen der Dateien mitspeichern");
    if (options.zipEncrypt) lines << QStringLiteral("- Zip mit Passwort schützen");
    lines << QStringLiteral("- Dateien packen: ") + ZipArchivePath(options);
  }
  lines << QString();
  return lines;
}

QString RenameCountLine(int checkedRows) {
  return QStringLiteral("Anzahl Bilder zum umbenennen: ") + QString::number(checkedRows);
}

QString ZipArchivePath(const RenameOptions& options) {
  return WithTrailingBackslash(options.zipFolder.trimmed()) + options.zipName.trimmed() + QStringLiteral(".zip");
}
