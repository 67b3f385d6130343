// The Canon formatters: they take the rendered list of SHORT values of a Canon tag apart and
// derive one entry per decoded field.

#include <charconv>
#include <cstdint>
#include <span>
#include <string_view>

#include "metadata/image_info.h"
#include "metadata/maker_note_formatters.h"
#include "metadata/value_rendering.h"

namespace {

// A field at a position (counted from 1) of the value list; without a value list the field's
// text is the value itself as rendered, with the blank that follows each comma.
struct CanonField {
  std::string_view Label;
  int Position;
  std::string_view Values;
};

constexpr std::string_view kLowNormalHigh = "65535:Low,0:Normal,1:High";

// Camera settings (tag 0001)
constexpr CanonField kSettingsFields[] = {
    {"Macro mode", 2, "1:Macro,2:Normal"},
    {"Self Timer", 2, {}},
    {"Compression Rate", 4, "0:SuperFine,1:Fine,2:Normal,3:Basic,5:SuperFine"},
    {"Flash Mode", 5,
     "0:Not fired,1:Auto,2:On,3:Red-eye,4:Slow sync,5:Auto+red-eye,6:On+red eye,16:External flash"},
    {"Drive Mode", 6, "0:Single,1:Continuous"},
    {"Focus Mode", 8, "0:One-Shot,1:AI Servo,2:AI Focus,3:MF,4:Single,5:Continuous,6:MF"},
    {"Image Size", 11, "0:Large,1:Medium,2:Small,4:5MPixel,5:2 MPixel,6:1.5 MPixel"},
    {"Easy Shoot", 12,
     "0:Full Auto,1:Manual,2:Landscape,3:Fast Shutter,4:Slow Shutter,5:Night,6:B&W,7:Sepia,"
     "8:Portrait,9:Sports,10:Macro/Close-Up,11:Pan Focus"},
    {"Contrast", 14, kLowNormalHigh},
    {"Saturation", 15, kLowNormalHigh},
    {"Sharpness", 16, kLowNormalHigh},
    {"CCD ISO", 17, "0:Not used,15:auto,16:50,17:100,18:200,19:400"},
    {"Metering Mode", 18, kLowNormalHigh},
    {"AF Point", 20, kLowNormalHigh},
    {"Exposure Mode", 21, kLowNormalHigh},
    {"Long focal", 24, {}},
    {"Short focal", 25, {}},
    {"Focal Units", 26, {}},
    {"Flash Details", 29, {}},
    {"Focus Mode", 33, kLowNormalHigh},
};

// Shot information (tag 0004)
constexpr CanonField kShotInfoFields[] = {
    {"White balance", 8, "0:Auto,1:Sunny,2:Cloudy,3:Tungsten,4:Flourescent,5:Flash,6:Custom"},
    {"Sequence Number", 9, {}},
    {"OpticalZoom Step", 11, {}},
    {"AF point", 14, {}},
    {"Flash bias", 16,
     "65472:-2 EV,65484:-1.67 EV,65488:-1.50 EV,65492:-1.33 EV,65504:-1 EV,65516:-0.67 EV,"
     "65520:-0.50 EV,65524:-0.33 EV,0:0 EV,12:0.33 EV,16:0.50 EV,20:0.67 EV,32:1 EV,44:1.33 EV,"
     "48:1.50 EV,52:1.67 EV,64:2 EV"},
    {"Distance", 19, {}},
};

// A setting of a custom function and its text, used as stored (leading blanks included).
// Some texts hold commas, so these lists are pairs rather than value-list texts.
struct CanonSetting {
  int Value;
  std::string_view Text;
};

constexpr CanonSetting kNoiseReduction[] = {{0, " Off"}, {1, " On"}};
constexpr CanonSetting kShutterAeLock[] = {
    {0, "AF/AE lock"}, {1, "AE lock/AF"}, {2, "AF/AF lock"}, {3, "AE+release/AE+AF"}};
constexpr CanonSetting kDisableEnable[] = {{0, "Disable"}, {1, "Enable"}};
constexpr CanonSetting kExposureLevel[] = {{0, "1/2 stop"}, {1, "1/3 stop"}};
constexpr CanonSetting kAfAssist[] = {{0, "On (auto)"}, {1, "Off"}};
constexpr CanonSetting kAvShutterSpeed[] = {{0, "Automatic"}, {1, " 1/200 (fixed)"}};
constexpr CanonSetting kAebSequence[] = {{0, "0, -, + / Enabled"},
                                         {1, " 0, -, + / Disabled"},
                                         {2, " -, 0, + / Enabled"},
                                         {3, " -, 0, + / Disabled"}};
constexpr CanonSetting kShutterSync[] = {{0, "1st-curtain sync"}, {1, " 2nd-curtain sync"}};
constexpr CanonSetting kLensAfButton[] = {{0, "AF stop"}, {1, "Operate AF"}, {2, "Lock AE and start timer"}};
constexpr CanonSetting kEnableDisable[] = {{0, "Enable"}, {1, "Disable"}};
constexpr CanonSetting kMenuReturn[] = {{0, "Top"}, {1, "Previous (volatile)"}, {2, "Previous"}};
constexpr CanonSetting kSetButton[] = {
    {0, "Not assigned"}, {1, "Change quality"}, {2, "Change ISO speed"}, {3, "Select parameters"}};
constexpr CanonSetting kSuperimposedDisplay[] = {{0, " On"}, {1, " Off"}};

struct CanonCustomFunction {
  std::string_view Label;
  std::span<const CanonSetting> Settings;
};

// Custom functions 1 to 15, by function number.
constexpr CanonCustomFunction kCustomFunctions[] = {
    {"Noise Reduction", kNoiseReduction},
    {"Shutter AE Lock Button", kShutterAeLock},
    {"Mirror Lockup", kDisableEnable},
    {"Exposure Level", kExposureLevel},
    {"AF Assist", kAfAssist},
    {"AV Shutter Speed", kAvShutterSpeed},
    {"AEB Sequence", kAebSequence},
    {"Shutter Sync", kShutterSync},
    {"Lens AF Button", kLensAfButton},
    {"Fill Flash Reduction", kEnableDisable},
    {"Menu Return", kMenuReturn},
    {"Set Button", kSetButton},
    {"Sensor Cleaning", kDisableEnable},
    {"Superimposed Display", kSuperimposedDisplay},
    {"Shutter Release w/o CF Card", kEnableDisable},
};

// The pieces of "1, 2, 3": "1", " 2", " 3" (each keeps the blank after its comma).
std::vector<std::string_view> SplitValues(std::string_view text) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    pieces.push_back(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return pieces;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::vector<DerivedMakerNoteEntry> DecodeFields(const std::string& text, std::span<const CanonField> fields) {
  const std::vector<std::string_view> pieces = SplitValues(text);
  std::vector<DerivedMakerNoteEntry> entries;
  for (const CanonField& field : fields) {
    if (field.Position > static_cast<int>(pieces.size())) continue;
    const std::string_view piece = pieces[field.Position - 1];
    std::string fieldText = field.Values.empty() ? std::string(piece) : LookupValueText(field.Values, piece);
    if (!fieldText.empty()) entries.push_back({std::string(field.Label), std::move(fieldText)});
  }
  return entries;
}

// Appends the entries to the image and joins them into the text of the Canon tag itself.
std::string AppendAndJoin(const std::vector<DerivedMakerNoteEntry>& entries, TImageInfo& info) {
  std::string result;
  for (const DerivedMakerNoteEntry& entry : entries) {
    info.AppendMakerNoteTag(entry.Label, entry.Text);
    result += "\r\n" + entry.Label + " = " + entry.Text;
  }
  return result;
}

}  // namespace

std::vector<DerivedMakerNoteEntry> CanonSettingsFields(const std::string& text) {
  return DecodeFields(text, kSettingsFields);
}

std::vector<DerivedMakerNoteEntry> CanonShotInfoFields(const std::string& text) {
  return DecodeFields(text, kShotInfoFields);
}

std::vector<DerivedMakerNoteEntry> CanonCustomFunctionFields(const std::string& text) {
  std::vector<std::string_view> pieces = SplitValues(text);
  pieces.pop_back();  // the last value is never decoded
  std::vector<DerivedMakerNoteEntry> entries;
  for (std::string_view piece : pieces) {
    piece = Trimmed(piece);
    std::int64_t value = 0;
    const auto parsed = std::from_chars(piece.data(), piece.data() + piece.size(), value);
    if (piece.empty() || parsed.ec != std::errc() || parsed.ptr != piece.data() + piece.size()) continue;
    const std::int64_t function = value / 256;
    const std::int64_t setting = value % 256;
    if (function < 1 || function > static_cast<std::int64_t>(std::size(kCustomFunctions))) continue;
    const CanonCustomFunction& custom = kCustomFunctions[function - 1];
    for (const CanonSetting& candidate : custom.Settings)
      if (candidate.Value == setting) {
        entries.push_back({std::string(custom.Label), std::string(candidate.Text)});
        break;
      }
  }
  return entries;
}

std::string CanonSettingsText(const std::string& text, TImageInfo& info) {
  return AppendAndJoin(CanonSettingsFields(text), info);
}

std::string CanonShotInfoText(const std::string& text, TImageInfo& info) {
  return AppendAndJoin(CanonShotInfoFields(text), info);
}

std::string CanonCustomFunctionsText(const std::string& text, TImageInfo& info) {
  return AppendAndJoin(CanonCustomFunctionFields(text), info);
}
