#include "fixture_builder.h"

#include <jpeglib.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fixture {

std::string U16(std::uint16_t value, ByteOrder order) {
  std::string out(2, '\0');
  if (order == ByteOrder::Big) {
    out[0] = static_cast<char>(value >> 8);
    out[1] = static_cast<char>(value & 0xFF);
  } else {
    out[0] = static_cast<char>(value & 0xFF);
    out[1] = static_cast<char>(value >> 8);
  }
  return out;
}

std::string U32(std::uint32_t value, ByteOrder order) {
  std::string out(4, '\0');
  for (int i = 0; i < 4; ++i) {
    const auto byte = static_cast<char>((value >> (8 * i)) & 0xFF);
    out[order == ByteOrder::Big ? 3 - i : i] = byte;
  }
  return out;
}

std::string BE16(std::uint16_t value) { return U16(value, ByteOrder::Big); }

// ---- TIFF ----

TiffBuilder::TiffBuilder(ByteOrder order) : order_(order) {}

int TiffBuilder::AddDirectory() {
  dirs_.emplace_back();
  return static_cast<int>(dirs_.size()) - 1;
}

TiffBuilder& TiffBuilder::Raw(int dir, std::uint16_t tag, std::uint16_t format,
                              std::uint32_t count, std::string_view valueBytes) {
  dirs_.at(static_cast<std::size_t>(dir))
      .entries.push_back(Entry{tag, format, count, std::string(valueBytes), std::nullopt, -1});
  return *this;
}

TiffBuilder& TiffBuilder::RawField(int dir, std::uint16_t tag, std::uint16_t format,
                                   std::uint32_t count, std::uint32_t field) {
  dirs_.at(static_cast<std::size_t>(dir))
      .entries.push_back(Entry{tag, format, count, std::string(), field, -1});
  return *this;
}

TiffBuilder& TiffBuilder::Ascii(int dir, std::uint16_t tag, std::string_view text) {
  std::string value(text);
  value.push_back('\0');
  return Raw(dir, tag, kAscii, static_cast<std::uint32_t>(value.size()), value);
}

TiffBuilder& TiffBuilder::Byte(int dir, std::uint16_t tag, std::vector<std::uint8_t> values) {
  std::string value(values.begin(), values.end());
  return Raw(dir, tag, kByte, static_cast<std::uint32_t>(values.size()), value);
}

TiffBuilder& TiffBuilder::Short(int dir, std::uint16_t tag, std::vector<std::uint16_t> values) {
  std::string value;
  for (auto v : values) value += U16(v, order_);
  return Raw(dir, tag, kShort, static_cast<std::uint32_t>(values.size()), value);
}

TiffBuilder& TiffBuilder::Long(int dir, std::uint16_t tag, std::vector<std::uint32_t> values) {
  std::string value;
  for (auto v : values) value += U32(v, order_);
  return Raw(dir, tag, kLong, static_cast<std::uint32_t>(values.size()), value);
}

TiffBuilder& TiffBuilder::SShort(int dir, std::uint16_t tag, std::vector<std::int16_t> values) {
  std::string value;
  for (auto v : values) value += U16(static_cast<std::uint16_t>(v), order_);
  return Raw(dir, tag, kSShort, static_cast<std::uint32_t>(values.size()), value);
}

TiffBuilder& TiffBuilder::SLong(int dir, std::uint16_t tag, std::vector<std::int32_t> values) {
  std::string value;
  for (auto v : values) value += U32(static_cast<std::uint32_t>(v), order_);
  return Raw(dir, tag, kSLong, static_cast<std::uint32_t>(values.size()), value);
}

TiffBuilder& TiffBuilder::Rational(int dir, std::uint16_t tag,
                                   std::vector<std::pair<std::uint32_t, std::uint32_t>> values) {
  std::string value;
  for (auto [n, d] : values) value += U32(n, order_) + U32(d, order_);
  return Raw(dir, tag, kRational, static_cast<std::uint32_t>(values.size()), value);
}

TiffBuilder& TiffBuilder::SRational(int dir, std::uint16_t tag,
                                    std::vector<std::pair<std::int32_t, std::int32_t>> values) {
  std::string value;
  for (auto [n, d] : values) {
    value += U32(static_cast<std::uint32_t>(n), order_) + U32(static_cast<std::uint32_t>(d), order_);
  }
  return Raw(dir, tag, kSRational, static_cast<std::uint32_t>(values.size()), value);
}

TiffBuilder& TiffBuilder::Undefined(int dir, std::uint16_t tag, std::string_view bytes) {
  return Raw(dir, tag, kUndefined, static_cast<std::uint32_t>(bytes.size()), bytes);
}

