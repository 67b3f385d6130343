#include "metadata/timg_data.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <optional>

#include "metadata/jpeg_byte_source.h"
#include "metadata/read_failure.h"
#include "metadata/tag_tables.h"

namespace {

constexpr int kMarkerSoi = 0xD8;
constexpr int kMarkerEoi = 0xD9;
constexpr int kMarkerSos = 0xDA;
constexpr int kMarkerApp0 = 0xE0;
constexpr int kMarkerApp1 = 0xE1;
constexpr int kMarkerApp13 = 0xED;
constexpr int kMarkerCom = 0xFE;

// The text after the last dot of the path, lower-cased; the whole path without a dot.
std::string ExtensionLower(const std::string& path) {
  const auto dot = path.find_last_of('.');
  std::string ext = dot == std::string::npos ? path : path.substr(dot + 1);
  for (auto& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

// A file opened for reading, closed at the end of the scope; Fd() is -1 when it cannot be opened.
// Non-blocking, so a pipe that carries a photo's name is read as an empty file instead of
// waiting for a writer; regular files read the same either way.
class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::string& path) {
    do {
      fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd_ < 0 && errno == EINTR);
  }
  ~ReadOnlyFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_ = -1;
};

}  // namespace

TimgData::TimgData(int buildMode) : BuildMode(buildMode) {}

TimgData::~TimgData() = default;

void TimgData::ResetMetadata() {
  SectionCount = 0;
  ExifSection = nullptr;
  IptcSection = nullptr;
  CommentSection = nullptr;
  JfifSection = nullptr;
  FileName.clear();
  FileTime = 0;
  FileSize = 0;
  ErrorText.clear();
  Exif.reset();
  Iptc.reset();
  BigEndian = false;
}

bool TimgData::HasMetadata() const {
  return ExifSection != nullptr || CommentSection != nullptr || IptcSection != nullptr;
}

bool TimgData::HasExif() const { return ExifSection != nullptr && Exif != nullptr; }

bool TimgData::HasThumbnail() const {
  return HasExif() && Exif->ThumbOffset > 21 && Exif->ThumbLength > 256;
}

std::string TimgData::CommentText() const {
  if (CommentSection == nullptr) return {};
  const std::string& data = CommentSection->Data;
  if (data.size() <= 2 || CommentSection->Length <= 2) return {};
  return data.substr(2, static_cast<std::size_t>(CommentSection->Length - 2));
}

bool TimgData::ReadPhotoFile(const std::string& path) {
  ResetMetadata();
  const std::string ext = ExtensionLower(path);
  const bool jpeg = ext == "jpg" || ext == "jpeg" || ext == "jpe";
  const bool tiff = ext == "tif" || ext == "tiff" || ext == "nef";
  // A file of a kind that is read is opened first and looked up through its descriptor: one
  // path look-up per file. Only when it cannot be opened does the path decide between a missing
  // file and one that exists but cannot be read.
  std::optional<ReadOnlyFile> file;
  if (jpeg || tiff) file.emplace(path);
  struct stat info {};
  const bool found = file && file->Fd() >= 0 ? ::fstat(file->Fd(), &info) == 0 : ::stat(path.c_str(), &info) == 0;
  if (!found || S_ISDIR(info.st_mode)) return false;
  FileName = path;
  FileTime = info.st_mtime;
  FileSize = static_cast<std::int64_t>(info.st_size);
  ErrorText = kErrorNotExif;
  if (!jpeg && !tiff) return false;
  try {
    if (file->Fd() < 0) throw MetadataReadError("Cannot open " + path);
    const bool read = jpeg ? ReadJpegFile(file->Fd()) : ReadTiffData(file->Fd());
    if (read) ErrorText = kErrorNone;
    return read;
  } catch (...) {
    ErrorText = kErrorIllegalConstruction;
    return false;
  }
}

bool TimgData::ReadJpegFile(int fd) {
  FromTiff = false;
  try {
    FileByteSource source(fd);
    return ScanJpegSegments(source);
  } catch (const std::exception&) {
    return false;
  }
}

