#include "metadata/tag_tables.h"

#include <algorithm>
#include <string>
#include <vector>

#include "metadata/exif_formatters.h"

namespace {

// The table slots of the special formatters; they ignore the TImageInfo.
std::string ComponentsSlot(const std::string& text, TImageInfo&) { return ComponentsText(text); }
std::string ShutterSpeedSlot(const std::string& text, TImageInfo&) { return ShutterSpeedText(text); }
std::string FlashSlot(const std::string& text, TImageInfo&) { return FlashText(text); }
std::string Ucs2Slot(const std::string& text, TImageInfo&) { return Ucs2Text(text); }
std::string GpsDegreesSlot(const std::string& text, TImageInfo&) { return GpsDegreesText(text); }
std::string GpsTimeSlot(const std::string& text, TImageInfo&) { return GpsTimeText(text); }

// A definition; fields left out are empty.
constexpr TagDefinition Def(std::uint16_t number, std::string_view name, std::string_view label = {},
                            std::string_view values = {}, std::string_view formatText = {},
                            TagFormatter formatter = nullptr) {
  return TagDefinition{number, name, label, values, formatText, formatter, 0};
}

// Bytes per component of the formats 0..12.
constexpr int kFormatSizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

// EXIF directory definitions (IFD0, Exif, Interoperability, SubIFD, thumbnail).
constexpr TagDefinition kExifTags[] = {
    Def(0x0001, "InteroperabilityIndex"),
    Def(0x0002, "InteroperabilityVersion"),
    Def(0x000B, "ACDComment"),
    Def(0x00FE, "NewSubfileType"),
    Def(0x00FF, "SubfileType"),
    Def(0x0100, "ImageWidth"),
    Def(0x0101, "ImageLength"),
    Def(0x0102, "BitsPerSample"),
    Def(0x0103, "Compression", {}, "6:Jpeg,3:Uncompressed,1:TIFF"),
    Def(0x0106, "PhotometricInterpretation", {}, "1:Monochrome,2:RGB,6:YCbCr"),
    Def(0x010A, "FillOrder"),
    Def(0x010D, "DocumentName"),
    Def(0x010E, "ImageDescription"),
    Def(0x010F, "Make"),
    Def(0x0110, "Model"),
    Def(0x0111, "StripOffsets"),
    Def(0x0112, "Orientation", {}, "1:Normal,3:Rotated 180°,6:CounterClockwise 90°,8:Clockwise 90°"),
    Def(0x0115, "SamplesPerPixel"),
    Def(0x0116, "RowsPerStrip"),
    Def(0x0117, "StripByteCounts"),
    Def(0x0118, "MinSampleValue"),
    Def(0x0119, "MaxSampleValue"),
    Def(0x011A, "XResolution", {}, {}, "%5.2f"),
    Def(0x011B, "YResolution", {}, {}, "%5.2f"),
    Def(0x011C, "PlanarConfiguration"),
    Def(0x011D, "PageName"),
    Def(0x011E, "XPosition"),
    Def(0x011F, "YPosition"),
    Def(0x0120, "FreeOffsets"),
    Def(0x0121, "FreeByteCounts"),
    Def(0x0122, "GrayReponseUnit"),
    Def(0x0123, "GrayReponseCurve"),
    Def(0x0124, "T4Options"),
    Def(0x0125, "T6Options"),
    Def(0x0128, "ResolutionUnit", {}, "1:None Specified,2:Inch,3:Centimeter"),
    Def(0x0129, "PageNumber"),
    Def(0x012D, "TransferFunction"),
    Def(0x0131, "Software"),
    Def(0x0132, "DateTime"),
    Def(0x013B, "Artist"),
    Def(0x013C, "HostComputer"),
    Def(0x013D, "Predictor"),
    Def(0x013E, "WhitePoint"),
    Def(0x013F, "PrimaryChromaticities"),
    Def(0x0140, "ColorMap"),
    Def(0x0141, "HalfToneHints"),
    Def(0x0142, "TileWidth"),
    Def(0x0143, "TileLength"),
    Def(0x0144, "TileOffsets"),
    Def(0x0145, "TileByteCounts"),
    Def(0x014A, "SubIFDs"),
    Def(0x014C, "InkSet"),
    Def(0x014D, "InkNames"),
    Def(0x014E, "NumberOfInks"),
    Def(0x0150, "DotRange"),
    Def(0x0151, "TargetPrinter"),
    Def(0x0152, "ExtraSample"),
    Def(0x0153, "SampleFormat"),
    Def(0x0154, "SMinSampleValue"),
    Def(0x0155, "SMaxSampleValue"),
    Def(0x0156, "TransferRange"),
    Def(0x0157, "ClipPath"),
    Def(0x0158, "XClipPathUnits"),
    Def(0x0159, "YClipPathUnits"),
    Def(0x015A, "Indexed"),
    Def(0x015B, "JPEGTables"),
    Def(0x015F, "OPIProxy"),
    Def(0x0200, "JPEGProc"),
    Def(0x0201, "JPEGInterchangeFormat"),
    Def(0x0202, "JPEGInterchangeFormatLength"),
    Def(0x0203, "JPEGRestartInterval"),
    Def(0x0205, "JPEGLosslessPredictors"),
    Def(0x0206, "JPEGPointTransforms"),
    Def(0x0207, "JPEGQTables"),
    Def(0x0208, "JPEGDCTables"),
    Def(0x0209, "JPEGACTables"),
    Def(0x0211, "YCbCrCoefficients"),
    Def(0x0212, "YCbCrSubSampling"),
    Def(0x0213, "YCbCrPositioning", {}, "1:Centered,2:Co-sited"),
    Def(0x0214, "ReferenceBlackWhite"),
    Def(0x02BC, "ExtensibleMetadataPlatform"),
    Def(0x0301, "Gamma"),
    Def(0x0302, "ICCProfileDescriptor"),
    Def(0x0303, "SRGBRenderingIntent"),
    Def(0x0304, "ImageTitle"),
    Def(0x1000, "RelatedImageFileFormat"),
    Def(0x1001, "RelatedImageWidth"),
    Def(0x1002, "RelatedImageHeight"),
    Def(0x5001, "ResolutionXUnit"),
    Def(0x5002, "ResolutionYUnit"),
    Def(0x5003, "ResolutionXLengthUnit"),
    Def(0x5004, "ResolutionYLengthUnit"),
    Def(0x5005, "PrintFlags"),
    Def(0x5006, "PrintFlagsVersion"),
    Def(0x5007, "PrintFlagsCrop"),
    Def(0x5008, "PrintFlagsBleedWidth"),
    Def(0x5009, "PrintFlagsBleedWidthScale"),
    Def(0x500A, "HalftoneLPI"),
    Def(0x500B, "HalftoneLPIUnit"),
    Def(0x500C, "HalftoneDegree"),
    Def(0x500D, "HalftoneShape"),
    Def(0x500E, "HalftoneMisc"),
    Def(0x500F, "HalftoneScreen"),
    Def(0x5010, "JPEGQuality"),
    Def(0x5011, "GridSize"),
    Def(0x5012, "ThumbnailFormat"),
    Def(0x5013, "ThumbnailWidth"),
    Def(0x5014, "ThumbnailHeight"),
    Def(0x5015, "ThumbnailColorDepth"),
    Def(0x5016, "ThumbnailPlanes"),
    Def(0x5017, "ThumbnailRawBytes"),
    Def(0x5018, "ThumbnailSize"),
    Def(0x5019, "ThumbnailCompressedSize"),
    Def(0x501A, "ColorTransferFunction"),
    Def(0x501B, "ThumbnailData"),
    Def(0x5020, "ThumbnailImageWidth"),
    Def(0x5021, "ThumbnailImageHeight"),
    Def(0x5022, "ThumbnailBitsPerSample"),
    Def(0x5023, "ThumbnailCompression"),
    Def(0x5024, "ThumbnailPhotometricInterp"),
    Def(0x5025, "ThumbnailImageDescription"),
    Def(0x5026, "ThumbnailEquipMake"),
    Def(0x5027, "ThumbnailEquipModel"),
    Def(0x5028, "ThumbnailStripOffsets"),
    Def(0x5029, "ThumbnailOrientation"),
    Def(0x502A, "ThumbnailSamplesPerPixel"),
    Def(0x502B, "ThumbnailRowsPerStrip"),
    Def(0x502C, "ThumbnailStripBytesCount"),
    Def(0x502D, "ThumbnailResolutionX"),
    Def(0x502E, "ThumbnailResolutionY"),
    Def(0x502F, "ThumbnailPlanarConfig"),
    Def(0x5030, "ThumbnailResolutionUnit"),
    Def(0x5031, "ThumbnailTransferFunction"),
    Def(0x5032, "ThumbnailSoftwareUsed"),
    Def(0x5033, "ThumbnailDateTime"),
    Def(0x5034, "ThumbnailArtist"),
    Def(0x5035, "ThumbnailWhitePoint"),
    Def(0x5036, "ThumbnailPrimaryChromaticities"),
    Def(0x5037, "ThumbnailYCbCrCoefficients"),
    Def(0x5038, "ThumbnailYCbCrSubsampling"),
    Def(0x5039, "ThumbnailYCbCrPositioning"),
    Def(0x503A, "ThumbnailRefBlackWhite"),
    Def(0x503B, "ThumbnailCopyRight"),
    Def(0x5090, "LuminanceTable"),
    Def(0x5091, "ChrominanceTable"),
    Def(0x5100, "FrameDelay"),
    Def(0x5101, "LoopCount"),
    Def(0x5110, "PixelUnit"),
    Def(0x5111, "PixelPerUnitX"),
    Def(0x5112, "PixelPerUnitY"),
    Def(0x5113, "PaletteHistogram"),
    Def(0x800D, "ImageID"),
    Def(0x80E3, "Matteing"),
    Def(0x80E4, "DataType"),
    Def(0x80E5, "ImageDepth"),
    Def(0x80E6, "TileDepth"),
    Def(0x828D, "CFARepeatPatternDim"),
    Def(0x828E, "CFAPattern"),
    Def(0x828F, "BatteryLevel"),
    Def(0x8298, "Copyright"),
    Def(0x829A, "ExposureTime", {}, {}, "%s sec"),
    Def(0x829D, "FNumber", {}, {}, "F%0.1f"),
    Def(0x83BB, "IPTC/NAA", "IPTC/NAA"),
    Def(0x84E3, "IT8RasterPadding"),
    Def(0x84E5, "IT8ColorTable"),
    Def(0x8649, "ImageResourceInformation"),
    Def(0x8769, "ExifOffset"),
    Def(0x8773, "InterColorProfile"),
    Def(0x8822, "ExposureProgram", {}, "0:Unidentified,1:Manual,2:Normal,3:Aperture priority,4:Shutter priority,5:Creative(slow),6:Action(high-speed),7:Portrait mode,8:Landscape mode"),
    Def(0x8824, "SpectralSensitivity"),
    Def(0x8825, "GPSInfo"),
    Def(0x8827, "ISOSpeedRatings"),
    Def(0x8828, "OECF"),
    Def(0x8829, "Interlace"),
    Def(0x882A, "TimeZoneOffset"),
    Def(0x882B, "SelfTimerMode"),
    Def(0x9000, "ExifVersion"),
    Def(0x9003, "DateTimeOriginal"),
    Def(0x9004, "DateTimeDigitized"),
    Def(0x9101, "ComponentsConfiguration", {}, {}, {}, ComponentsSlot),
    Def(0x9102, "CompressedBitsPerPixel"),
    Def(0x9201, "ShutterSpeedValue", {}, {}, {}, ShutterSpeedSlot),
    Def(0x9202, "ApertureValue", {}, {}, "F%0.1f"),
    Def(0x9203, "BrightnessValue"),
    Def(0x9204, "ExposureBiasValue"),
    Def(0x9205, "MaxApertureValue", {}, {}, "F%0.1f"),
    Def(0x9206, "SubjectDistance"),
    Def(0x9207, "MeteringMode", {}, "0:Unknown,1:Average,2:Center,3:Spot,4:MultiSpot,5:MultiSegment,6:Partial"),
    Def(0x9208, "LightSource", {}, "0:Unidentified,1:Daylight,2:Fluorescent,3:Tungsten,10:Flash,17:Std A,18:Std B,19:Std C"),
    Def(0x9209, "Flash", {}, {}, {}, FlashSlot),
    Def(0x920A, "FocalLength", {}, {}, "%5.2f mm"),
    Def(0x920B, "FlashEnergy"),
    Def(0x920C, "SpatialFrequencyResponse"),
    Def(0x920D, "Noise"),
    Def(0x920E, "FocalPlaneXResolution"),
    Def(0x920F, "FocalPlaneYResolution"),
    Def(0x9210, "FocalPlaneResolutionUnit", {}, "1:None Specified,2:Inch,3:Centimeter"),
    Def(0x9211, "ImageNumber"),
    Def(0x9212, "SecurityClassification"),
    Def(0x9213, "ImageHistory"),
    Def(0x9214, "SubjectLocation"),
    Def(0x9215, "ExposureIndex"),
    Def(0x9216, "TIFF/EPStandardID"),
    Def(0x9217, "SensingMethod"),
    Def(0x923F, "StoNits"),
    Def(0x927C, "MakerNote"),
    Def(0x9286, "UserComment"),
    Def(0x9290, "SubSecTime"),
    Def(0x9291, "SubSecTimeOriginal"),
    Def(0x9292, "SubSecTimeDigitized"),
    Def(0x953C, "ImageSourceData"),
    Def(0x9C9B, "Title", {}, {}, {}, Ucs2Slot),
    Def(0x9C9C, "Comments", {}, {}, {}, Ucs2Slot),
    Def(0x9C9D, "Author", {}, {}, {}, Ucs2Slot),
    Def(0x9C9E, "Keywords", {}, {}, {}, Ucs2Slot),
    Def(0x9C9F, "Subject", {}, {}, {}, Ucs2Slot),
    Def(0xA000, "FlashPixVersion"),
    Def(0xA001, "ColorSpace", {}, "0:sBW,1:sRGB"),
    Def(0xA002, "ExifImageWidth"),
    Def(0xA003, "ExifImageLength"),
    Def(0xA004, "RelatedSoundFile"),
    Def(0xA005, "InteroperabilityOffset"),
    Def(0xA20B, "FlashEnergy"),
    Def(0xA20C, "SpatialFrequencyResponse"),
    Def(0xA20E, "FocalPlaneXResolution"),
    Def(0xA20F, "FocalPlaneYResolution"),
    Def(0xA210, "FocalPlaneResolutionUnit", {}, "1:None Specified,2:Inch,3:Centimeter"),
    Def(0xA211, "ImageNumber"),
    Def(0xA212, "SecurityClassification"),
    Def(0xA213, "ImageHistory"),
    Def(0xA214, "SubjectLocation"),
    Def(0xA215, "ExposureIndex"),
    Def(0xA216, "TIFF/EPStandardID", "TIFF/EPStandardID"),
    Def(0xA217, "SensingMethod", {}, "0:Unknown,1:MonochromeArea,2:OneChipColorArea,3:TwoChipColorArea,4:ThreeChipColorArea,5:ColorSequentialArea,6:MonochromeLinear,7:TriLinear,8:ColorSequentialLinear"),
    Def(0xA300, "FileSource", {}, "1:Unknown,3:Digital Still Camera"),
    Def(0xA301, "SceneType", {}, "0:Unknown,1:Directly Photographed"),
    Def(0xA302, "CFAPattern"),
    Def(0xA401, "CustomRendered", {}, "0:Normal process,1:Custom process"),
    Def(0xA402, "ExposureMode", {}, "0:Auto,1:Manual,2:Auto bracket"),
    Def(0xA403, "WhiteBalance", {}, "0:Auto,1:Manual"),
    Def(0xA404, "DigitalZoomRatio"),
    Def(0xA405, "FocalLengthin35mmFilm", "Focal Length in 35mm Film", {}, "%5.2f mm"),
    Def(0xA406, "SceneCaptureType", {}, "0:Standard,1:Landscape,2:Portrait,3:Night scene"),
    Def(0xA407, "GainControl", {}, "0:None,1:Low gain up,2:High gain up,3:Low gain down,4:High gain down"),
    Def(0xA408, "Contrast", {}, "0:Normal,1:Soft,2:Hard"),
    Def(0xA409, "Saturation", {}, "0:Normal,1:Low,2:High"),
    Def(0xA40A, "Sharpness", {}, "0:Normal,1:Soft,2:Hard"),
    Def(0xA40B, "DeviceSettingDescription"),
    Def(0xA40C, "SubjectDistanceRange", {}, "0:Unknown,1:Macro,2:Close view,3:Distant view"),
    Def(0xA420, "ImageUniqueID"),
};

// GPS directory definitions.
constexpr TagDefinition kGpsTags[] = {
    Def(0x0000, "GPSVersionID"),
    Def(0x0001, "GPSLatitudeRef"),
    Def(0x0002, "GPSLatitude", {}, {}, {}, GpsDegreesSlot),
    Def(0x0003, "GPSLongitudeRef"),
    Def(0x0004, "GPSLongitude", {}, {}, {}, GpsDegreesSlot),
    Def(0x0005, "GPSAltitudeRef", {}, "0:Sealevel"),
    Def(0x0006, "GPSAltitude"),
    Def(0x0007, "GPSTimeStamp", {}, {}, {}, GpsTimeSlot),
    Def(0x0008, "GPSSatellites"),
    Def(0x0009, "GPSStatus"),
    Def(0x000A, "GPSMeasureMode"),
    Def(0x000B, "GPSDOP"),
    Def(0x000C, "GPSSpeedRef"),
    Def(0x000D, "GPSSpeed"),
    Def(0x000E, "GPSTrackRef"),
    Def(0x000F, "GPSTrack"),
    Def(0x0010, "GPSImageDirectionRef"),
    Def(0x0011, "GPSImageDirection"),
    Def(0x0012, "GPSMapDatum"),
    Def(0x0013, "GPSDestLatitudeRef"),
    Def(0x0014, "GPSDestLatitude", {}, {}, {}, GpsDegreesSlot),
    Def(0x0015, "GPSDestLongitudeRef"),
    Def(0x0016, "GPSDestLongitude", {}, {}, {}, GpsDegreesSlot),
    Def(0x0017, "GPSDestBearingkRef"),
    Def(0x0018, "GPSDestBearing"),
    Def(0x0019, "GPSDestDistanceRef"),
    Def(0x001A, "GPSDestDistance"),
    Def(0x001B, "GPSProcessingMode"),
    Def(0x001C, "GPSAreaInformation"),
    Def(0x001D, "GPSDateStamp"),
    Def(0x001E, "GPSDifferential"),
};

// Closes the EXIF table: given to tags without a definition; its tag number 0 keeps them out of
// the lists.
constexpr TagDefinition kUnknownTag = Def(0x0000, "Unknown");

static_assert(std::size(kExifTags) == 250);
static_assert(std::size(kGpsTags) == 31);

constexpr bool SortedByTagNumber(std::span<const TagDefinition> table) {
  for (std::size_t i = 1; i < table.size(); ++i) {
    if (table[i - 1].TagNumber >= table[i].TagNumber) return false;
  }
  return true;
}
// The directory walk looks tags up by binary search, which needs ascending tag numbers.
static_assert(SortedByTagNumber(kExifTags));
static_assert(SortedByTagNumber(kGpsTags));

// The first definition with this tag number of a table sorted by tag number.
const TagDefinition* FindInSortedTable(std::span<const TagDefinition> table, std::uint16_t tag) {
  const auto first = std::lower_bound(
      table.begin(), table.end(), tag,
      [](const TagDefinition& d, std::uint16_t number) { return d.TagNumber < number; });
  return FindDefinition(table.subspan(static_cast<std::size_t>(first - table.begin())), tag);
}

// Labels derived from the names, prepared once for the whole run.
std::vector<std::string> DeriveLabels(std::span<const TagDefinition> table) {
  std::vector<std::string> labels;
  labels.reserve(table.size());
  for (const auto& d : table) labels.push_back(d.Label.empty() ? LabelFromName(d.Name) : std::string(d.Label));
  return labels;
}

const std::string kNoPreparedLabel;

}  // namespace

