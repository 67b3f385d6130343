#include "settings/user_data_folder.h"

#include <QDir>
#include <QStandardPaths>

#include "common/path_helpers.h"

QString UserDataFolder() {
  const QString base =
      WithTrailingBackslash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
  const QString folder = base + QStringLiteral("Quenbrook/Velmora/");
  QDir().mkpath(folder + QLatin1String(kLogFolderName));
  return folder;
}

QString LogFolder() { return UserDataFolder() + QLatin1String(kLogFolderName) + kPathSeparator; }
