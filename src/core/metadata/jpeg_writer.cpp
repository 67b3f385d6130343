#include "metadata/jpeg_writer.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "metadata/image_info.h"
#include "metadata/timg_data.h"

namespace {

constexpr unsigned char kMarkerApp0 = 0xE0;
constexpr unsigned char kMarkerApp1 = 0xE1;
constexpr unsigned char kMarkerApp13 = 0xED;
constexpr unsigned char kMarkerComment = 0xFE;

// The encoder's header segments passed over, in the order they are looked for.
constexpr unsigned char kSkippedEncoderMarkers[] = {kMarkerApp0, kMarkerApp1, kMarkerApp13,
                                                    kMarkerComment};

int AppendSegment(const tSection& section, std::string& out) {
  out.push_back(static_cast<char>(0xFF));
  out.push_back(static_cast<char>(section.Marker));
  out.append(section.Data);
  return 2 + static_cast<int>(section.Data.size());
}

unsigned Byte(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]);
}

std::string WriteFailure(const std::string& path, int error) {
  return "Die Datei \"" + path + "\" konnte nicht geschrieben werden: " + std::strerror(error);
}

// The file a path ends at, following symbolic links; the path itself when it names no link.
std::string ResolveTarget(const std::string& path) {
  struct stat link {};
  if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

int WriteMetadataSegments(const TimgData& data, std::string& out) {
  out.push_back(static_cast<char>(0xFF));
  out.push_back(static_cast<char>(0xD8));
  int written = 0;
  if (data.ExifSection != nullptr) {
    written += AppendSegment(*data.ExifSection, out);
  } else if (data.JfifSection != nullptr) {
    written += AppendSegment(*data.JfifSection, out);
  } else {
    out.append(reinterpret_cast<const char*>(kFixedJfifHeader), sizeof kFixedJfifHeader);
    written += static_cast<int>(sizeof kFixedJfifHeader);
  }
  if (data.IptcSection != nullptr) written += AppendSegment(*data.IptcSection, out);
  if (data.CommentSection != nullptr) written += AppendSegment(*data.CommentSection, out);
  return written;
}

std::size_t SkipEncoderHeaderSegments(std::string_view encoded) {
  std::size_t at = 2;  // after the encoder's own SOI
  for (const unsigned char marker : kSkippedEncoderMarkers) {
    if (encoded.size() < 4 || at > encoded.size() - 4) break;
    if (Byte(encoded, at) != 0xFF || Byte(encoded, at + 1) != marker) continue;
    const std::size_t length = Byte(encoded, at + 2) * 256 + Byte(encoded, at + 3);
    if (length < 2 || length + 2 > encoded.size() - at) break;
    at += length + 2;
  }
  return at;
}

bool ReadJpegFrameSize(std::string_view encoded, int& width, int& height) {
  std::size_t at = 2;
  while (encoded.size() >= 4 && at <= encoded.size() - 4) {
    if (Byte(encoded, at) != 0xFF) return false;
    const unsigned marker = Byte(encoded, at + 1);
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    const std::size_t length = Byte(encoded, at + 2) * 256 + Byte(encoded, at + 3);
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                       marker != 0xCC;
    if (frame) {
      if (length < 7 || encoded.size() - at < 9) return false;
      height = static_cast<int>(Byte(encoded, at + 5) * 256 + Byte(encoded, at + 6));
      width = static_cast<int>(Byte(encoded, at + 7) * 256 + Byte(encoded, at + 8));
      return true;
    }
    if (marker == 0xDA || marker == 0xD9 || length < 2) return false;
    at += length + 2;
  }
  return false;
}

void SaveJpegWithMetadata(std::string_view encodedImage, const std::string& target,
                          const std::string& source, bool fitSize) {
  const std::string from = source.empty() ? target : source;
  TimgData data;
  if (!data.ReadPhotoFile(from) || !data.HasMetadata()) {
    ReplaceFileSafely(target, encodedImage);
    return;
  }
  int width = 0, height = 0;
  if (fitSize && data.Exif && ReadJpegFrameSize(encodedImage, width, height))
    data.Exif->FitSizeTags(height, width);
  std::string file;
  file.reserve(encodedImage.size() + 65536);
  WriteMetadataSegments(data, file);
  file.append(encodedImage.substr(std::min(SkipEncoderHeaderSegments(encodedImage),
                                           encodedImage.size())));
  ReplaceFileSafely(target, file);
}

void ReplaceFileSafely(const std::string& path, std::string_view bytes) {
  const std::string target = ResolveTarget(path);
  std::string temp = FolderOf(target) + "." + NameOf(target) + ".XXXXXX";
  const int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) throw JpegWriteError(WriteFailure(path, errno));

  struct stat old {};
  const bool replacing = stat(target.c_str(), &old) == 0;
  // A write-protected file stays protected, as when it would be written in place.
  if (replacing && access(target.c_str(), W_OK) != 0) {
    const int error = errno;
    close(fd);
    unlink(temp.c_str());
    throw JpegWriteError(WriteFailure(path, error));
  }
  if (replacing && fchown(fd, old.st_uid, old.st_gid) != 0) {
    // Only the owner or root can give the file away; the writer's ownership is fine then.
  }
  const mode_t mode = replacing ? (old.st_mode & 07777) : NewFileMode();
  bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
  int error = errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    unlink(temp.c_str());
    throw JpegWriteError(WriteFailure(path, error));
  }
}
