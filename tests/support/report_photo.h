#pragma once
// A small photo that fills every section of an EXIF report: EXIF tags, a Canon maker note, a
// thumbnail directory with its thumbnail, a comment and IPTC datasets, around a real tiny image.

#include <string>

namespace fixture {

struct ReportPhotoTexts {
  std::string comment = "Urlaub am See";
  std::string caption = "Holiday";
  std::string owner = "Velmora Tester";
};

std::string ReportPhoto(const ReportPhotoTexts& texts = {});

}  // namespace fixture
