#pragma once
// TimgData: the metadata container of one photo file. ReadPhotoFile walks the JPEG marker
// segments at the head of the file (or takes the first directory block of a TIFF-structured
// file), keeps the segments that carry metadata and hands the EXIF segment to TImageInfo and the
// first APP13 segment to TIPTCdata. Only the head of the file is read, never the image data.

#include <array>
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

#include "metadata/end_ind.h"
#include "metadata/image_info.h"
#include "metadata/iptc_data.h"

class JpegByteSource;

// One JPEG marker segment.
struct tSection {
  std::string Data;  // the length bytes followed by the payload; its size equals Length
  int Marker = 0;    // the byte after 0xFF (0xE1 for APP1 ...)
  int Length = 0;    // big-endian length field: itself and the payload, not the marker
};

// The messages of ErrorText.
inline constexpr const char* kErrorNone = "<none>";
inline constexpr const char* kErrorNotExif = "Not an EXIF file";
inline constexpr const char* kErrorIllegalConstruction = "Illegal Exif construction";
inline constexpr const char* kErrorIncorrectHeader = "Incorrect Exif header";
inline constexpr const char* kErrorInvalidAlignment = "Invalid Exif alignment marker";
inline constexpr const char* kErrorIllegalDirectorySize = "Illegally sized directory";

// BigEndian is the byte order of the EXIF segment. The segment's bytes are held once, in
// Exif->Buffer (besides the slot itself), so the TimgData's own Buffer stays empty.
class TimgData : public tEndInd {
 public:
  static constexpr int kMaxSections = 20;
  static constexpr int kTiffReadLimit = 256000;

  explicit TimgData(int buildMode = 255);
  ~TimgData() override;
  TimgData(const TimgData&) = delete;
  TimgData& operator=(const TimgData&) = delete;

  std::array<tSection, kMaxSections> Sections;  // slots 1..20 are Sections[0..19]
  int SectionCount = 0;
  tSection* ExifSection = nullptr;     // the EXIF APP1 (TIFF file: slot 1, the directory block)
  tSection* IptcSection = nullptr;     // the first APP13
  tSection* CommentSection = nullptr;  // the last COM
  tSection* JfifSection = nullptr;     // the last APP0
  std::string FileName;
  std::time_t FileTime = 0;            // last-write time; 0 when unknown
  std::int64_t FileSize = 0;
  std::string ErrorText;
  std::unique_ptr<TImageInfo> Exif;
  std::unique_ptr<TIPTCdata> Iptc;
  bool FromTiff = false;
  int BuildMode = 255;

  // Slot n (1-based).
  tSection& Section(int slot) { return Sections[static_cast<std::size_t>(slot - 1)]; }
  const tSection& Section(int slot) const { return Sections[static_cast<std::size_t>(slot - 1)]; }

  void ResetMetadata();
  // Reads the file's metadata; true when metadata was found. Never throws.
  bool ReadPhotoFile(const std::string& path);
  bool HasMetadata() const;
  bool HasExif() const;
  bool HasThumbnail() const;
  // The COM segment's payload as it stands; call only when CommentSection is set.
  std::string CommentText() const;

  // The JPEG segment scan over an open source positioned at the file's start.
  bool ScanJpegSegments(JpegByteSource& source);
  // Checks the accepted APP1 segment and walks its main directory.
  void ParseExifSegment();

 private:
  bool ReadJpegFile(int fd);
  bool ReadTiffData(int fd);
};
