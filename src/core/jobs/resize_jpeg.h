#pragma once
// Resize and recompress one JPEG file in place, keeping its EXIF, IPTC and comment segments.
// The rename engine calls it for every new file when "Auflösung der Bilder ändern" is ticked.

#include <QString>

#include <array>
#include <stdexcept>
#include <string>

class JobContext;

struct ResizeSize {
  int width;
  int height;
};

// Target sizes by the index of the rename dialog's "Größe:" drop-down.
inline constexpr std::array<ResizeSize, 3> kResizeSizes{{{640, 480}, {800, 600}, {1024, 768}}};

// Raised for every failure of ResizeJpeg: a size index outside the table, a file that cannot be
// read, damaged JPEG data, an encoder failure or a failed write. The text is German and names the
// file; the photo on disk is untouched whenever this is raised.
class ResizeError : public std::runtime_error {
 public:
  explicit ResizeError(const QString& message);
  QString Message() const { return QString::fromUtf8(what()); }
};

enum class ResizeOutcome {
  Resized,    // the file now holds the new image
  Cancelled,  // CancelRequested was set: the file was not touched
};

// Stretches the JPEG at `path` to kResizeSizes[sizeIndex] (both directions independently, so
// the aspect ratio is not kept), encodes it as baseline JPEG with `quality` (0..100; 0 is
// taken as 1, values outside are clamped) and replaces the file with it, carrying over the
// EXIF (pixel size fitted), IPTC and comment segments. Lets events run through the context
// first and does nothing when cancel is set. The new file is written beside the old one and
// renamed over it only when complete. Throws ResizeError.
ResizeOutcome ResizeJpeg(const QString& path, int quality, int sizeIndex, JobContext& context);
