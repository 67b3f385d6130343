#include "jobs/jpeg_codec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// From this quality on the colour planes keep their full resolution: halving them would cost
// more than the quantisation at such a quality does.
constexpr int kFullChromaQuality = 90;

// libjpeg reports failures through a callback that must not return; it jumps back to the
// setjmp of the function that drives the library. Only plain data lives in those frames.
struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
  (*info->err->format_message)(info, trap->message);
  std::longjmp(trap->jump, 1);
}

// Warnings that say nothing about the picture itself: an unknown JFIF revision, bytes between
// two segments, a progression sequence the library copes with.
constexpr int kHarmlessWarnings[] = {JWRN_JFIF_MAJOR, JWRN_EXTRANEOUS_DATA,
                                     JWRN_BOGUS_PROGRESSION};

// Level -1 is a warning. Every other one means lost or doubtful picture data (a truncated
// file, a bad Huffman code, a marker in the middle of the data, an unknown colour transform):
// the library would go on and fill the picture with grey, so it counts as an error.
void JumpOnWarning(j_common_ptr info, int level) {
  if (level >= 0) return;
  for (const int harmless : kHarmlessWarnings)
    if (info->err->msg_code == harmless) return;
  JumpOnError(info);
}

void InstallTrap(ErrorTrap& trap) {
  jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JumpOnError;
  trap.manager.emit_message = JumpOnWarning;
  trap.message[0] = '\0';
}

// Adobe writers store CMYK inverted; others store it plain.
void CmykRowToRgb(const JSAMPLE* cmyk, std::uint8_t* rgb, int width, bool inverted) {
  for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    rgb[0] = static_cast<std::uint8_t>((c * k + 127) / 255);
    rgb[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
    rgb[2] = static_cast<std::uint8_t>((y * k + 127) / 255);
  }
}

// The smallest n of n/8 that gives at least the wanted size; 8 when none does.
void ChooseScale(jpeg_decompress_struct& info, int minWidth, int minHeight) {
  info.scale_denom = 8;
  for (unsigned n = 1; n <= 8; ++n) {
    info.scale_num = n;
    jpeg_calc_output_dimensions(&info);
    if (static_cast<int>(info.output_width) >= minWidth &&
        static_cast<int>(info.output_height) >= minHeight)
      return;
  }
}

