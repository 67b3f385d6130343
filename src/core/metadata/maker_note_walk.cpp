// The maker-note directory walk and the entries it appends (TImageInfo members).

#include <algorithm>
#include <exception>
#include <utility>

#include "metadata/image_info.h"
#include "metadata/maker_note_tables.h"
#include "metadata/read_failure.h"
#include "metadata/tag_tables.h"
#include "metadata/timg_data.h"
#include "metadata/value_rendering.h"

namespace {

// The Buffer of the image holds the maker-note bytes while the walk runs (so that ReadU16 and
// ReadU32 read them); the EXIF data comes back when the walk ends, however it ends.
class HeldMakerNote {
 public:
  HeldMakerNote(TImageInfo& info, const std::string& makerNote)
      : info_(info), exifData_(std::move(info.Buffer)) {
    info_.Buffer = makerNote;
  }
  ~HeldMakerNote() { info_.Buffer = std::move(exifData_); }
  HeldMakerNote(const HeldMakerNote&) = delete;
  HeldMakerNote& operator=(const HeldMakerNote&) = delete;

  const std::string& ExifData() const { return exifData_; }

 private:
  TImageInfo& info_;
  std::string exifData_;
};

// size bytes of text from 1-based position pos, cut where the text ends; empty when pos lies
// outside the text.
std::string BytesFrom(const std::string& text, std::int64_t pos, std::int64_t size) {
  if (pos < 1 || size <= 0 || pos > static_cast<std::int64_t>(text.size())) return {};
  const auto available = static_cast<std::int64_t>(text.size()) - (pos - 1);
  return text.substr(static_cast<std::size_t>(pos - 1), static_cast<std::size_t>(std::min(size, available)));
}

std::string Quoted(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + 2);
  text += '"';
  text += bytes;
  text += '"';
  return text;
}

}  // namespace

void TImageInfo::AppendMakerNoteTag(const std::string& label, const std::string& text) {
  TTagEntry entry;
  entry.Group = 1;
  entry.Name = label;
  entry.Label = label;
  entry.Text = text;
  entry.RawBytes = text;
  entry.RawSize = static_cast<std::int32_t>(text.size());
  entry.Format = 2;
  entry.ValuePos = 0;
  // Appended whatever the tag number: derived entries have none.
  Tags.push_back(std::move(entry));
}

void TImageInfo::WalkMakerNoteDirectory(const std::string& makerNote, std::span<const TagDefinition> table,
                                        int directoryStart, int offsetBase, int fallbackBase) {
  const bool build = BuildMode == 4 || BuildMode == 255;
  HeldMakerNote held(*this, makerNote);
  try {
    const std::int64_t d = static_cast<std::int64_t>(directoryStart) + 1;
    const int count = ReadU16(d);
    for (int i = 0; i < count; ++i) {
      const std::int64_t e = d + 2 + 12 * static_cast<std::int64_t>(i);
      const auto tag = static_cast<std::uint16_t>(ReadU16(e));
      const int format = ReadU16(e + 2);
      const std::int32_t components = ReadU32(e + 4);
      // Unlike the EXIF walk, an entry of size 0 is read: its value is empty.
      const std::int64_t size = std::max<std::int64_t>(0, static_cast<std::int64_t>(FormatSize(format)) * components);

      const std::int64_t valuePos = size > 4 ? ReadU32(e + 8) + static_cast<std::int64_t>(offsetBase) : e + 8;
      // Bytes past the note are read from the EXIF data: maker-note position p lies at
      // p - offsetBase + fallbackBase there (an offset o at o + fallbackBase).
      std::string raw =
          RangeInside(valuePos, size, Buffer.size())
              ? Buffer.substr(static_cast<std::size_t>(valuePos - 1), static_cast<std::size_t>(size))
              : BytesFrom(held.ExifData(), valuePos - offsetBase + fallbackBase, size);

      const TagDefinition* definition = FindDefinition(table, tag);
      const std::string_view label = definition ? definition->Label : std::string_view("Unknown");
      if (IsSkipLabel(label)) continue;

      std::string text;
      if (build) {
        if (format == 2) {
          text = Quoted(std::string_view(raw).substr(0, raw.find('\0')));
        } else if (format == 7) {
          text = Quoted(raw);
        } else {
          try {
            text = definition ? ValueToText(raw, format, definition->ValueList, definition->FormatText, BigEndian)
                              : ValueToText(raw, format, {}, {}, BigEndian);
          } catch (const MetadataReadError&) {
            text = Quoted(raw);
          }
        }
        text = definition && definition->Formatter ? definition->Formatter(text, *this) : PrintableText(text);
      }

      // Entries without a definition are not listed.
      if (build && definition) {
        try {
          TTagEntry entry = EntryFromDefinition(*definition);
          entry.Group = 1;
          entry.Format = static_cast<std::uint16_t>(format);
          entry.Text = std::move(text);
          entry.RawSize = static_cast<std::int32_t>(raw.size());
          entry.RawBytes = std::move(raw);
          Tags.push_back(std::move(entry));
        } catch (const std::exception&) {
          // A failed append loses this entry only.
        }
      }
    }
  } catch (const std::exception& failure) {
    // The entries appended so far stay; the EXIF walk goes on with its next entry.
    if (Parent) Parent->ErrorText = std::string("Error Detected = ") + failure.what();
  }
}
