#pragma once
// A small reader and writer of Windows INI files that keeps everything it does not own: foreign
// sections, keys, comments and blank lines stay as they were, byte for byte and in their order.
// Section and key names compare without regard to letter case; the first match counts.

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

class IniFile {
 public:
  // Reads the file. A missing file gives an empty document and true; a file that exists but
  // cannot be read gives false with the reason in errorText.
  bool Read(const QString& path, QString* errorText = nullptr);

  // The value of the first matching key in the first matching section, blanks around it removed.
  std::optional<QString> Value(const QString& section, const QString& key) const;

  // Sets the key's value: replaces the first matching entry, or adds the entry after the last
  // entry of the section, or adds the section at the end.
  void SetValue(const QString& section, const QString& key, const QString& value);

  // Writes the whole document to a temporary file next to `path` and renames it over `path`.
  // Throws FileError when that fails; the old file then stays as it was.
  void Write(const QString& path) const;

 private:
  enum class LineKind { Other, Section, Entry };
  struct Line {
    QByteArray raw;  // the line as stored, without its line end
    LineKind kind = LineKind::Other;
    QString name;    // section name or key
    QString value;   // value of an entry
  };

  static Line ParseLine(const QByteArray& raw);
  int FindSection(const QString& section) const;
  int FindEntry(int sectionLine, const QString& key) const;

  QVector<Line> lines_;
  bool utf8Bom_ = false;
  QByteArray lineEnd_ = "\r\n";
};

// Decodes one stored line: UTF-8 when it is valid UTF-8, otherwise Latin-1.
QString DecodeStoredLine(const QByteArray& raw);
// The lines of a stored file, each without its CR LF or LF.
QList<QByteArray> SplitStoredLines(const QByteArray& bytes);
