#include "metadata/end_ind.h"

#include "metadata/read_failure.h"

namespace {

[[noreturn]] void ThrowOutside(std::int64_t pos, std::int64_t n, std::size_t size) {
  throw MetadataReadError("Read of " + std::to_string(n) + " bytes at position " +
                          std::to_string(pos) + " outside the " + std::to_string(size) +
                          " held bytes");
}

unsigned ByteAt(const std::string& text, std::int64_t pos) {
  return static_cast<unsigned char>(text[static_cast<std::size_t>(pos - 1)]);
}

}  // namespace

int tEndInd::ReadU16(std::int64_t pos) const {
  if (!RangeInside(pos, 2, Buffer.size())) ThrowOutside(pos, 2, Buffer.size());
  const unsigned a = ByteAt(Buffer, pos);
  const unsigned b = ByteAt(Buffer, pos + 1);
  return static_cast<int>(BigEndian ? (a << 8) | b : (b << 8) | a);
}

std::int32_t tEndInd::ReadU32(std::int64_t pos) const {
  if (!RangeInside(pos, 4, Buffer.size())) ThrowOutside(pos, 4, Buffer.size());
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    const std::int64_t at = BigEndian ? pos + i : pos + 3 - i;
    value = (value << 8) | ByteAt(Buffer, at);
  }
  return static_cast<std::int32_t>(value);
}

void tEndInd::WriteU32(std::string& text, std::int64_t pos, std::uint32_t value) const {
  if (!RangeInside(pos, 4, text.size())) ThrowOutside(pos, 4, text.size());
  for (int i = 0; i < 4; ++i) {
    const auto byte = static_cast<char>((value >> (8 * (3 - i))) & 0xFF);
    text[static_cast<std::size_t>(BigEndian ? pos - 1 + i : pos - 1 + 3 - i)] = byte;
  }
}

void tEndInd::WriteU16(std::string& text, std::int64_t pos, std::uint16_t value) const {
  if (!RangeInside(pos, 2, text.size())) ThrowOutside(pos, 2, text.size());
  const auto hi = static_cast<char>(value >> 8);
  const auto lo = static_cast<char>(value & 0xFF);
  text[static_cast<std::size_t>(pos - 1)] = BigEndian ? hi : lo;
  text[static_cast<std::size_t>(pos)] = BigEndian ? lo : hi;
}
