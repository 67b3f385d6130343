#include "jobs/resize_pipeline.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "jobs/jpeg_codec.h"
#include "jobs/resize_resampler.h"

namespace {

// What the decoding thread has finished, guarded by one mutex.
class DecodeProgress : public DecodeListener {
 public:
  void Started(const RasterImage& image) override {
    {
      std::lock_guard lock(mutex_);
      image_ = &image;
    }
    changed_.notify_all();
  }
  void RowsDone(int rows) override {
    {
      std::lock_guard lock(mutex_);
      rows_ = rows;
    }
    changed_.notify_all();
  }
  void Ended() {
    {
      std::lock_guard lock(mutex_);
      ended_ = true;
    }
    changed_.notify_all();
  }
  // The picture being decoded, or nullptr when the decode ended before it had a size.
  const RasterImage* WaitForStart() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return image_ || ended_; });
    return image_;
  }
  // False when the decode ended with fewer rows.
  bool WaitForRows(int rows) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return rows_ >= rows || ended_; });
    return rows_ >= rows;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  const RasterImage* image_ = nullptr;
  int rows_ = 0;
  bool ended_ = false;
};

// Joins the decoding thread on every way out, exceptions included.
struct JoinOnExit {
  std::thread& thread;
  ~JoinOnExit() {
    if (thread.joinable()) thread.join();
  }
};

}  // namespace

std::string DecodeStretchEncode(const std::uint8_t* data, std::size_t size, int width, int height,
                                int quality) {
  RasterImage decoded;
  DecodeProgress progress;
  std::string decodeError;
  bool decodeFailed = false;
  std::thread decoder([&] {
    try {
      DecodeJpegCoveringInto(data, size, width, height, decoded, progress);
    } catch (const std::exception& error) {
      decodeError = error.what();
      decodeFailed = true;
    }
    progress.Ended();
  });
  JoinOnExit join{decoder};

  std::string encoded;
  if (const RasterImage* source = progress.WaitForStart()) {
    RowStretcher stretcher(source->width, source->height, source->channels, width, height);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * source->channels);
    try {
      encoded = EncodeJpegRows(width, height, source->channels, source->ycc, quality,
                               [&](int y) -> const std::uint8_t* {
                                 if (!progress.WaitForRows(stretcher.SourceRowsNeeded(y)))
                                   return nullptr;
                                 stretcher.MakeRow(source->pixels.data(), y, row.data());
                                 return row.data();
                               });
    } catch (const JpegRowsUnavailable&) {
      // The decode stopped short; its own error is raised below.
    }
  }
  decoder.join();
  if (decodeFailed) throw JpegDecodeError(decodeError);
  if (encoded.empty()) throw JpegDecodeError("the picture ended early");
  return encoded;
}
