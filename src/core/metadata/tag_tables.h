#pragma once
// The static tag tables of the EXIF and GPS directories, the format sizes, and the one look-up
// helper every table (EXIF, GPS, IPTC, maker notes) is searched with.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "metadata/tag_entry.h"

// Bytes per component of the EXIF formats 0..12; codes above 12 have size 0.
int FormatSize(int format);

// Format codes.
inline constexpr int kFormatByte = 1;
inline constexpr int kFormatAscii = 2;
inline constexpr int kFormatShort = 3;
inline constexpr int kFormatLong = 4;
inline constexpr int kFormatRational = 5;
inline constexpr int kFormatSByte = 6;
inline constexpr int kFormatUndefined = 7;
inline constexpr int kFormatSShort = 8;
inline constexpr int kFormatSLong = 9;
inline constexpr int kFormatSRational = 10;
inline constexpr int kFormatFloat = 11;
inline constexpr int kFormatDouble = 12;

// The 250 definitions of the EXIF directories (ExifTagDefinitions), without the closing entry.
std::span<const TagDefinition> ExifTagDefinitions();
// The closing definition: tag number 0, name "Unknown".
const TagDefinition& UnknownTagDefinition();
// The 31 definitions of the GPS directory.
std::span<const TagDefinition> GpsTagDefinitions();

// The one look-up helper: the first definition of the table with this tag number (and record
// number, for IPTC tables); nullptr when there is none.
const TagDefinition* FindDefinition(std::span<const TagDefinition> table, std::uint16_t tagNumber,
                                    std::uint16_t iptcCode = 0);

// Directory kinds of a walk.
inline constexpr int kDirectoryMain = 1;       // main, Exif, SubIFD and Interoperability
inline constexpr int kDirectoryGps = 2;
inline constexpr int kDirectoryThumbnail = 4;

// The definition of a tag in a directory of the given kind; the closing "Unknown" definition
// when the table has none or the kind has no table.
const TagDefinition& LookupTagDefinition(std::uint16_t tag, int kind);

// Index of the first EXIF definition whose name equals name, ignoring case; -1 when none.
int IndexOfTagDefinition(std::string_view name);

// The label of a definition of the EXIF or GPS table, derived from its name once per run;
// an empty text for definitions of other tables.
const std::string& PreparedLabel(const TagDefinition& definition);

// Case-insensitive comparison of two names (ASCII).
bool SameNameIgnoringCase(std::string_view a, std::string_view b);
