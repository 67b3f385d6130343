#pragma once
// The one kind of failure the metadata reader raises internally: a read outside the held bytes
// or a value that cannot be taken apart. It is caught where the reader says so (a sub-directory
// walk, a maker-note walk, the whole file read) and never leaves the reader.

#include <stdexcept>
#include <string>

class MetadataReadError : public std::runtime_error {
 public:
  explicit MetadataReadError(const std::string& message) : std::runtime_error(message) {}
};