bool TimgData::ScanJpegSegments(JpegByteSource& source) {
  const int first = source.NextByte();
  const int second = source.NextByte();
  if (first != 0xFF || second != kMarkerSoi) return false;

  SectionCount = 0;
  while (SectionCount < kMaxSections) {
    // Any number of 0xFF fill bytes; a byte other than 0xFF is the marker.
    int marker = source.NextByte();
    while (marker == 0xFF) marker = source.NextByte();
    if (marker < 0) break;

    const int hi = source.NextByte();
    const int lo = source.NextByte();
    if (hi < 0 || lo < 0) break;
    const int length = hi * 256 + lo;
    if (length < 2) throw MetadataReadError("Segment length " + std::to_string(length) + " below 2");

    tSection& slot = Sections[static_cast<std::size_t>(SectionCount)];
    slot.Data.clear();
    slot.Data.push_back(static_cast<char>(hi));
    slot.Data.push_back(static_cast<char>(lo));
    // A file that ends inside the payload: the incomplete segment is not kept.
    if (source.Take(static_cast<std::size_t>(length - 2), slot.Data) <
        static_cast<std::size_t>(length - 2)) {
      slot.Data.clear();
      break;
    }
    ++SectionCount;
    slot.Marker = marker;
    slot.Length = length;

    if (SectionCount == 5 && !HasMetadata()) break;

    if (marker == kMarkerEoi || marker == kMarkerSos) break;
    switch (marker) {
      case kMarkerApp0:
        JfifSection = &slot;
        break;
      case kMarkerApp1:
        if (SectionCount > 5 || ExifSection != nullptr) {
          --SectionCount;  // dropped: the next segment reuses the slot
        } else {
          ExifSection = &slot;
          Exif = std::make_unique<TImageInfo>(this, BuildMode);
          ParseExifSegment();
        }
        break;
      case kMarkerApp13:
        if (IptcSection == nullptr) {
          IptcSection = &slot;
          Iptc = std::make_unique<TIPTCdata>(this);
        }
        break;
      case kMarkerCom:
        CommentSection = &slot;
        break;
      default:
        break;
    }
  }
  return HasMetadata();
}

void TimgData::ParseExifSegment() {
  if (!Exif) Exif = std::make_unique<TImageInfo>(this, BuildMode);
  const std::string& data = ExifSection->Data;
  if (data.size() < 7 || data.compare(2, 5, std::string("Exif\0", 5)) != 0) {
    ErrorText = kErrorIncorrectHeader;
    return;
  }
  const std::string mark = data.size() >= 10 ? data.substr(8, 2) : std::string();
  if (mark == "II") {
    BigEndian = false;
  } else if (mark == "MM") {
    BigEndian = true;
  } else {
    ErrorText = kErrorInvalidAlignment;
    return;
  }
  // The segment is copied once, into the EXIF object, which reads the TIFF header from it.
  Exif->Buffer = data;
  Exif->BigEndian = BigEndian;
  // The TIFF header starts at position 9: offset o lies at position o + 9.
  const std::int64_t offset = Exif->ReadU32(13);
  const std::int64_t start = offset == 0 ? 17 : offset + 9;
  Exif->WalkDirectory(start, 9, kDirectoryMain, ExifSection->Length - 6);
  Exif->Compute35mmFocalLength();
}

bool TimgData::ReadTiffData(int fd) {
  FromTiff = true;
  struct ClearFromTiff {
    bool& flag;
    ~ClearFromTiff() { flag = false; }
  } clear{FromTiff};

  try {
    // The mark, the skipped six bytes and up to 256000 bytes from offset 8, in one read.
    std::string head(8 + static_cast<std::size_t>(kTiffReadLimit), '\0');
    std::size_t filled = 0;
    while (filled < head.size()) {
      const ssize_t got = ::read(fd, head.data() + filled, head.size() - filled);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      filled += static_cast<std::size_t>(got);
    }
    head.resize(filled);
    const std::string mark = head.substr(0, 2);
    if (mark != "II" && mark != "MM") return false;

    tSection& slot = Sections[0];
    slot.Data = head.size() > 8 ? head.substr(8) : std::string();
    slot.Marker = 0;
    slot.Length = static_cast<int>(slot.Data.size());
    SectionCount = 1;
    ExifSection = &slot;

    Exif = std::make_unique<TImageInfo>(this, BuildMode);
    Exif->FromTiff = FromTiff;
    Exif->Buffer = slot.Data;
    Exif->BigEndian = mark == "MM";
    // Position p of the buffer holds the byte at file offset p + 7.
    Exif->WalkDirectory(1, -7, kDirectoryMain, kTiffReadLimit);
    Exif->Compute35mmFocalLength();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}
