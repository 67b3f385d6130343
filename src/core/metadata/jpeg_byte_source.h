#pragma once
// Sequential byte source for the segment scan. The file source reads the head of a file in
// blocks: the first 16 KiB in one read, more only when a segment reaches further (a segment's
// rest in one read), so a scan costs a few system calls and copies little image data.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class JpegByteSource {
 public:
  virtual ~JpegByteSource() = default;
  // The next byte (0..255), or -1 at the end of the data.
  virtual int NextByte() = 0;
  // Appends up to n bytes to out; returns the number appended (fewer only at the end).
  virtual std::size_t Take(std::size_t n, std::string& out) = 0;
};

// Bytes held in memory.
class MemoryByteSource : public JpegByteSource {
 public:
  explicit MemoryByteSource(std::string bytes) : bytes_(std::move(bytes)) {}
  int NextByte() override;
  std::size_t Take(std::size_t n, std::string& out) override;

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
};

// An open file descriptor, read in blocks. The descriptor stays owned by the caller.
class FileByteSource : public JpegByteSource {
 public:
  static constexpr std::size_t kFirstBlock = 16 * 1024;
  explicit FileByteSource(int fd) : fd_(fd) {}
  int NextByte() override;
  std::size_t Take(std::size_t n, std::string& out) override;

 private:
  bool Refill(std::size_t want);

  int fd_;
  std::unique_ptr<char[]> block_;  // not zero-filled: every read overwrites what it uses
  std::size_t capacity_ = 0;
  std::size_t size_ = 0;
  std::size_t pos_ = 0;
  bool started_ = false;
  bool atEnd_ = false;
};