// Returns false with trap.message set on failure. `image` is owned by the caller, so nothing
// here needs unwinding when the library jumps back.
bool DecodeInto(const std::uint8_t* data, std::size_t size, int minWidth, int minHeight,
                RasterImage* image, std::vector<JSAMPLE>* cmykRow, ErrorTrap* trap,
                DecodeListener* listener) {
  jpeg_decompress_struct info;
  info.err = &trap->manager;
  InstallTrap(*trap);
  if (setjmp(trap->jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);

  const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  const bool ycc = info.jpeg_color_space == JCS_YCbCr;
  info.out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : ycc ? JCS_YCbCr : JCS_RGB;
  info.dct_method = JDCT_ISLOW;
  ChooseScale(info, minWidth, minHeight);
  jpeg_start_decompress(&info);

  image->width = static_cast<int>(info.output_width);
  image->height = static_cast<int>(info.output_height);
  image->channels = grey ? 1 : 3;
  image->ycc = ycc;
  const std::size_t stride = static_cast<std::size_t>(image->width) * image->channels;
  image->pixels.resize(stride * image->height);
  if (cmyk) cmykRow->resize(static_cast<std::size_t>(image->width) * 4);
  const bool inverted = info.saw_Adobe_marker;
  if (listener) listener->Started(*image);

  while (info.output_scanline < info.output_height) {
    std::uint8_t* row = image->pixels.data() + stride * info.output_scanline;
    if (cmyk) {
      JSAMPROW rows[1] = {cmykRow->data()};
      jpeg_read_scanlines(&info, rows, 1);
      CmykRowToRgb(cmykRow->data(), row, image->width, inverted);
    } else {
      // Several rows at once where the library offers them (merged upsampling).
      JSAMPROW rows[4];
      const unsigned left = info.output_height - info.output_scanline;
      const unsigned count = std::min<unsigned>(left, 4);
      for (unsigned i = 0; i < count; ++i) rows[i] = row + stride * i;
      jpeg_read_scanlines(&info, rows, count);
    }
    if (listener) listener->RowsDone(static_cast<int>(info.output_scanline));
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

// The encoder writes through a fixed block into a string the caller owns.
struct StringDestination {
  jpeg_destination_mgr manager;
  std::string* bytes;
  JOCTET block[1 << 16];
};

void StartDestination(j_compress_ptr info) {
  auto* dest = reinterpret_cast<StringDestination*>(info->dest);
  dest->manager.next_output_byte = dest->block;
  dest->manager.free_in_buffer = sizeof dest->block;
}

boolean FlushDestination(j_compress_ptr info) {
  auto* dest = reinterpret_cast<StringDestination*>(info->dest);
  dest->bytes->append(reinterpret_cast<const char*>(dest->block), sizeof dest->block);
  StartDestination(info);
  return TRUE;
}

void FinishDestination(j_compress_ptr info) {
  auto* dest = reinterpret_cast<StringDestination*>(info->dest);
  dest->bytes->append(reinterpret_cast<const char*>(dest->block),
                      sizeof dest->block - dest->manager.free_in_buffer);
}

// Returns false with trap.message set on failure, or with *gaveUp set when the row source
// returned nullptr.
bool EncodeInto(int width, int height, int channels, bool ycc, int quality,
                const JpegRowSource& rowSource, StringDestination* dest, ErrorTrap* trap,
                bool* gaveUp) {
  jpeg_compress_struct info;
  info.err = &trap->manager;
  InstallTrap(*trap);
  if (setjmp(trap->jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  dest->manager.init_destination = StartDestination;
  dest->manager.empty_output_buffer = FlushDestination;
  dest->manager.term_destination = FinishDestination;
  info.dest = &dest->manager;
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = channels;
  info.in_color_space = channels == 1 ? JCS_GRAYSCALE : ycc ? JCS_YCbCr : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  if (channels == 3 && quality >= kFullChromaQuality) {
    info.comp_info[0].h_samp_factor = 1;  // colour at full resolution, like brightness
    info.comp_info[0].v_samp_factor = 1;
  }
  info.dct_method = JDCT_ISLOW;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    const std::uint8_t* pixels = rowSource(static_cast<int>(info.next_scanline));
    if (!pixels) {
      *gaveUp = true;
      jpeg_destroy_compress(&info);
      return false;
    }
    JSAMPROW rows[1] = {const_cast<JSAMPLE*>(pixels)};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

RasterImage DecodeJpegCovering(const std::uint8_t* data, std::size_t size, int minWidth,
                               int minHeight) {
  RasterImage image;
  std::vector<JSAMPLE> cmykRow;
  ErrorTrap trap;
  if (!DecodeInto(data, size, minWidth, minHeight, &image, &cmykRow, &trap, nullptr))
    throw JpegDecodeError(trap.message);
  return image;
}

void DecodeJpegCoveringInto(const std::uint8_t* data, std::size_t size, int minWidth,
                            int minHeight, RasterImage& image, DecodeListener& listener) {
  std::vector<JSAMPLE> cmykRow;
  ErrorTrap trap;
  if (!DecodeInto(data, size, minWidth, minHeight, &image, &cmykRow, &trap, &listener))
    throw JpegDecodeError(trap.message);
}

std::string EncodeJpegRows(int width, int height, int channels, bool ycc, int quality,
                           const JpegRowSource& row) {
  if (width <= 0 || height <= 0 || (channels != 1 && channels != 3))
    throw JpegEncodeError("invalid raster for encoding");
  std::string bytes;
  auto dest = std::make_unique<StringDestination>();
  dest->bytes = &bytes;
  ErrorTrap trap;
  bool gaveUp = false;
  if (!EncodeInto(width, height, channels, ycc, std::clamp(quality, 1, 100), row, dest.get(), &trap,
                  &gaveUp)) {
    if (gaveUp) throw JpegRowsUnavailable("picture rows unavailable");
    throw JpegEncodeError(trap.message);
  }
  return bytes;
}

std::string EncodeJpeg(const RasterImage& image, int quality) {
  if (image.width <= 0 || image.height <= 0 || (image.channels != 1 && image.channels != 3) ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * image.channels)
    throw JpegEncodeError("invalid raster for encoding");
  const std::size_t stride = static_cast<std::size_t>(image.width) * image.channels;
  return EncodeJpegRows(image.width, image.height, image.channels, image.ycc, quality,
                        [&](int y) { return image.pixels.data() + stride * y; });
}
