#include "report_photo.h"

#include "fixture_builder.h"
#include "maker_note_builder.h"

namespace fixture {

std::string ReportPhoto(const ReportPhotoTexts& texts) {
  constexpr ByteOrder kOrder = ByteOrder::Little;
  TiffBuilder tiff(kOrder);
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  const int ifd1 = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Canon")
      .Ascii(ifd0, 0x0110, "Canon PowerShot S40")
      .Short(ifd0, 0x0112, {1})
      .Rational(ifd0, 0x011A, {{72, 1}})
      .Ascii(ifd0, 0x0132, "2024:05:01 10:00:00")
      .Pointer(ifd0, 0x8769, exif)
      .Next(ifd0, ifd1);

  std::vector<std::uint16_t> settings(34, 0);
  settings[0] = 68;  // the list's size in bytes
  settings[1] = 2;   // Macro mode: Normal
  settings[3] = 1;   // Compression Rate: Fine
  settings[16] = 17; // CCD ISO: 100
  MakerNoteBuilder note(kOrder);
  note.Short(0x0001, settings).Ascii(0x0009, texts.owner).Short(0x000F, {8, 0x0101, 0x0301, 0x0401});

  tiff.Rational(exif, 0x829A, {{1, 160}})
      .Rational(exif, 0x829D, {{28, 10}})
      .Undefined(exif, 0x9000, "0220")
      .Ascii(exif, 0x9003, "2024:05:01 09:30:15")
      .Short(exif, 0x9209, {25})
      .Rational(exif, 0x920A, {{58, 10}})
      .Undefined(exif, 0x927C, std::string(note.Size(), '\0'))
      .Short(exif, 0xA002, {8})
      .Short(exif, 0xA003, {8});
  // The thumbnail follows everything else.
  const std::string thumbnail = EncodeTinyJpeg(8, 8, 50);
  tiff.Short(ifd1, 0x0103, {6})
      .Rational(ifd1, 0x011A, {{72, 1}})
      .Long(ifd1, 0x0201, {0})
      .Long(ifd1, 0x0202, {static_cast<std::uint32_t>(thumbnail.size())})
      .Tail(thumbnail);

  // Every entry is in place, so the offsets are final: the layout depends only on the sizes.
  tiff.SetValue(exif, 0x927C, note.Build(tiff.ValueOffset(exif, 0x927C)));
  tiff.SetValue(ifd1, 0x0201, U32(static_cast<std::uint32_t>(tiff.Build().size() - thumbnail.size()), kOrder));

  const std::string datasets = IptcDataset(2, 0, std::string("\0\x04", 2)) + IptcDataset(2, 25, "sunset") +
                               IptcDataset(2, 25, "beach") + IptcDataset(2, 120, texts.caption);
  return JpegBuilder().App1Exif(tiff.Build()).Com(texts.comment).App13Iptc(datasets).Image().Build();
}

}  // namespace fixture
