#include "metadata/exif_formatters.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "metadata/value_rendering.h"

namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// A whole number with an optional sign, nothing else; nullopt otherwise.
std::optional<long long> WholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value > 2147483647LL || value < -2147483648LL) return std::nullopt;
  return value;
}

// The text split at ", " into three parts: first, second, and everything after the second comma.
std::vector<std::string> ThreeParts(const std::string& text) {
  std::vector<std::string> parts;
  std::string_view rest = text;
  for (int i = 0; i < 2; ++i) {
    const auto comma = rest.find(',');
    if (comma == std::string_view::npos) break;
    parts.emplace_back(rest.substr(0, comma));
    rest = rest.substr(comma + 1, 64);
  }
  parts.emplace_back(rest);
  parts.resize(3);
  return parts;
}

std::string Printf3(const char* pattern, double a, double b, double c) {
  char buffer[1024];
  std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
  return buffer;
}

}  // namespace

double TextToNumber(const std::string& text) {
  std::string_view rest = TrimBlanks(text);
  long long whole = 0;
  const auto blank = rest.find(' ');
  if (blank != std::string_view::npos) {
    const auto parsed = WholeNumber(rest.substr(0, blank));
    if (!parsed) return 0;
    whole = *parsed;
    rest = rest.substr(blank + 1);
  }
  const auto slash = rest.find('/');
  if (slash == std::string_view::npos) return 0;
  const auto numerator = WholeNumber(rest.substr(0, slash));
  const auto denominator = WholeNumber(rest.substr(slash + 1));
  if (!numerator || !denominator || *denominator == 0) return 0;
  return (static_cast<double>(whole) * static_cast<double>(*denominator) +
          static_cast<double>(*numerator)) /
         static_cast<double>(*denominator);
}

std::string ComponentsText(const std::string& text) {
  static constexpr const char* kComponentNames[] = {"", "Y", "Cb", "Cr", "R", "G", "B"};
  std::string out;
  for (std::size_t i = 1; i <= 4 && i < text.size(); ++i) {
    const auto code = static_cast<unsigned char>(text[i]);
    if (code >= 1 && code <= 6) out += kComponentNames[code];
  }
  return out;
}

std::string ShutterSpeedText(const std::string& text) {
  const double apex = TextToNumber(text);
  const double seconds = std::pow(2.0, -apex);
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%4.4f sec", seconds);
  std::string out = buffer;
  if (seconds <= 0.5) out += " (1/" + std::to_string(RoundHalfEven(1.0 / seconds)) + ")";
  return out;
}

std::string FlashText(const std::string& text) {
  const auto parsed = WholeNumber(TrimBlanks(text));
  // A Flash entry that is not one whole number (several components, another format) is shown
  // as rendered instead of failing the whole read of the file.
  if (!parsed) return PrintableText(text);
  const long long f = *parsed;
  std::string out = (f & 1) ? "On" : "Off";
  switch (f & 6) {
    case 2: out += ", UNKNOWN"; break;
    case 4: out += ", no strobe return"; break;
    case 6: out += ", strobe return"; break;
    default: break;
  }
  switch (f & 24) {
    case 8: out += ", forced"; break;
    case 16: out += ", surpressed"; break;
    case 24: out += ", auto mode"; break;
    default: break;
  }
  if (f & 32) out += ", no flash function";
  if (f & 64) out += ", red-eye reduction";
  return out;
}

std::string Ucs2Text(const std::string& text) {
  std::vector<std::string_view> values;
  std::string_view rest = text;
  for (;;) {
    const auto comma = rest.find(',');
    values.push_back(rest.substr(0, comma));
    if (comma == std::string_view::npos) break;
    rest = rest.substr(comma + 1);
  }
  const std::size_t commas = values.size() - 1;
  std::string out;
  // The values at odd places are the low bytes of the characters; the last value is not read.
  for (std::size_t k = 1; k <= commas && out.size() < 64; k += 2) {
    const auto value = WholeNumber(TrimBlanks(values[k - 1]));
    // Values that are not numbers (the tag stored in another format) keep the rendered text.
    if (!value) return PrintableText(text);
    if ((*value & 0xFF) != 0) out.push_back(static_cast<char>(*value & 0xFF));
  }
  return out;
}

std::string GpsDegreesText(const std::string& text) {
  const auto parts = ThreeParts(text);
  const double degrees = TextToNumber(parts[0]);
  double minutes = TextToNumber(parts[1]);
  double seconds = TextToNumber(parts[2]);
  if (seconds == 0) {
    const double whole = std::trunc(minutes);
    seconds = (minutes - whole) * 100 * 0.6;
    minutes = whole;
  }
  return Printf3("%0.0f Degrees %0.0f Minutes %0.0f Seconds", degrees, minutes, seconds);
}

std::string GpsTimeText(const std::string& text) {
  const auto parts = ThreeParts(text);
  return Printf3("%0.0f:%0.0f:%0.0f", TextToNumber(parts[0]), TextToNumber(parts[1]),
                 TextToNumber(parts[2]));
}
