#include "metadata/maker_note_tables.h"

#include <cctype>
#include <cstdint>

#include "metadata/maker_note_formatters.h"

namespace {

// A definition whose label is its name.
constexpr TagDefinition Tag(std::uint16_t number, std::string_view name, std::string_view values = {},
                            TagFormatter formatter = nullptr) {
  return TagDefinition{number, name, name, values, {}, formatter, 0};
}

// A definition with a label of its own.
constexpr TagDefinition Labelled(std::uint16_t number, std::string_view name, std::string_view label,
                                 std::string_view values = {}, TagFormatter formatter = nullptr) {
  return TagDefinition{number, name, label, values, {}, formatter, 0};
}

// The table slots take the common formatter signature; the Nikon formatters need only the text.
std::string NikonColorModeSlot(const std::string& text, TImageInfo&) { return NikonColorModeText(text); }
std::string LensRangeSlot(const std::string& text, TImageInfo&) { return LensRangeText(text); }

constexpr std::string_view kOffOn = "0:Off,1:On";

// Nikon type 1: the notes of early compact cameras, beginning with "Nikon".
constexpr TagDefinition kNikonType1[] = {
    Tag(0x0002, "FamilyID"),
    Tag(0x0003, "Quality",
        "1:Vga Basic,2:Vga Normal,3:Vga Fine,4:SXGA Basic,5:SXGA Normal,6:SXGA Fine,"
        "10:2 Mpixel Basic,11:2 Mpixel Normal,12:2 Mpixel Fine,20:2 Mpixel High"),
    Tag(0x0004, "ColorMode", "1:Color,2:Monochrome"),
    Tag(0x0005, "ImageAdjustment", "0:Normal,1:Bright+,2:Bright-,3:Contrast+,4:Contrast-,5:Auto"),
    Tag(0x0006, "ISOSpeed", "0:ISO80,2:ISO160,4:ISO320,5:ISO100"),
    Tag(0x0007, "WhiteBalance",
        "0:Auto,1:Preset,2:Daylight,3:Incandescense,4:Fluorescence,5:Cloudy,6:SpeedLight"),
    Tag(0x0008, "Focus"),
    Tag(0x0009, "Skip"),
    Tag(0x000A, "DigitalZoom"),
    Tag(0x000B, "Converter", "0:Not used,1:Used"),
    Tag(0x0F00, "Skip"),
};

// Nikon type 2 and 3: later cameras; type 3 notes carry a TIFF header of their own.
constexpr TagDefinition kNikonType2And3[] = {
    Labelled(0x0001, "FamilyID", "Family ID"),
    Labelled(0x0002, "ISOSpeed", "ISO Speed"),
    Labelled(0x0003, "ColorMode", "Color Mode"),
    Tag(0x0004, "Quality"),
    Labelled(0x0005, "WhiteBalance", "White Balance"),
    Labelled(0x0006, "ImageSharpening", "Image Sharpening"),
    Labelled(0x0007, "FocusMode", "Focus Mode"),
    Labelled(0x0008, "FlashSetting", "Flash Setting"),
    Labelled(0x0009, "AutoFlashMode", "Auto Flash Mode"),
    Tag(0x000A, "Skip"),
    Labelled(0x000B, "WhiteBiasValue", "White Bias Value"),
    Labelled(0x000F, "DigitalZoom", "Digital Zoom"),
    Tag(0x0010, "Skip"),
    Tag(0x0011, "Skip"),
    Labelled(0x0080, "ImageAdjustment", "Image Adjustment"),
    Labelled(0x0081, "ImageAdjustment", "Image Adjustment"),
    Tag(0x0082, "Adapter"),
    Labelled(0x0084, "LensInformation", "Lens information", {}, LensRangeSlot),
    Labelled(0x0085, "ManualFocusDistance", "Manual Focus Distance"),
    Labelled(0x0086, "DigitalZoom", "Digital Zoom"),
    Labelled(0x0088, "FocusArea", "Focus Area"),
    Tag(0x0089, "Mode"),
    Labelled(0x008D, "ColorMode", "Color Mode", {}, NikonColorModeSlot),
    Labelled(0x008F, "SceneMode", "Scene Mode"),
    Labelled(0x0092, "HueAdjustment", "Hue Adjustment"),
    Tag(0x0094, "Saturation"),
    Labelled(0x0095, "NoiseReduction", "Noise Reduction"),
    Labelled(0x00A7, "TotalShutterReleases ", "Total Shutter Releases "),
    Tag(0x0F00, "Skip"),
};

// Olympus
constexpr TagDefinition kOlympus[] = {
    Tag(0x0200, "SpecialMode"),
    Tag(0x0201, "JpegQual", "1:SQ,2:HQ,3:SHQ,4:Raw"),
    Tag(0x0202, "Macro", "0:Normal,1:Macro"),
    Tag(0x0203, "Skip"),
    Labelled(0x0204, "DigiZoom", "Digital Zoom Ratio"),
    Tag(0x0205, "Skip"),
    Tag(0x0206, "Skip"),
    Tag(0x0207, "Firmware"),
    Labelled(0x0208, "PictInfo", "Picture Info"),
    Labelled(0x0209, "CameraID", "Camera ID"),
    Tag(0x0F00, "Skip"),
    Labelled(0x1004, "FlashMode", "Flash Mode"),
    Tag(0x1006, "Bracket"),
    Labelled(0x100B, "FocusMode", "Focus Mode"),
    Labelled(0x100C, "FocusDistance", "Focus Distance"),
    Tag(0x100D, "Zoom"),
    Labelled(0x100E, "MacroFocus", "Macro Focus"),
    Tag(0x100F, "Sharpness"),
    Labelled(0x1011, "ColorMatrix", "Color Matrix"),
    Labelled(0x1012, "BlackLevel", "Black Level"),
    Labelled(0x1015, "WhiteBalance", "White Balance"),
    Labelled(0x1017, "RedBias", "Red Bias"),
    Labelled(0x1018, "BlueBias", "Blue Bias"),
    Tag(0x101A, "SerialNumber"),
    Labelled(0x1023, "FlashBias", "Flash Bias"),
    Tag(0x1029, "Contrast"),
    Labelled(0x102A, "SharpnessFactor", "Sharpness Factor"),
    Labelled(0x102B, "ColorControl", "Color Control"),
    Labelled(0x102C, "ValidBits", "Valid Bits"),
    Labelled(0x102D, "Coring", "Coring Filter"),
    Labelled(0x102E, "FinalWidth", "Final Width"),
    Labelled(0x102F, "FinalHeight", "Final Height"),
    Labelled(0x1034, "CompressionRatio", "Compression Ratio"),
};

constexpr std::string_view kCasioNormalLowHigh = "0:Normal,1:Low,2:High";

// Casio type 1: notes without a header.
constexpr TagDefinition kCasioType1[] = {
    Tag(0x0001, "RecordingMode", "1:Single Shutter,2:Panorama,3:Night Scene,4:Portrait,5:Landscape"),
    Tag(0x0002, "Quality", "1:Economy,2:Normal,3:Fine"),
    Tag(0x0003, "FocusingMode", "2:Macro,3:Auto Focus,4:Manual Focus,5:Infinity"),
    Tag(0x0004, "FlashMode", "1:Auto,2:On,3:Off,4:Red Eye Reduction"),
    Tag(0x0005, "FlashIntensity", "11:Weak,13:Normal,15:Strong"),
    Tag(0x0006, "ObjectDistance"),
    Tag(0x0007, "WhiteBalance", "1:Auto,2:Tungsten,3:Daylight,4:Fluorescent,5:Shade,129:Manual"),
    Tag(0x0008, "Skip"),
    Tag(0x0009, "Skip"),
    Tag(0x000A, "DigitalZoom", "65536:Off,65537:2X Digital Zoom"),
    Tag(0x000B, "Sharpness", "0:Normal,1:Soft,2:Hard"),
    Tag(0x000C, "Contrast", kCasioNormalLowHigh),
    Tag(0x000D, "Saturation", kCasioNormalLowHigh),
    Tag(0x000E, "Skip"),
    Tag(0x000F, "Skip"),
    Tag(0x0010, "Skip"),
    Tag(0x0011, "Skip"),
    Tag(0x0012, "Skip"),
    Tag(0x0013, "Skip"),
    Tag(0x0014, "CCDSensitivity", "64:Normal,125:+1.0,250:+2.0,244:+3.0,80:Normal,100:High"),
    Tag(0x0015, "Skip"),
    Tag(0x0016, "Skip"),
    Tag(0x0017, "Skip"),
    Tag(0x0018, "Skip"),
    Tag(0x0019, "Skip"),
    Tag(0x001A, "Skip"),
};

constexpr std::string_view kCasioMinusNormalPlus = "0:-1,1:Normal,2:+1";

// Casio type 2: notes beginning with "QVC".
constexpr TagDefinition kCasioType2[] = {
    Labelled(0x0002, "ThumbnailDimensions", "Thumbnail Dimensions"),
    Labelled(0x0003, "ThumbnailSize", "Thumbnail Size"),
    Labelled(0x0004, "ThumbnailOffset", "Thumbnail OffSet"),
    Tag(0x0008, "Quality", "1:Fine,2:Super Fine"),
    Tag(0x0009, "ImageSize",
        "0:640 x 480,4:1600 x 1200,5:2048 x 1536,20:2288 x 1712,21:2592 x 1944,22:2304 x 1728,"
        "36:3008 x 2008"),
    Tag(0x000D, "FocusMode", "0:Normal,1:Macro"),
    Tag(0x0014, "IsoSensitivity", "3:50,4:64,6:100,9:200"),
    Tag(0x0019, "WhiteBalance", "0:Auto,1:Daylight,2:Shade,3:Tungsten,4:Fluorescent,5:Manual"),
    Labelled(0x001D, "FocalLength", "Focal Length (.1 mm)"),
    Tag(0x001F, "Saturation", kCasioMinusNormalPlus),
    Tag(0x0020, "Contrast", kCasioMinusNormalPlus),
    Tag(0x0021, "Sharpness", kCasioMinusNormalPlus),
    Labelled(0x0E00, "PIM", "\tPrint Image Matching Info"),
    Tag(0x2000, "Skip"),
    Tag(0x2001, "Skip"),
    Tag(0x2002, "Skip"),
    Tag(0x2003, "Skip"),
    Labelled(0x2011, "WhiteBalanceBias", "White Balance Bias"),
    Tag(0x2013, "Skip"),
    Labelled(0x2012, "WhiteBalance", "White Balance", "0:Manual,1:Auto,4:Flash,12:Flash"),
    Tag(0x2021, "Skip"),
    Labelled(0x2022, "ObjectDistance", "Object Distance (mm)"),
    Tag(0x2023, "Skip"),
    Tag(0x2031, "Skip"),
    Tag(0x2032, "Skip"),
    Tag(0x2033, "Skip"),
    Labelled(0x2034, "FlashDistance", "Flash Distance"),
    Labelled(0x3000, "RecordMode", "Record Mode", "2:Normal"),
    Labelled(0x3001, "SelfTimer", "Self Timer", kOffOn),
    Tag(0x3002, "Quality", "1:Economy,2:Normal,3:Fine"),
    Labelled(0x3003, "FocusMode", "Focus Mode", "1:Fixed,3:Auto Focus,6:Multi-Area Auto Focus"),
    Tag(0x3005, "Skip"),
    Labelled(0x3006, "TimeZone", "Time Zone"),
    Labelled(0x3007, "BestshotMode", "Bestshot Mode", kOffOn),
    Tag(0x3011, "Skip"),
    Tag(0x3012, "Skip"),
    Tag(0x3013, "Skip"),
    Labelled(0x3014, "CCDSensitivity", "CCD Sensitivity"),
    Labelled(0x3015, "ColorMode", "Color Mode", kOffOn),
    Tag(0x3016, "Enhancement", kOffOn),
    Tag(0x3017, "Filter", kOffOn),
    Tag(0x3018, "Skip"),
    Tag(0x3019, "Skip"),
    Tag(0x301A, "Skip"),
    Tag(0x301B, "Skip"),
};

constexpr std::string_view kFujifilmNormalHighLow = "0:Normal,256:High,512:Low";

// Fujifilm: always little-endian, offsets counted from the start of the note.
constexpr TagDefinition kFujifilm[] = {
    Tag(0x0000, "Version"),
    Tag(0x1000, "Quality"),
    Tag(0x1001, "Sharpness", "1:Soft,2:Soft,3:Normal,4:Hard,5:Hard"),
    Tag(0x1002, "WhiteBalance",
        "0:Auto,256:Daylight,512:Cloudy,768:DaylightColor-fluorescence,"
        "769:DaywhiteColor-fluorescence,770:White-fluorescence,1024:Incandenscense,"
        "3840:Custom white balance."),
    Tag(0x1003, "Color", kFujifilmNormalHighLow),
    Tag(0x1004, "Tone", kFujifilmNormalHighLow),
    Tag(0x1010, "FlashMode", "0:Auto,1:On,2:Off,3:Red-eye reduction"),
    Tag(0x1011, "FlashStrength"),
    Tag(0x1020, "Macro", kOffOn),
    Tag(0x1021, "Focusmode", "0:Auto Focus,1:Manual Focus"),
    Tag(0x1030, "SlowSync", kOffOn),
    Tag(0x1031, "PictureMode",
        "0:Auto,1:Portrait scene,2:Landscape scene,4:Sports scene,5:Night scene,6:Program AE,"
        "256:Aperture prior AE,512:Shutter prior AE,768:Manual exposure"),
    Tag(0x1032, "Skip"),
    Tag(0x1100, "ContTake/Bracket", kOffOn),
    Tag(0x1200, "Skip"),
    Tag(0x1300, "BlurWarning", "0:No blur warning,1:Blur warning"),
    Tag(0x1301, "FocusWarning", "0:Auto Focus good,1:Out of focus"),
    Tag(0x1302, "AEWarning", "0:AE good,1:Over exposure"),
};

// Canon: the settings, shot information and custom functions derive entries of their own.
constexpr TagDefinition kCanon[] = {
    Tag(0x0000, "Skip"),
    Tag(0x0001, "ExposureInfo1", {}, CanonSettingsText),
    Tag(0x0002, "Skip"),
    Tag(0x0003, "Skip"),
    Tag(0x0004, "ExposureInfo2", {}, CanonShotInfoText),
    Tag(0x0006, "ImageType"),
    Tag(0x0007, "FirmwareVersion"),
    Tag(0x0008, "ImageNumber"),
    Tag(0x0009, "OwnerName"),
    Tag(0x000A, "Skip"),
    Tag(0x000B, "Skip"),
    Tag(0x000C, "CameraSerialNumber"),
    Tag(0x000D, "Skip"),
    Tag(0x000E, "Skip"),
    Tag(0x000F, "CustomFunctions", {}, CanonCustomFunctionsText),
    Tag(0x0010, "Skip"),
};

// Seiko
constexpr TagDefinition kSeiko[] = {
    Tag(0x0200, "Special Mode"),
    Tag(0x0201, "JpegQuality"),
    Tag(0x0202, "Macro"),
    Tag(0x0203, "Skip"),
    Tag(0x0204, "DigiZoom"),
    Tag(0x0209, "CameraID"),
    Tag(0x020A, "Comments"),
    Tag(0x020B, "Width"),
    Tag(0x020C, "Height"),
    Tag(0x020D, "SoftRelease"),
    Tag(0x0300, "??"),
    Tag(0x0F00, "skip"),
};

// Sanyo
constexpr TagDefinition kSanyo[] = {
    Tag(0x0200, "Special Mode"),
    Tag(0x0201, "JpegQuality"),
    Tag(0x0202, "Macro"),
    Tag(0x0203, "Skip"),
    Tag(0x0204, "DigiZoom"),
    Tag(0x0F00, "DataDump"),
};

// Minolta
constexpr TagDefinition kMinolta[] = {
    Tag(0x0000, "ModelID"),
    Tag(0x0E00, "PIMdata"),
};

}  // namespace

std::span<const TagDefinition> NikonType1Tags() { return kNikonType1; }
std::span<const TagDefinition> NikonType2And3Tags() { return kNikonType2And3; }
std::span<const TagDefinition> OlympusTags() { return kOlympus; }
std::span<const TagDefinition> CasioType1Tags() { return kCasioType1; }
std::span<const TagDefinition> CasioType2Tags() { return kCasioType2; }
std::span<const TagDefinition> FujifilmTags() { return kFujifilm; }
std::span<const TagDefinition> CanonTags() { return kCanon; }
std::span<const TagDefinition> SeikoTags() { return kSeiko; }
std::span<const TagDefinition> SanyoTags() { return kSanyo; }
std::span<const TagDefinition> MinoltaTags() { return kMinolta; }

bool IsSkipLabel(std::string_view label) {
  constexpr std::string_view kSkip = "SKIP";
  if (label.size() != kSkip.size()) return false;
  for (std::size_t i = 0; i < kSkip.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(label[i])) != kSkip[i]) return false;
  return true;
}