TiffBuilder& TiffBuilder::Pointer(int dir, std::uint16_t tag, int targetDir) {
  dirs_.at(static_cast<std::size_t>(dir))
      .entries.push_back(Entry{tag, kLong, 1, std::string(), std::nullopt, targetDir});
  return *this;
}

TiffBuilder::Entry& TiffBuilder::FindEntry(int dir, std::uint16_t tag) {
  for (auto& e : dirs_.at(static_cast<std::size_t>(dir)).entries) {
    if (e.tag == tag) return e;
  }
  throw std::invalid_argument("fixture: no entry with this tag in the directory");
}

const TiffBuilder::Entry& TiffBuilder::FindEntry(int dir, std::uint16_t tag) const {
  return const_cast<TiffBuilder*>(this)->FindEntry(dir, tag);
}

TiffBuilder& TiffBuilder::SetValue(int dir, std::uint16_t tag, std::string_view valueBytes) {
  FindEntry(dir, tag).value = std::string(valueBytes);
  return *this;
}

TiffBuilder& TiffBuilder::Next(int dir, int nextDir) {
  dirs_.at(static_cast<std::size_t>(dir)).next = nextDir;
  return *this;
}

TiffBuilder& TiffBuilder::NextOffset(int dir, std::uint32_t offset) {
  dirs_.at(static_cast<std::size_t>(dir)).nextOffset = offset;
  return *this;
}

TiffBuilder& TiffBuilder::FirstDirectoryOffset(std::uint32_t offset) {
  firstOffset_ = offset;
  return *this;
}

TiffBuilder& TiffBuilder::CountOverride(int dir, std::uint16_t count) {
  dirs_.at(static_cast<std::size_t>(dir)).countOverride = count;
  return *this;
}

TiffBuilder& TiffBuilder::Tail(std::string_view bytes) {
  tail_ += bytes;
  return *this;
}

std::uint32_t TiffBuilder::DirectoryOffset(int dir) const {
  std::uint32_t offset = 8;
  for (int i = 0; i < dir; ++i) {
    offset += static_cast<std::uint32_t>(2 + 12 * dirs_[static_cast<std::size_t>(i)].entries.size() + 4);
  }
  return offset;
}

std::uint32_t TiffBuilder::DataStart() const {
  return DirectoryOffset(static_cast<int>(dirs_.size()));
}

std::uint32_t TiffBuilder::EntryOffset(int dir, std::uint16_t tag) const {
  const auto& entries = dirs_.at(static_cast<std::size_t>(dir)).entries;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].tag == tag) return DirectoryOffset(dir) + 2 + 12 * static_cast<std::uint32_t>(i);
  }
  throw std::invalid_argument("fixture: no entry with this tag in the directory");
}

std::uint32_t TiffBuilder::ValueOffset(int dir, std::uint16_t tag) const {
  std::uint32_t data = DataStart();
  for (std::size_t d = 0; d < dirs_.size(); ++d) {
    for (const auto& e : dirs_[d].entries) {
      const bool outOfLine = !e.field && e.pointerTo < 0 && e.value.size() > 4;
      if (static_cast<int>(d) == dir && e.tag == tag) {
        return outOfLine ? data : EntryOffset(dir, tag) + 8;
      }
      if (outOfLine) data += static_cast<std::uint32_t>((e.value.size() + 1) & ~std::size_t{1});
    }
  }
  throw std::invalid_argument("fixture: no entry with this tag in the directory");
}

std::string TiffBuilder::Build() const {
  std::string out = order_ == ByteOrder::Big ? std::string("MM\0*", 4) : std::string("II*\0", 4);
  out += U32(firstOffset_ ? *firstOffset_ : (dirs_.empty() ? 0 : DirectoryOffset(0)), order_);
  std::string data;
  std::uint32_t dataOffset = DataStart();
  for (const auto& dir : dirs_) {
    out += U16(dir.countOverride ? *dir.countOverride : static_cast<std::uint16_t>(dir.entries.size()),
               order_);
    for (const auto& e : dir.entries) {
      out += U16(e.tag, order_) + U16(e.format, order_) + U32(e.count, order_);
      if (e.field) {
        out += U32(*e.field, order_);
      } else if (e.pointerTo >= 0) {
        out += U32(DirectoryOffset(e.pointerTo), order_);
      } else if (e.value.size() > 4) {
        out += U32(dataOffset + static_cast<std::uint32_t>(data.size()), order_);
        data += e.value;
        if (e.value.size() % 2 != 0) data.push_back('\0');
      } else {
        std::string field = e.value;
        field.resize(4, '\0');
        out += field;
      }
    }
    std::uint32_t next = 0;
    if (dir.nextOffset) next = *dir.nextOffset;
    else if (dir.next >= 0) next = DirectoryOffset(dir.next);
    out += U32(next, order_);
  }
  return out + data + tail_;
}

