#include "maker_note_builder.h"

namespace fixture {

MakerNoteBuilder::MakerNoteBuilder(ByteOrder order, std::string prefix)
    : order_(order), prefix_(std::move(prefix)) {}

MakerNoteBuilder& MakerNoteBuilder::Entry(std::uint16_t tag, std::uint16_t format, std::uint32_t count,
                                          std::string_view valueBytes) {
  items_.push_back(Item{tag, format, count, std::string(valueBytes), std::nullopt});
  return *this;
}

MakerNoteBuilder& MakerNoteBuilder::Ascii(std::uint16_t tag, std::string_view text) {
  std::string value(text);
  value.push_back('\0');
  return Entry(tag, kAscii, static_cast<std::uint32_t>(value.size()), value);
}

MakerNoteBuilder& MakerNoteBuilder::Short(std::uint16_t tag, std::vector<std::uint16_t> values) {
  std::string value;
  for (auto v : values) value += U16(v, order_);
  return Entry(tag, kShort, static_cast<std::uint32_t>(values.size()), value);
}

MakerNoteBuilder& MakerNoteBuilder::Long(std::uint16_t tag, std::vector<std::uint32_t> values) {
  std::string value;
  for (auto v : values) value += U32(v, order_);
  return Entry(tag, kLong, static_cast<std::uint32_t>(values.size()), value);
}

MakerNoteBuilder& MakerNoteBuilder::Rational(std::uint16_t tag,
                                             std::vector<std::pair<std::uint32_t, std::uint32_t>> values) {
  std::string value;
  for (auto [numerator, denominator] : values) value += U32(numerator, order_) + U32(denominator, order_);
  return Entry(tag, kRational, static_cast<std::uint32_t>(values.size()), value);
}

MakerNoteBuilder& MakerNoteBuilder::Undefined(std::uint16_t tag, std::string_view bytes) {
  return Entry(tag, kUndefined, static_cast<std::uint32_t>(bytes.size()), bytes);
}

MakerNoteBuilder& MakerNoteBuilder::Field(std::uint16_t tag, std::uint16_t format, std::uint32_t count,
                                          std::uint32_t field) {
  items_.push_back(Item{tag, format, count, std::string(), field});
  return *this;
}

MakerNoteBuilder& MakerNoteBuilder::CountOverride(std::uint16_t count) {
  countOverride_ = count;
  return *this;
}

MakerNoteBuilder& MakerNoteBuilder::Tail(std::string_view bytes) {
  tail_ = bytes;
  return *this;
}

std::size_t MakerNoteBuilder::Size() const {
  std::size_t size = prefix_.size() + 2 + 12 * items_.size() + 4;
  for (const Item& item : items_)
    if (!item.field && item.value.size() > 4) size += item.value.size();
  return size + tail_.size();
}

std::string MakerNoteBuilder::Build(std::int64_t offsetOfFirstByte) const {
  std::string directory = U16(countOverride_.value_or(static_cast<std::uint16_t>(items_.size())), order_);
  std::string values;
  std::size_t valueIndex = prefix_.size() + 2 + 12 * items_.size() + 4;
  for (const Item& item : items_) {
    directory += U16(item.tag, order_) + U16(item.format, order_) + U32(item.count, order_);
    if (item.field) {
      directory += U32(*item.field, order_);
    } else if (item.value.size() <= 4) {
      std::string inEntry = item.value;
      inEntry.resize(4, '\0');
      directory += inEntry;
    } else {
      directory += U32(static_cast<std::uint32_t>(offsetOfFirstByte + static_cast<std::int64_t>(valueIndex + values.size())), order_);
      values += item.value;
    }
  }
  directory += U32(0, order_);
  return prefix_ + directory + values + tail_;
}

std::string NikonType3Prefix(ByteOrder order) {
  std::string prefix("Nikon\0\x02\x10\0\0", 10);
  prefix += order == ByteOrder::Big ? std::string("MM\0*", 4) : std::string("II*\0", 4);
  prefix += U32(8, order);
  return prefix;
}

BuiltPhoto PhotoWithMakerNote(const MakerNotePhoto& photo) {
  TiffBuilder tiff(photo.order);
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, photo.make).Ascii(ifd0, 0x0110, photo.model).Pointer(ifd0, 0x8769, exif);
  if (photo.exifVersion) tiff.Undefined(exif, 0x9000, *photo.exifVersion);
  tiff.Undefined(exif, 0x927C, std::string(photo.note.Size(), '\0'));
  if (photo.widthAfterNote > 0) tiff.Short(exif, 0xA002, {photo.widthAfterNote});
  tiff.Tail(photo.tail);

  BuiltPhoto built;
  built.noteOffset = tiff.ValueOffset(exif, 0x927C);
  const std::int64_t firstByte = photo.offsets == NoteOffsets::ExifHeader   ? built.noteOffset
                                 : photo.offsets == NoteOffsets::NoteByte10 ? -10
                                                                             : 0;
  tiff.SetValue(exif, 0x927C, photo.note.Build(firstByte));
  built.tiff = tiff.Build();
  built.tailOffset = static_cast<std::uint32_t>(built.tiff.size() - photo.tail.size());
  built.jpeg = JpegBuilder().App1Exif(built.tiff).Image().Build();
  return built;
}

}  // namespace fixture
