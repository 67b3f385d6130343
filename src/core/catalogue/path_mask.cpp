#include "catalogue/path_mask.h"

namespace {

bool SameLetter(QChar a, QChar b) {
  return a == b || a.toCaseFolded() == b.toCaseFolded();
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
