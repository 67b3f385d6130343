#include <cmath>
#include <cstdio>

#include "metadata/image_info.h"
#include "metadata/tag_tables.h"
#include "metadata/timg_data.h"

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kMillimetresPerCentimetre = 10;
constexpr double kFullFrameDiagonal = 43.26661531;  // of a 36 x 24 mm frame
constexpr int kUnitInch = 2;
constexpr int kUnitCentimetre = 3;
constexpr const char* kLineBreak = "\r\n";

}  // namespace

std::string DefaultShortDate(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", local.tm_mday, local.tm_mon + 1,
                local.tm_year + 1900);
  return buffer;
}

void TImageInfo::Compute35mmFocalLength() {
  if (IndexOfTag("FocalLengthin35mmFilm") >= 0) return;
  int unit = TagIntValue("FocalPlaneResolutionUnit");
  if (unit <= 0) unit = TagIntValue("ResolutionUnit");
  const double mm = unit == kUnitInch         ? kMillimetresPerInch
                    : unit == kUnitCentimetre ? kMillimetresPerCentimetre
                                              : 0;
  const double focalLength = TagNumberValue("FocalLength");
  if (mm == 0 || focalLength == 0) return;

  double sensorWidth = 0;
  double sensorHeight = 0;
  const int xResolution = TagIntValue("FocalPlaneXResolution");
  if (xResolution > 0) sensorWidth = PixelWidth * mm / xResolution;
  const int yResolution = TagIntValue("FocalPlaneYResolution");
  if (yResolution > 0) sensorHeight = PixelHeight * mm / yResolution;
  if (!(sensorWidth * sensorHeight > 0)) return;

  const double equivalent = focalLength * kFullFrameDiagonal /
                            std::sqrt(sensorWidth * sensorWidth + sensorHeight * sensorHeight);
  const int index = IndexOfTagDefinition("FocalLengthIn35mmFilm");
  if (index < 0) return;
  TTagEntry entry = EntryFromDefinition(ExifTagDefinitions()[static_cast<std::size_t>(index)]);
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%5.2f", equivalent);
  entry.Text = buffer;
  entry.FormatText = "%s mm";
  entry.Format = kFormatSRational;
  AppendTag(std::move(entry));
}

std::string TImageInfo::SummaryText(const ShortDateFormatter& shortDate) const {
  if (Parent == nullptr || Parent->ExifSection == nullptr) return {};
  const std::string& path = Parent->FileName;
  const std::string fileName = path.substr(path.find_last_of('/') + 1);
  if (Parent->ErrorText != kErrorNone) {
    return "File Name: " + fileName + kLineBreak + "Exif Error: " + Parent->ErrorText;
  }
  std::string text = "File Name: " + fileName;
  const auto addLine = [&text](const std::string& line) { text += kLineBreak + line; };
  addLine("File Size: " + std::to_string(Parent->FileSize / 1024) + "k");
  addLine("File Date: " + (shortDate ? shortDate(Parent->FileTime) : DefaultShortDate(Parent->FileTime)));
  addLine("Photo Date: " + DateTimeText);
  addLine("Make (Model): " + MakeText + " (" + ModelText + ")");
  addLine("Dimensions: " + std::to_string(PixelWidth) + " x " + std::to_string(PixelHeight));
  if (BuildMode == 2 || BuildMode == 255) {
    std::string exposure = TagTextOf("ExposureTime");
    if (exposure.empty()) exposure = TagTextOf("ShutterSpeedValue");
    if (!exposure.empty()) addLine("Exposure Time: " + exposure);
    const std::pair<const char*, const char*> lines[] = {
        {"Focal Length: ", "FocalLength"},
        {"Focal Length (35mm): ", "FocalLengthin35mmFilm"},
        {"FNumber: ", "FNumber"},
        {"ISO: ", "ISOSpeedRatings"},
    };
    for (const auto& [caption, name] : lines) {
      const std::string value = TagTextOf(name);
      if (!value.empty()) addLine(caption + value);
    }
  }
  addLine(std::string("Flash: ") + ((FlashValue & 1) ? "Yes" : "No"));
  return text;
}
