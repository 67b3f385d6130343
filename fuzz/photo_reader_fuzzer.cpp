// Feeds arbitrary bytes through the photo reader, once as a JPEG file and once as a TIFF file,
// and through the text report of the same file: every look-up a report makes (all tags, maker
// notes, thumbnail tags, comment, IPTC lines, summary) runs on the fuzzed data.

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "metadata/exif_report.h"
#include "metadata/timg_data.h"

namespace {

std::string g_folder;

void RemoveFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(g_folder, ignored);
}

bool WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

void ReadAsEveryCallerDoes(const std::string& path) {
  TimgData data(255);
  data.ReadPhotoFile(path);
  if (data.HasExif()) {
    TImageInfo& info = *data.Exif;
    if (data.HasThumbnail()) info.ReadThumbnailTags();
    TTagEntry entry;
    info.RewindTags();
    while (info.NextFoundTag(0, entry)) {
    }
    info.TagTextOf("ExifImageWidth");
    info.SummaryText();
    info.FitSizeTags(600, 800);
  }
  if (data.CommentSection != nullptr) data.CommentText();
  if (data.Iptc != nullptr) data.Iptc->IptcLines(data.IptcSection->Data);

  std::vector<std::string> lines;
  AppendImageExifReport(path, lines, kReportFormText);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string pattern = (std::filesystem::temp_directory_path() / "velmora-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) abort();
  g_folder = pattern + "/";
  std::atexit(RemoveFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // One write; the same file is then read as a JPEG and, renamed, as a TIFF file.
  const std::string jpeg = g_folder + "input.jpg";
  const std::string tiff = g_folder + "input.tif";
  if (!WriteInput(jpeg, data, size)) return 0;
  ReadAsEveryCallerDoes(jpeg);
  if (std::rename(jpeg.c_str(), tiff.c_str()) == 0) ReadAsEveryCallerDoes(tiff);
  return 0;
}
