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
  const std::size_t request = std::max(want, started_ ? kLaterBlock : kFirstBlock);
  started_ = true;
  if (request > capacity_) {
    block_ = std::make_unique_for_overwrite<char[]>(request);
    capacity_ = request;
  }
  pos_ = 0;
  size_ = 0;
  ssize_t got = 0;
  do {
    got = ::read(fd_, block_.get(), request);
  } while (got < 0 && errno == EINTR);
  if (got <= 0) {
    atEnd_ = true;
    return false;
  }
  size_ = static_cast<std::size_t>(got);
  return true;
}

int FileByteSource::NextByte() {
  if (pos_ >= size_ && !Refill(1)) return -1;
  return static_cast<unsigned char>(block_[pos_++]);
}

std::size_t FileByteSource::Take(std::size_t n, std::string& out) {
  std::size_t taken = 0;
  while (taken < n) {
    if (pos_ >= size_ && !Refill(n - taken)) break;
    const std::size_t chunk = std::min(n - taken, size_ - pos_);
    out.append(block_.get() + pos_, chunk);
    pos_ += chunk;
    taken += chunk;
  }
  return taken;
}
