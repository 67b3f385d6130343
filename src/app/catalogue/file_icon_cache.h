#pragma once
// The desktop's icons for the rows of the photo list. Asking the desktop for an icon is slow, so
// icons are kept per file type: one look-up for all ".jpg" rows, one for folders.

#include <QFileIconProvider>
#include <QHash>
#include <QIcon>

struct PhotoRow;

class FileIconCache {
 public:
  QIcon IconFor(const PhotoRow& row);
  // Forgets every icon, so the next rows get the desktop's current ones.
  void Clear() { icons_.clear(); }
  qsizetype CachedTypes() const { return icons_.size(); }

 private:
  QFileIconProvider provider_;
  QHash<QString, QIcon> icons_;
};
