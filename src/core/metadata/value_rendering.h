#pragma once
// Rendering of EXIF values as text and numbers. The byte order is the one of the file read.

#include <cstdint>
#include <string>
#include <string_view>

// The bytes read as one unsigned number in the given byte order, modulo 2^32, as signed 32 bit.
// Signed formats get no sign extension: an SSHORT of -1 gives 65535.
std::int32_t BytesToInteger(std::string_view bytes, bool bigEndian);

// Text of a value: components joined by ", " (at most 128), value list and format pattern applied.
std::string ValueToText(std::string_view raw, int format, std::string_view valueList,
                        std::string_view formatText, bool bigEndian);

// Numeric value: integers over all raw bytes; the first rational; FLOAT and DOUBLE decoded
// (IEEE 754 in the file's byte order); 0 for ASCII, UNDEFINED and unknown formats.
double ValueToNumber(std::string_view raw, int format, bool bigEndian);

// The text that the value list gives for key (trimmed); empty when the key is not listed.
std::string LookupValueText(std::string_view valueList, std::string_view key);

// The first 50 characters, each character below code 32 replaced by ".".
std::string PrintableText(std::string_view text);

// Applies a numeric format pattern such as "%5.2f mm" or "F%0.1f" to a number.
std::string FormatNumber(std::string_view pattern, double value);

// Rounds to the nearest integer, halves to even; values outside int range are clamped.
int RoundHalfEven(double value);
