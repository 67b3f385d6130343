#pragma once
// Writing a JPEG file that carries the metadata segments of another one: the resize writes the
// re-encoded picture behind the EXIF, IPTC and comment segments of the photo it replaces.
// The encoded picture comes in as bytes; nothing here decodes or encodes pixels.

#include <stdexcept>
#include <string>
#include <string_view>

class TimgData;

// A file could not be written. The text is German, names the file and ends with the system's
// reason; the target file is unchanged when this is raised.
class JpegWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The JFIF header written when the source has neither an EXIF nor an APP0 segment: APP0,
// length 16, "JFIF", version 1.02, 300 dots per inch both ways, no thumbnail.
inline constexpr unsigned char kFixedJfifHeader[18] = {0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46,
                                                       0x49, 0x46, 0x00, 0x01, 0x02, 0x01,
                                                       0x01, 0x2C, 0x01, 0x2C, 0x00, 0x00};

// Appends SOI, then the EXIF segment (or else the last APP0, or else the fixed JFIF header), the
// first APP13 and the last COM of data to out. Returns the bytes appended after SOI.
int WriteMetadataSegments(const TimgData& data, std::string& out);

// Where the encoded picture's own segments continue once a leading APP0, then APP1, then APP13,
// then COM segment (each kind at most once, only in this order) is passed over.
std::size_t SkipEncoderHeaderSegments(std::string_view encoded);

// Width and height from the frame header (SOFn) of an encoded picture; false when none is found.
bool ReadJpegFrameSize(std::string_view encoded, int& width, int& height);

// Writes the encoded picture to target. When the file at source (target when empty) carries
// EXIF, IPTC or comment segments, they go in front of the picture's own segments, and with
// fitSize the EXIF pixel width and height are set to the picture's size; otherwise the encoded
// bytes are written unchanged. Source and target may be the same file: its segments are read
// before it is replaced. Throws JpegWriteError.
void SaveJpegWithMetadata(std::string_view encodedImage, const std::string& target,
                          const std::string& source, bool fitSize);

// Replaces the file at path with bytes without ever leaving it half-written: the bytes go to a
// new file in the same folder, which is flushed to disk and then renamed over the old one.
// On any failure the new file is removed and the old one stays as it was. A new file gets the
// old one's permission bits (0666 less the umask when there is no old file). A symbolic link
// is followed: the file it points to is replaced. Throws JpegWriteError.
void ReplaceFileSafely(const std::string& path, std::string_view bytes);
