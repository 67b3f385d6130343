#pragma once
// The cell texts of a photo row: file date and time, type, and the camera texts of the EXIF block.

#include "catalogue/photo_row.h"

#include <QString>

#include <ctime>

class TimgData;

// Texts 1 and 2: the last-write date ("dd.MM.yyyy") and time ("hh:mm:ss") of path in local
// time; both empty when the path names nothing.
void SetWriteTimeTexts(PhotoRow& row, const QString& path);
// The same from a last-write time already known (seconds since the epoch).
void SetWriteTimeTexts(PhotoRow& row, std::time_t written);
// Text 3: "JPEG-Datei" when the lower-cased extension of name is "jpg", otherwise "-".
QString TypeText(const QString& name);
// The capture date dd.mm.yyyy and the capture time (a blank, then hh:mm:ss) cut from an EXIF
// date-time text "yyyy:mm:dd hh:mm:ss". Shorter texts give shorter pieces; an empty one gives
// ".." and an empty time.
QString CaptureDateText(const QString& dateTime);
QString CaptureTimeText(const QString& dateTime);
// Texts 4 to 8 from a reader that has read the file: the camera texts when it found EXIF data,
// otherwise "-" five times.
void SetCameraTexts(PhotoRow& row, const TimgData& data);
// Text with the characters up to the blank (control characters included) removed at both ends.
QString TrimBlanks(const QString& text);
