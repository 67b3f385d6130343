#pragma once
// Files compared byte by byte with what a test makes; VELMORA_UPDATE_GOLDEN=1 writes them
// instead (golden reports, the shipped sample photo, the maker-note fuzz seeds).

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "fixture_builder.h"

namespace reports_test {

// path is relative to the project's root.
inline void ExpectSameAsFile(const std::string& actual, const std::string& path) {
  const std::string full = std::string(VELMORA_SOURCE_DIR "/") + path;
  if (std::getenv("VELMORA_UPDATE_GOLDEN")) {
    std::ofstream(full, std::ios::binary) << actual;
    return;
  }
  EXPECT_EQ(actual, fixture::ReadFileBytes(full)) << "file " << path;
}

}  // namespace reports_test
