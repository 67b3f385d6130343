#include "catalogue/file_icon_cache.h"

#include <QFileInfo>

#include "catalogue/photo_row.h"
#include "common/path_helpers.h"

QIcon FileIconCache::IconFor(const PhotoRow& row) {
  // Rows typed "JPEG-Datei" are files by construction; any other row may stand for a folder
  // (a dropped folder), which only the file system can tell.
  QString key;
  if (row.texts[kTextType] == QStringView(kJpegTypeText)) {
    key = QStringLiteral("jpg");
  } else {
    const QFileInfo info(row.FilePath());
    key = info.isDir() ? QStringLiteral("/") : QStringLiteral(".") + info.suffix().toLower();
  }
  auto found = icons_.constFind(key);
  if (found != icons_.constEnd()) return *found;

  QIcon icon;
  if (key == u"/")
    icon = provider_.icon(QAbstractFileIconProvider::Folder);
  else
    icon = provider_.icon(QFileInfo(row.FilePath()));
  if (icon.isNull()) icon = provider_.icon(QAbstractFileIconProvider::File);
  icons_.insert(key, icon);
  return icon;
}
