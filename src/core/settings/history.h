#pragma once
// The history files "Ordner.dat" and "Namen.dat" behind the program's text inputs: one entry
// per line, oldest first.

#include <QString>
#include <QStringList>

inline constexpr char kFolderHistoryFile[] = "Ordner.dat";
inline constexpr char kNameHistoryFile[] = "Namen.dat";
// An input shows this many suggestions of its look-up list at a time.
inline constexpr int kHistorySuggestionRows = 20;

// The core side of a text input with a look-up history: its look-up list and its history file.
// The input widget shows LookupList() as suggestions.
class HistoryField {
 public:
  // fileName is kFolderHistoryFile or kNameHistoryFile; the file lives in `folder`
  // (with trailing separator), or in the UserDataFolder when folder is empty.
  explicit HistoryField(QString fileName, QString folder = QString());

  const QString& FileName() const { return fileName_; }
  QString FilePath() const;
  const QStringList& LookupList() const { return lookupList_; }
  void SetLookupList(QStringList list) { lookupList_ = std::move(list); }

 private:
  QString fileName_;
  QString folder_;
  QStringList lookupList_;
};

enum class HistoryCommit {
  FieldLeft,    // the field lost the focus: add the trimmed text, then the text as typed
  AsTypedOnly,  // a folder picker filled the field: add only the text as typed
};

// Replaces the field's look-up list with the file's lines as they stand; empty when the file
// is missing.
void LoadHistory(HistoryField& field);

// Adds the text to the history: re-reads the file, appends the trimmed text (unless empty or
// present) and then the text as typed (unless its trimmed form is empty or it is present),
// comparing without regard to letter case; a text with a line break is never added. Rewrites
// the file even when nothing was added and makes the result the field's look-up list. Re-reading keeps what other fields added since this
// field loaded, and keeps deleted entries deleted. A file that cannot be written throws
// FileError; the look-up list still holds the new entries.
void CommitHistory(HistoryField& field, const QString& text,
                   HistoryCommit kind = HistoryCommit::FieldLeft);

// The lines of a history file (LF or CR LF ends); empty when the file is missing.
QStringList ReadHistoryFile(const QString& path);
// Writes the entries, each ended by CR LF, replacing the file in one step; throws FileError.
void WriteHistoryFile(const QString& path, const QStringList& entries);
