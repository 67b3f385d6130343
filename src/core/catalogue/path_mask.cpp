#include "catalogue/path_mask.h"

namespace {

char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; }

bool SameLetter(QChar a, QChar b) {
  if (a == b) return true;
  if (a.unicode() < 0x80 && b.unicode() < 0x80) return AsciiLower(a.unicode()) == AsciiLower(b.unicode());
  return a.toCaseFolded() == b.toCaseFolded();
}

}  // namespace

bool PathMatchesMask(const QString& path, const QString& mask) {
  // Greedy matching with one back-track point: the last '*' seen. Linear in practice and never
  // exponential, whatever the mask holds.
  qsizetype p = 0, m = 0;
  qsizetype starMask = -1, starPath = 0;
  const qsizetype pathSize = path.size(), maskSize = mask.size();
  while (p < pathSize) {
    if (m < maskSize && mask[m] == u'*') {
      starMask = m++;
      starPath = p;
    } else if (m < maskSize && (mask[m] == u'?' || SameLetter(mask[m], path[p]))) {
      ++m;
      ++p;
    } else if (starMask >= 0) {
      m = starMask + 1;
      p = ++starPath;
    } else {
      return false;
    }
  }
  while (m < maskSize && mask[m] == u'*') ++m;
  return m == maskSize;
}
