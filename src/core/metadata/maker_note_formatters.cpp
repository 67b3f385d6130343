#include "metadata/maker_note_formatters.h"

#include <array>
#include <charconv>
#include <string_view>

#include "metadata/exif_formatters.h"

namespace {

// "%0.1f" without the process locale: a German locale must not turn the point into a comma.
std::string OneDecimal(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, 1);
  if (result.ec != std::errc()) return "0.0";
  return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string NikonColorModeText(const std::string& text) {
  // The rendered ASCII text starts with its opening double quote.
  const std::string mode = text.size() > 1 ? text.substr(1, 5) : std::string();
  if (mode == "MODE1") return "Mode1 (sRGB)";
  if (mode == "MODE2") return "Mode 2 (Adobe RGB)";
  if (mode == "MODE3") return "Mode 3 (sRGB): higher saturation";
  return mode;
}

std::string LensRangeText(const std::string& text) {
  // Four rationals joined by ", "; missing ones count as 0.
  std::array<double, 4> numbers{};
  std::string_view rest = text;
  for (double& number : numbers) {
    const std::size_t comma = rest.find(", ");
    number = TextToNumber(std::string(rest.substr(0, comma)));
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 2);
  }
  return OneDecimal(numbers[0]) + "-" + OneDecimal(numbers[1]) + "(mm)  F" + OneDecimal(numbers[2]) +
         "-F" + OneDecimal(numbers[3]);
}
