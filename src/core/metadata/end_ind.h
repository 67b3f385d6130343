#pragma once
// Byte-order aware access to a held byte string. Positions are 1-based: position 1 is the
// first byte. A read that would touch a byte outside the string throws MetadataReadError, so a
// damaged file can never make the reader look past its data.

#include <cstdint>
#include <string>

class tEndInd {
 public:
  virtual ~tEndInd() = default;

  bool BigEndian = false;  // "MM" (Motorola) when true, "II" (Intel) when false
  std::string Buffer;      // the held bytes

  // Unsigned 16-bit value of the bytes at pos and pos + 1.
  int ReadU16(std::int64_t pos) const;
  // 32-bit value of the bytes pos..pos + 3, used as a signed integer.
  std::int32_t ReadU32(std::int64_t pos) const;
  // Writes the four bytes of value at pos..pos + 3 of text, in this object's byte order.
  void WriteU32(std::string& text, std::int64_t pos, std::uint32_t value) const;
  // Writes the two low bytes of value at pos and pos + 1 of text, in this object's byte order.
  void WriteU16(std::string& text, std::int64_t pos, std::uint16_t value) const;

  // True when the n bytes from pos lie inside a text of the given size.
  static bool RangeInside(std::int64_t pos, std::int64_t n, std::size_t size) {
    if (pos < 1 || n < 0) return false;
    const auto total = static_cast<std::int64_t>(size);
    if (pos - 1 > total) return false;
    return n <= total - (pos - 1);
  }
};
