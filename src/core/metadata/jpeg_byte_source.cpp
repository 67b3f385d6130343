#include "metadata/jpeg_byte_source.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

// Later reads, when a segment reaches past the first block, fetch at least this much.
constexpr std::size_t kLaterBlock = 16 * 1024;

}  // namespace

int MemoryByteSource::NextByte() {
  if (pos_ >= bytes_.size()) return -1;
  return static_cast<unsigned char>(bytes_[pos_++]);
}

std::size_t MemoryByteSource::Take(std::size_t n, std::string& out) {
  const std::size_t chunk = std::min(n, bytes_.size() - pos_);
  out.append(bytes_, pos_, chunk);
  pos_ += chunk;
  return chunk;
}

bool FileByteSource::Refill(std::size_t want) {
  if (atEnd_) return false;
  const std::size_t request = block_.empty() && pos_ == 0 ? std::max(want, kFirstBlock)
                                                          : std::max(want, kLaterBlock);
  block_.resize(request);
  pos_ = 0;
  ssize_t got = 0;
  do {
    got = ::read(fd_, block_.data(), request);
  } while (got < 0 && errno == EINTR);
  if (got <= 0) {
    block_.clear();
    atEnd_ = true;
    return false;
  }
  block_.resize(static_cast<std::size_t>(got));
  return true;
}

int FileByteSource::NextByte() {
  if (pos_ >= block_.size() && !Refill(1)) return -1;
  return static_cast<unsigned char>(block_[pos_++]);
}

std::size_t FileByteSource::Take(std::size_t n, std::string& out) {
  std::size_t taken = 0;
  while (taken < n) {
    if (pos_ >= block_.size() && !Refill(n - taken)) break;
    const std::size_t chunk = std::min(n - taken, block_.size() - pos_);
    out.append(block_, pos_, chunk);
    pos_ += chunk;
    taken += chunk;
  }
  return taken;
}
