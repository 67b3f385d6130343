#pragma once
// Reads a crafted photo and collects what its maker note produced.

#include <string>
#include <vector>

#include "fixture_builder.h"
#include "metadata/timg_data.h"

namespace reports_test {

struct MakerNoteResult {
  bool read = false;
  bool hasMakerNote = false;
  std::vector<std::string> makerLines;  // "Label = Text" of the group-1 entries, in list order
  std::vector<std::string> exifLines;   // the same for group 0
};

inline MakerNoteResult ReadMakerNoteOf(const std::string& path) {
  MakerNoteResult result;
  TimgData data(255);
  result.read = data.ReadPhotoFile(path);
  if (!data.Exif) return result;
  result.hasMakerNote = data.Exif->HasMakerNote;
  for (const TTagEntry& entry : data.Exif->Tags)
    (entry.Group == 1 ? result.makerLines : result.exifLines).push_back(entry.Label + " = " + entry.Text);
  return result;
}

// Writes the bytes as a file of the folder and reads its maker note.
inline MakerNoteResult ReadMakerNoteOf(const fixture::TempDir& dir, const std::string& name,
                                       const std::string& bytes) {
  return ReadMakerNoteOf(dir.Write(name, bytes));
}

}  // namespace reports_test
