#include "common/folder_browser.h"

#include <QDir>
#include <QFileDialog>

QString BrowseForFolder(QWidget* parent, const QString& title) {
  // The picker opens in the home folder; the whole file system is reachable from there.
  const QString chosen = QFileDialog::getExistingDirectory(
      parent, title, QDir::homePath(), QFileDialog::ShowDirsOnly);
  return chosen.isEmpty() ? QString() : QDir::cleanPath(chosen);
}
