#pragma once
// Byte-level builders for test fixtures: TIFF structures (header, directories, values) in either
// byte order, JPEG files assembled segment by segment, IPTC blocks, and a tiny real JPEG image
// encoded by libjpeg. Every edge case of a reader can be written down byte by byte.
//
//   fixture::TiffBuilder tiff(fixture::ByteOrder::Big);
//   int ifd0 = tiff.AddDirectory();
//   int exif = tiff.AddDirectory();
//   tiff.Ascii(ifd0, 0x010F, "Canon").Pointer(ifd0, 0x8769, exif).Short(exif, 0xA002, {3072});
//   std::string jpeg = fixture::JpegBuilder().App1Exif(tiff.Build()).Com("hello").Image().Build();
//   fixture::TempDir dir;  std::string path = dir.Write("photo.jpg", jpeg);

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fixture {

enum class ByteOrder { Little, Big };

// Integers as bytes in the given order.
std::string U16(std::uint16_t value, ByteOrder order);
std::string U32(std::uint32_t value, ByteOrder order);
// Big-endian 16 bit (JPEG length fields, IPTC lengths).
std::string BE16(std::uint16_t value);

// Format codes of TIFF entries.
enum Format : std::uint16_t {
  kByte = 1, kAscii = 2, kShort = 3, kLong = 4, kRational = 5, kSByte = 6, kUndefined = 7,
  kSShort = 8, kSLong = 9, kSRational = 10, kFloat = 11, kDouble = 12
};

// A TIFF structure: an 8-byte header, then every directory in the order added (count, 12-byte
// entries, next-directory link), then the out-of-line values in the order added. Offsets count
// from the header's first byte, as in the EXIF segment. The layout depends only on the sizes,
// so offsets can be asked before the values are final.
class TiffBuilder {
 public:
  explicit TiffBuilder(ByteOrder order = ByteOrder::Little);

  ByteOrder Order() const { return order_; }
  // A new, empty directory; returns its index. Directory 0 is the first directory (IFD0).
  int AddDirectory();

  // Typed entries. Ascii appends the terminating zero byte.
  TiffBuilder& Ascii(int dir, std::uint16_t tag, std::string_view text);
  TiffBuilder& Byte(int dir, std::uint16_t tag, std::vector<std::uint8_t> values);
  TiffBuilder& Short(int dir, std::uint16_t tag, std::vector<std::uint16_t> values);
  TiffBuilder& Long(int dir, std::uint16_t tag, std::vector<std::uint32_t> values);
  TiffBuilder& SShort(int dir, std::uint16_t tag, std::vector<std::int16_t> values);
  TiffBuilder& SLong(int dir, std::uint16_t tag, std::vector<std::int32_t> values);
  TiffBuilder& Rational(int dir, std::uint16_t tag,
                        std::vector<std::pair<std::uint32_t, std::uint32_t>> values);
  TiffBuilder& SRational(int dir, std::uint16_t tag,
                         std::vector<std::pair<std::int32_t, std::int32_t>> values);
  TiffBuilder& Undefined(int dir, std::uint16_t tag, std::string_view bytes);
  // Any entry: value bytes as they are to be stored (already in the structure's byte order).
  TiffBuilder& Raw(int dir, std::uint16_t tag, std::uint16_t format, std::uint32_t count,
                   std::string_view valueBytes);
  // An entry whose value field holds exactly the given 4 bytes (for example a bad offset).
  TiffBuilder& RawField(int dir, std::uint16_t tag, std::uint16_t format, std::uint32_t count,
                        std::uint32_t field);
  // A LONG entry holding the offset of another directory (Exif, GPS, Interop pointers).
  TiffBuilder& Pointer(int dir, std::uint16_t tag, int targetDir);
  // Replaces the value bytes of an entry added before (same size keeps the layout).
  TiffBuilder& SetValue(int dir, std::uint16_t tag, std::string_view valueBytes);

  // The next-directory link of dir: another directory (IFD1, the thumbnail) or a raw offset.
  TiffBuilder& Next(int dir, int nextDir);
  TiffBuilder& NextOffset(int dir, std::uint32_t offset);
  // Overrides the first-directory offset of the header (default: offset of directory 0).
  TiffBuilder& FirstDirectoryOffset(std::uint32_t offset);
  // Overrides the entry count written for dir (the entries stay as added).
  TiffBuilder& CountOverride(int dir, std::uint16_t count);
  // Bytes appended after everything else (thumbnail image data, padding).
  TiffBuilder& Tail(std::string_view bytes);

  // Offsets (from the header start) of a directory, and of an entry's value (its out-of-line
  // place, or the value field inside the entry for values of up to 4 bytes).
  std::uint32_t DirectoryOffset(int dir) const;
  std::uint32_t EntryOffset(int dir, std::uint16_t tag) const;
  std::uint32_t ValueOffset(int dir, std::uint16_t tag) const;

  // "II*\0" or "MM\0*", the first-directory offset, directories, values, tail.
  std::string Build() const;

 private:
  struct Entry {
    std::uint16_t tag;
    std::uint16_t format;
    std::uint32_t count;
    std::string value;                 // value bytes (out of line when longer than 4)
    std::optional<std::uint32_t> field;  // raw 4-byte value field
    int pointerTo = -1;                // directory index for pointer entries
  };
  struct Directory {
    std::vector<Entry> entries;
    int next = -1;
    std::optional<std::uint32_t> nextOffset;
    std::optional<std::uint16_t> countOverride;
  };
  const Entry& FindEntry(int dir, std::uint16_t tag) const;
  Entry& FindEntry(int dir, std::uint16_t tag);
  std::uint32_t DataStart() const;

  ByteOrder order_;
  std::vector<Directory> dirs_;
  std::optional<std::uint32_t> firstOffset_;
  std::string tail_;
};

// An EXIF APP1 payload: "Exif\0\0" followed by a TIFF structure.
std::string ExifPayload(const std::string& tiff);

// One IPTC dataset: 0x1C, record, dataset, big-endian length, value.
std::string IptcDataset(std::uint8_t record, std::uint8_t dataset, std::string_view value);
// An APP13 payload: "Photoshop 3.0\0", an "8BIM" resource 0x0404 holding the datasets
// (padded to even length).
std::string PhotoshopIptcPayload(const std::string& datasets);

// A real baseline JPEG of the given size encoded by libjpeg (with its own SOI, APP0 and EOI).
std::string EncodeTinyJpeg(int width = 8, int height = 8, int quality = 75);
// The part of a libjpeg stream after its SOI and APP0: DQT, SOF, DHT, SOS, scan data, EOI.
std::string TinyImageSegments(int width = 8, int height = 8);

// A JPEG file assembled segment by segment. Starts with SOI unless NoSoi() is called.
class JpegBuilder {
 public:
  JpegBuilder& NoSoi();
  // 0xFF, marker, big-endian length (payload + 2), payload.
  JpegBuilder& Segment(std::uint8_t marker, std::string_view payload);
  // A segment with an explicit length field (which may disagree with the payload).
  JpegBuilder& SegmentWithLength(std::uint8_t marker, std::uint16_t length,
                                 std::string_view payload);
  JpegBuilder& App0Jfif();
  JpegBuilder& App1Exif(const std::string& tiff);   // APP1 with ExifPayload(tiff)
  JpegBuilder& App1(std::string_view payload);      // any APP1 (XMP, broken headers)
  JpegBuilder& App2(std::string_view payload);
  JpegBuilder& App13(std::string_view payload);     // APP13 with the payload as given
  JpegBuilder& App13Iptc(const std::string& datasets);  // APP13 with PhotoshopIptcPayload
  JpegBuilder& Com(std::string_view text);
  JpegBuilder& Dqt();                               // a 64-entry table of ones
  JpegBuilder& Raw(std::string_view bytes);         // bytes as they are (fill bytes, garbage)
  // The segments and scan of a real tiny image (TinyImageSegments), ending with EOI.
  JpegBuilder& Image(int width = 8, int height = 8);
  // SOS with a 12-byte header, some scan bytes and EOI (no real image).
  JpegBuilder& FakeScan();
  std::string Build() const { return bytes_; }

 private:
  std::string bytes_ = std::string("\xFF\xD8", 2);
  bool soi_ = true;
};

// A temporary folder removed with its content at the end of the scope.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  // The folder, ending with "/".
  const std::string& Path() const { return path_; }
  // Writes bytes to a file of the folder; returns its full path.
  std::string Write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};

// The whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

}  // namespace fixture
