// Real photos from the shared sample folder: every file is read without a crash or a hang, and
// the camera values agree with what exiftool reads from the same files.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>

#include "metadata/timg_data.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSamples = fs::path(VELMORA_SOURCE_DIR) / ".." / "shared" / "fixtures" / "samples";

std::string RunCommand(const std::string& command) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  if (!pipe) return out;
  std::array<char, 4096> buffer{};
  std::size_t got = 0;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) out.append(buffer.data(), got);
  return out;
}

bool ExiftoolPresent() { return RunCommand("exiftool -ver 2>/dev/null").size() > 0; }

// exiftool's values of one file, tag name -> value (one "Tag: value" line each).
std::map<std::string, std::string> ExiftoolValues(const fs::path& file) {
  const std::string out = RunCommand(
      "exiftool -s -s -n -EXIF:Make -EXIF:Model -ExifIFD:DateTimeOriginal -IFD0:ModifyDate "
      "-ExifIFD:ExifImageWidth -ExifIFD:ExifImageHeight -IFD0:ImageWidth -IFD0:ImageHeight '" +
      file.string() + "' 2>/dev/null");
  std::map<std::string, std::string> values;
  std::size_t start = 0;
  while (start < out.size()) {
    const auto end = out.find('\n', start);
    const std::string line = out.substr(start, end - start);
    const auto colon = line.find(": ");
    if (colon != std::string::npos) values[line.substr(0, colon)] = line.substr(colon + 2);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return values;
}

// Blanks and the dots that stand for zero bytes at the end of a stored text.
std::string WithoutPadding(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '.')) text.pop_back();
  return text;
}

std::string ValueOr(const std::map<std::string, std::string>& values, const std::string& key,
                    const std::string& fallback) {
  const auto it = values.find(key);
  return it == values.end() ? fallback : it->second;
}

}  // namespace

TEST(ASamplePhoto, isReadWithoutFailingTheProgram) {
  if (!fs::is_directory(kSamples)) GTEST_SKIP() << "no sample folder";
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kSamples)) {
    if (!entry.is_regular_file()) continue;
    SCOPED_TRACE(entry.path().string());
    TimgData data(255);
    const bool result = data.ReadPhotoFile(entry.path().string());
    EXPECT_EQ(result, data.ErrorText == "<none>");
    if (data.HasExif()) {
      if (data.HasThumbnail()) data.Exif->ReadThumbnailTags();
      EXPECT_FALSE(data.Exif->SummaryText().empty());
    }
    if (data.Iptc) data.Iptc->IptcLines(data.IptcSection->Data);
    ++files;
  }
  EXPECT_GT(files, 0);
}

TEST(ASamplePhoto, agreesWithExiftoolOnTheCatalogueValues) {
  const fs::path folder = kSamples / "exif-org";
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no exif-org samples";
  if (!ExiftoolPresent()) GTEST_SKIP() << "exiftool not installed";
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".jpg") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const auto expected = ExiftoolValues(entry.path());
    TimgData data(255);
    data.ReadPhotoFile(entry.path().string());
    if (!expected.count("Make")) {
      EXPECT_TRUE(!data.HasExif() || data.Exif->MakeText.empty());
      continue;
    }
    ASSERT_TRUE(data.HasExif());
    const TImageInfo& info = *data.Exif;
    EXPECT_EQ(WithoutPadding(info.MakeText), WithoutPadding(expected.at("Make")));
    EXPECT_EQ(WithoutPadding(info.ModelText), WithoutPadding(ValueOr(expected, "Model", "")));
    EXPECT_EQ(info.DateTimeText,
              ValueOr(expected, "DateTimeOriginal", ValueOr(expected, "ModifyDate", "")));
    EXPECT_EQ(std::to_string(info.PixelWidth),
              ValueOr(expected, "ExifImageWidth", ValueOr(expected, "ImageWidth", "0")));
    EXPECT_EQ(std::to_string(info.PixelHeight),
              ValueOr(expected, "ExifImageHeight", ValueOr(expected, "ImageHeight", "0")));
    EXPECT_EQ(info.TagTextOf("ExifImageWidth"), ValueOr(expected, "ExifImageWidth", ""));
    ++compared;
  }
  EXPECT_GE(compared, 10);
}
