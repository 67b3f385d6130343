#pragma once
// Everything the rename job needs to know, filled by the rename dialog (or the command line)
// and read by RenameImages. It holds values only, never widgets.

#include <QString>
#include <QStringList>

enum class RenameAction { RenameInPlace = 0, CopyTo = 1, MoveTo = 2 };

// One EXIF file per image beside it, or one file for all images.
enum class ExifFileScope { PerImage = 0, AllImages = 1 };

struct RenameOptions {
  // Page "Name".
  QString pattern;             // as typed, not trimmed
  bool useSeparator = false;
  int separatorIndex = -1;     // index into kNameSeparators, -1 when nothing is chosen
  int startCounter = 1;        // 1..9999
  bool zeroFill = false;
  int counterWidth = 1;        // 1..9
  bool counterInFront = false;
  bool upperCase = false;
  bool lowerCase = false;

  // Page "Aktion".
  RenameAction action = RenameAction::RenameInPlace;
  QString targetFolder;        // as typed

  // Page "Auflösung".
  bool resize = false;
  int quality = 100;           // 0..100
  int sizeIndex = -1;          // 0 "640x480", 1 "800x600", 2 "1024x768", -1 nothing chosen

  // Page "Packen".
  bool pack = false;
  bool zipMove = false;
  bool zipFolderNames = false;
  bool zipEncrypt = false;
  QString zipPassword;         // the repeat field of the password dialog, as typed
  QString zipName;             // without extension
  QString zipFolder;

  // Page "Beschreibung".
  bool writeDescription = false;
  QString descriptionFileName = QStringLiteral("Liesmich.txt");
  QStringList descriptionLines;

  // Page "EXIF".
  bool writeExif = false;
  ExifFileScope exifScope = ExifFileScope::PerImage;
  int exifForm = 0;            // 0 text, 1 HTML
  QString exifFileName;        // the file for all images, without extension
};

struct NameSeparator {
  const char16_t* caption;
  char16_t character;
};

// The separator drop-down: caption shown and the character that replaces every blank.
inline constexpr NameSeparator kNameSeparators[] = {
    {u"Strich", u'-'},
    {u"Unterstrich", u'_'},
    {u"Punkt", u'.'},
};

// The size drop-down of the resize page.
inline constexpr const char16_t* kResizeSizeCaptions[] = {u"640x480", u"800x600", u"1024x768"};

// The first problem that keeps "Ok" from handing over the job, as the German message to show;
// empty when the options are complete. startCounterText is the start counter field's text.
QString FirstRenameOptionsProblem(const RenameOptions& options, const QString& startCounterText);

// The option lines written into the JobLog after the start line, in their fixed order.
QStringList RenameOptionLines(const RenameOptions& options);

// "Anzahl Bilder zum umbenennen: " + count.
QString RenameCountLine(int checkedRows);

// WithTrailingBackslash(trimmed folder) + trimmed name + ".zip".
QString ZipArchivePath(const RenameOptions& options);