int FormatSize(int format) {
  if (format < 0 || format > 12) return 0;
  return kFormatSizes[format];
}

std::span<const TagDefinition> ExifTagDefinitions() { return kExifTags; }
const TagDefinition& UnknownTagDefinition() { return kUnknownTag; }
std::span<const TagDefinition> GpsTagDefinitions() { return kGpsTags; }

const TagDefinition* FindDefinition(std::span<const TagDefinition> table, std::uint16_t tagNumber,
                                    std::uint16_t iptcCode) {
  for (const auto& definition : table) {
    if (definition.TagNumber == tagNumber && definition.IptcCode == iptcCode) return &definition;
  }
  return nullptr;
}

const TagDefinition& LookupTagDefinition(std::uint16_t tag, int kind) {
  const TagDefinition* found = nullptr;
  if (kind == kDirectoryMain || kind == kDirectoryThumbnail) {
    found = FindInSortedTable(kExifTags, tag);
  } else if (kind == kDirectoryGps) {
    found = FindInSortedTable(kGpsTags, tag);
  }
  return found ? *found : kUnknownTag;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

const std::string& PreparedLabel(const TagDefinition& definition) {
  static const std::vector<std::string> exifLabels = DeriveLabels(kExifTags);
  static const std::vector<std::string> gpsLabels = DeriveLabels(kGpsTags);
  static const std::string unknownLabel = LabelFromName(kUnknownTag.Name);
  const auto indexIn = [&definition](std::span<const TagDefinition> table) -> std::ptrdiff_t {
    const auto* p = &definition;
    return p >= table.data() && p < table.data() + table.size() ? p - table.data() : -1;
  };
  if (const auto i = indexIn(kExifTags); i >= 0) return exifLabels[static_cast<std::size_t>(i)];
  if (const auto i = indexIn(kGpsTags); i >= 0) return gpsLabels[static_cast<std::size_t>(i)];
  if (&definition == &kUnknownTag) return unknownLabel;
  return kNoPreparedLabel;
}

int IndexOfTagDefinition(std::string_view name) {
  for (std::size_t i = 0; i < std::size(kExifTags); ++i) {
    if (SameNameIgnoringCase(kExifTags[i].Name, name)) return static_cast<int>(i);
  }
  return -1;
}
