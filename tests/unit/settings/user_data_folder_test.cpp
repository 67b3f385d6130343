#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "common/system_info.h"
#include "settings/history.h"
#include "settings/settings_store.h"
#include "settings/user_data_folder.h"

namespace {

// Points the data location at a temporary folder for the test's lifetime.
class AUserDataFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = qgetenv("XDG_DATA_HOME");
    hadValue = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
  }
  void TearDown() override {
    if (hadValue)
      qputenv("XDG_DATA_HOME", saved);
    else
      qunsetenv("XDG_DATA_HOME");
  }
  QTemporaryDir home;
  QByteArray saved;
  bool hadValue = false;
};

TEST_F(AUserDataFolder, isCreatedWithItsLogFolderBelowTheDataHome) {
  const QString expected = home.path() + QStringLiteral("/Quenbrook/Velmora/");
  EXPECT_EQ(UserDataFolder(), expected);
  EXPECT_TRUE(QDir(expected).exists());
  EXPECT_TRUE(QDir(expected + QStringLiteral("Logdat")).exists());
  EXPECT_EQ(LogFolder(), expected + QStringLiteral("Logdat/"));
  EXPECT_EQ(UserDataFolder(), expected) << "a second call finds the folders in place";
  EXPECT_EQ(TSysInfo().AppDataFolder(), home.path());
}

TEST_F(AUserDataFolder, holdsTheSettingsAndHistoryFiles) {
  EXPECT_EQ(SettingsFilePath(), home.path() + QStringLiteral("/Quenbrook/Velmora/Velmora.ini"));
  HistoryField field(kNameHistoryFile);
  EXPECT_EQ(field.FilePath(), home.path() + QStringLiteral("/Quenbrook/Velmora/Namen.dat"));
  AppSettings settings;
  settings.Gitter = true;
  SaveSettings(settings);
  EXPECT_EQ(LoadSettings(), settings);
}

}  // namespace
