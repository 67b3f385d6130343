#include "metadata/value_rendering.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>

#include "metadata/tag_tables.h"

namespace {

constexpr std::size_t kMaxComponents = 128;
constexpr std::size_t kPrintableLength = 50;

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

std::uint64_t BytesToUnsigned64(std::string_view bytes, bool bigEndian) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::size_t at = bigEndian ? i : bytes.size() - 1 - i;
    value = (value << 8) | static_cast<unsigned char>(bytes[at]);
  }
  return value;
}

bool IsIntegerFormat(int format) {
  return format == kFormatByte || format == kFormatShort || format == kFormatLong ||
         format == kFormatSByte || format == kFormatSShort || format == kFormatSLong;
}

}  // namespace

std::int32_t BytesToInteger(std::string_view bytes, bool bigEndian) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::size_t at = bigEndian ? i : bytes.size() - 1 - i;
    value = (value << 8) | static_cast<unsigned char>(bytes[at]);
  }
  return static_cast<std::int32_t>(value);
}

std::string LookupValueText(std::string_view valueList, std::string_view key) {
  // The same as searching "," + valueList + "," for "," + key + ":", without building texts.
  key = TrimBlanks(key);
  for (std::size_t pos = valueList.find(key); pos != std::string_view::npos;
       pos = valueList.find(key, pos + 1)) {
    const std::size_t colon = pos + key.size();
    if ((pos == 0 || valueList[pos - 1] == ',') && colon < valueList.size() && valueList[colon] == ':') {
      const std::size_t end = valueList.find(',', colon + 1);
      return std::string(valueList.substr(colon + 1, end == std::string_view::npos ? end : end - colon - 1));
    }
  }
  return {};
}

std::string PrintableText(std::string_view text) {
  std::string out(text.substr(0, kPrintableLength));
  for (auto& c : out) {
    if (static_cast<unsigned char>(c) < 32) c = '.';
  }
  return out;
}

std::string FormatNumber(std::string_view pattern, double value) {
  // The patterns come from the tag tables: text around one %[-+ 0#][width][.precision]f.
  const auto percent = pattern.find('%');
  if (percent == std::string_view::npos) return std::string(pattern);
  std::size_t i = percent + 1;
  std::string conversion = "%";
  while (i < pattern.size() && std::string_view("-+ 0#").find(pattern[i]) != std::string_view::npos) {
    conversion.push_back(pattern[i++]);
  }
  int digits = 0;
  while (i < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[i])) && digits < 3) {
    conversion.push_back(pattern[i++]);
    ++digits;
  }
  if (i < pattern.size() && pattern[i] == '.') {
    conversion.push_back(pattern[i++]);
    digits = 0;
    while (i < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[i])) && digits < 2) {
      conversion.push_back(pattern[i++]);
      ++digits;
    }
  }
  if (i >= pattern.size() || pattern[i] != 'f') return std::string(pattern);
  conversion.push_back('f');
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, conversion.c_str(), value);
  return std::string(pattern.substr(0, percent)) + buffer + std::string(pattern.substr(i + 1));
}

int RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);
  if (rounded >= static_cast<double>(std::numeric_limits<int>::max())) {
    return std::numeric_limits<int>::max();
  }
  if (rounded <= static_cast<double>(std::numeric_limits<int>::min())) {
    return std::numeric_limits<int>::min();
  }
  return static_cast<int>(rounded);
}

double ValueToNumber(std::string_view raw, int format, bool bigEndian) {
  if (IsIntegerFormat(format)) return BytesToInteger(raw, bigEndian);
  if (format == kFormatRational || format == kFormatSRational) {
    if (raw.size() < 8) return 0;
    const std::int32_t numerator = BytesToInteger(raw.substr(0, 4), bigEndian);
    const std::int32_t denominator = BytesToInteger(raw.substr(4, 4), bigEndian);
    if (denominator == 0) return 0;
    return static_cast<double>(numerator) / static_cast<double>(denominator);
  }
  if (format == kFormatFloat && raw.size() >= 4) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(BytesToUnsigned64(raw.substr(0, 4), bigEndian)));
  }
  if (format == kFormatDouble && raw.size() >= 8) {
    return std::bit_cast<double>(BytesToUnsigned64(raw.substr(0, 8), bigEndian));
  }
  return 0;
}

std::string ValueToText(std::string_view raw, int format, std::string_view valueList,
                        std::string_view formatText, bool bigEndian) {
  const int size = FormatSize(format);
  if (size == 0) return "0";
  const std::size_t count = std::min(raw.size() / static_cast<std::size_t>(size), kMaxComponents);
  std::string text;
  for (std::size_t c = 0; c < count; ++c) {
    if (c > 0) text += ", ";
    const std::string_view piece = raw.substr(c * static_cast<std::size_t>(size),
                                              static_cast<std::size_t>(size));
    if (IsIntegerFormat(format)) {
      const std::string number = std::to_string(BytesToInteger(piece, bigEndian));
      text += valueList.empty() ? number : LookupValueText(valueList, number);
    } else if (format == kFormatRational || format == kFormatSRational) {
      text += std::to_string(BytesToInteger(piece.substr(0, 4), bigEndian)) + "/" +
              std::to_string(BytesToInteger(piece.substr(4, 4), bigEndian));
      if (!valueList.empty()) text += LookupValueText(valueList, text);
    } else if (format == kFormatFloat || format == kFormatDouble) {
      text += "-9999.99";
    } else {
      text += "?";
    }
  }
  if (!formatText.empty()) {
    const auto placeholder = formatText.find("%s");
    if (placeholder != std::string_view::npos) {
      text = std::string(formatText.substr(0, placeholder)) + text +
             std::string(formatText.substr(placeholder + 2));
    } else {
      text = FormatNumber(formatText, ValueToNumber(raw, format, bigEndian));
    }
  }
  return text;
}
