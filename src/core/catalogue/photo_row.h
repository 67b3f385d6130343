#pragma once
// One row of the photo list: the check box, the file name ("Datei") and nine texts addressed by
// position. Rows without camera data carry "-" in texts 4 to 8; a row whose reading was broken
// off keeps empty texts from position 4 on.

#include <QString>

#include <array>

// Positions of the nine texts; the jobs address them by these numbers.
enum PhotoText : int {
  kTextFolder = 0,       // "Ordner": ends with the separator
  kTextDate = 1,         // "Datum": last-write date, dd.MM.yyyy
  kTextTime = 2,         // "Uhrzeit": last-write time, hh:mm:ss
  kTextType = 3,         // "Typ": "JPEG-Datei" or "-"
  kTextSize = 4,         // "Auflösung": height x width
  kTextCaptureDate = 5,  // "Aufnahmedatum": dd.mm.yyyy
  kTextCaptureTime = 6,  // "Aufnahmezeit": a blank, then hh:mm:ss
  kTextModel = 7,        // "Model"
  kTextMake = 8,         // "Hersteller"
};
inline constexpr int kPhotoTextCount = 9;
// The caption plus the nine texts.
inline constexpr int kPhotoColumnCount = 10;

// The texts that mark missing data and a JPEG file.
inline constexpr char16_t kNoDataText[] = u"-";
inline constexpr char16_t kJpegTypeText[] = u"JPEG-Datei";

struct PhotoRow {
  bool checked = false;
  QString caption;                                // "Datei": the file name without folder
  std::array<QString, kPhotoTextCount> texts;     // texts 0..8

  // The full path of the file the row points to: folder text plus caption.
  QString FilePath() const { return texts[kTextFolder] + caption; }
  // The cell of column 0..9 as shown: column 0 is the caption, column c is text c - 1.
  const QString& Cell(int column) const { return column == 0 ? caption : texts[column - 1]; }
};