std::string ExifPayload(const std::string& tiff) { return std::string("Exif\0\0", 6) + tiff; }

// ---- IPTC ----

std::string IptcDataset(std::uint8_t record, std::uint8_t dataset, std::string_view value) {
  std::string out;
  out.push_back('\x1C');
  out.push_back(static_cast<char>(record));
  out.push_back(static_cast<char>(dataset));
  out += BE16(static_cast<std::uint16_t>(value.size()));
  out += value;
  return out;
}

std::string PhotoshopIptcPayload(const std::string& datasets) {
  std::string out("Photoshop 3.0\0", 14);
  out += "8BIM";
  out += BE16(0x0404);
  out += std::string("\0\0", 2);  // empty resource name, padded to even length
  out += U32(static_cast<std::uint32_t>(datasets.size()), ByteOrder::Big);
  out += datasets;
  if (datasets.size() % 2 != 0) out.push_back('\0');
  return out;
}

// ---- real JPEG image ----

std::string EncodeTinyJpeg(int width, int height, int quality) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < width; ++x) {
      row[static_cast<std::size_t>(x) * 3] = static_cast<unsigned char>(x * 255 / (width > 1 ? width - 1 : 1));
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<unsigned char>(cinfo.next_scanline * 7);
      row[static_cast<std::size_t>(x) * 3 + 2] = 128;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string out(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  free(buffer);
  return out;
}

std::string TinyImageSegments(int width, int height) {
  const std::string jpeg = EncodeTinyJpeg(width, height);
  std::size_t pos = 2;  // after SOI
  if (jpeg.size() > pos + 4 && static_cast<unsigned char>(jpeg[pos + 1]) == 0xE0) {
    const std::size_t length = (static_cast<unsigned char>(jpeg[pos + 2]) << 8) |
                               static_cast<unsigned char>(jpeg[pos + 3]);
    pos += 2 + length;
  }
  return jpeg.substr(pos);
}

// ---- JPEG ----

JpegBuilder& JpegBuilder::NoSoi() {
  if (soi_) {
    bytes_.erase(0, 2);
    soi_ = false;
  }
  return *this;
}

JpegBuilder& JpegBuilder::SegmentWithLength(std::uint8_t marker, std::uint16_t length,
                                            std::string_view payload) {
  bytes_.push_back('\xFF');
  bytes_.push_back(static_cast<char>(marker));
  bytes_ += BE16(length);
  bytes_ += payload;
  return *this;
}

JpegBuilder& JpegBuilder::Segment(std::uint8_t marker, std::string_view payload) {
  if (payload.size() > 65533) throw std::invalid_argument("fixture: segment payload too long");
  return SegmentWithLength(marker, static_cast<std::uint16_t>(payload.size() + 2), payload);
}

JpegBuilder& JpegBuilder::App0Jfif() {
  return Segment(0xE0, std::string("JFIF\0\x01\x02\x01\x00\x48\x00\x48\x00\x00", 14));
}

JpegBuilder& JpegBuilder::App1Exif(const std::string& tiff) { return Segment(0xE1, ExifPayload(tiff)); }
JpegBuilder& JpegBuilder::App1(std::string_view payload) { return Segment(0xE1, payload); }
JpegBuilder& JpegBuilder::App2(std::string_view payload) { return Segment(0xE2, payload); }
JpegBuilder& JpegBuilder::App13(std::string_view payload) { return Segment(0xED, payload); }
JpegBuilder& JpegBuilder::App13Iptc(const std::string& datasets) {
  return Segment(0xED, PhotoshopIptcPayload(datasets));
}
JpegBuilder& JpegBuilder::Com(std::string_view text) { return Segment(0xFE, text); }

JpegBuilder& JpegBuilder::Dqt() {
  std::string payload(1, '\0');
  payload += std::string(64, '\x01');
  return Segment(0xDB, payload);
}

JpegBuilder& JpegBuilder::Raw(std::string_view bytes) {
  bytes_ += bytes;
  return *this;
}

JpegBuilder& JpegBuilder::Image(int width, int height) {
  bytes_ += TinyImageSegments(width, height);
  return *this;
}

JpegBuilder& JpegBuilder::FakeScan() {
  Segment(0xDA, std::string("\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 10));
  bytes_ += std::string("\x12\x34\x56\xFF\x00\x78", 6);
  bytes_ += std::string("\xFF\xD9", 2);
  return *this;
}

// ---- files ----

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("fixture: mkdtemp failed");
  path_ = pattern + "/";
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
  const std::string path = path_ + name;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("fixture: cannot write " + path);
  return path;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace fixture
