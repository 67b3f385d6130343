// Report file names and saving.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "metadata/exif_report.h"

namespace {

std::string Trimmed(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

std::string FolderPart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NamePart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

// Lower case for file names: ASCII and the Latin-1 letters (umlauts and accented letters), in
// UTF-8 names and in names stored as Latin-1 bytes alike.
std::string LowerCaseName(const std::string& name) {
  std::string lower = name;
  const bool utf8 = IsUtf8(name);
  for (std::size_t i = 0; i < lower.size(); ++i) {
    auto c = static_cast<unsigned char>(lower[i]);
    if (c >= 'A' && c <= 'Z') {
      lower[i] = static_cast<char>(c + 32);
    } else if (utf8 && c == 0xC3 && i + 1 < lower.size()) {
      const auto next = static_cast<unsigned char>(lower[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) lower[i + 1] = static_cast<char>(next + 0x20);
      ++i;
    } else if (!utf8 && c >= 0xC0 && c <= 0xDE && c != 0xD7) {
      lower[i] = static_cast<char>(c + 0x20);
    }
  }
  return lower;
}

// Of a name, the text before its first dot, lower-cased; empty when the name holds no dot.
std::string BaseNameLower(const std::string& name) {
  const std::size_t dot = name.find('.');
  return dot == std::string::npos ? std::string() : LowerCaseName(name.substr(0, dot));
}

std::string ReportExtension(int form) {
  if (form == kReportFormText) return ".txt";
  if (form == kReportFormHtml) return ".html";
  return {};
}

}  // namespace

std::string ExifReportFileBeside(const std::string& path, int form) {
  const std::string extension = ReportExtension(form);
  if (extension.empty()) return {};
  return FolderPart(path) + BaseNameLower(NamePart(path)) + extension;
}

std::string ExifReportFileIn(const std::string& path, const std::string& folder, int form) {
  const std::string extension = ReportExtension(form);
  if (extension.empty()) return {};
  std::string target = folder;
  if (!target.empty() && target.back() != '/') target += '/';
  return target + BaseNameLower(NamePart(Trimmed(path))) + extension;
}

void SaveReportLines(const std::vector<std::string>& lines, const std::string& file) {
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> out(std::fopen(file.c_str(), "wb"));
  auto failure = [&file](int error) {
    return ReportFileError("Die Datei \"" + file + "\" kann nicht geschrieben werden: " + std::strerror(error));
  };
  if (!out) throw failure(errno);
  for (const std::string& line : lines) {
    if (std::fwrite(line.data(), 1, line.size(), out.get()) != line.size() ||
        std::fwrite("\r\n", 1, 2, out.get()) != 2)
      throw failure(errno);
  }
  if (std::fclose(out.release()) != 0) throw failure(errno);
}
