// Start-up and closing of the main window: folders, settings, warnings, start folder, caption,
// placement, "Programm beenden".

#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "catalogue/photo_list.h"
#include "common/history_line_edit.h"
#include "common/reflection_label.h"
#include "file_system_fixtures.h"
#include "settings/settings_store.h"
#include "shell_fixture.h"

using AMainWindowStartUp = ShellTest;

TEST_F(AMainWindowStartUp, createsTheUserFoldersOnAFirstStartAndShowsAnEmptyList) {
  TfrmHaupt& window = StartWindow();
  EXPECT_TRUE(QFileInfo(dataHome_.path() + "/Quenbrook").isDir());
  EXPECT_TRUE(QFileInfo(UserFolder()).isDir());
  EXPECT_TRUE(QFileInfo(UserFolder() + "Logdat").isDir());
  EXPECT_TRUE(dialogs().messages.empty());
  EXPECT_EQ(window.StatusPanel(0), "Dateien: ");
  EXPECT_EQ(window.StatusPanel(1), "");
  EXPECT_EQ(window.Photos().rowCount(), 0);
  EXPECT_EQ(window.windowTitle(), "Velmora v" VELMORA_VERSION_TEXT "  \u00a9 2026 Quenbrook");
  EXPECT_TRUE(window.AdvReflectionLabel1->MiniHtml().endsWith(
      "<FONT face=\"Nightclub BTN\">Velmora v" VELMORA_VERSION_TEXT
      " - Werkzeug für digitale Fotos </FONT>"));
  EXPECT_TRUE(window.acceptDrops());

  window.ShowAtStart();
  EXPECT_FALSE(window.PlacedFromSettings());
  EXPECT_EQ(window.size(), TfrmHaupt::kDesignedSize);
}

TEST_F(AMainWindowStartUp, reportsAUserFolderThatCannotBeMadeAndRunsWithDefaults) {
  // A file where the folder should be.
  QFile blocker(dataHome_.path() + "/Quenbrook");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  TfrmHaupt& window = StartWindow();
  ASSERT_EQ(dialogs().messages.size(), 1u);
  EXPECT_EQ(dialogs().messages[0].kind, MessageKind::Error);
  EXPECT_TRUE(window.Settings() == AppSettings());
  EXPECT_TRUE(window.Edit1->Field().LookupList().isEmpty());
}

TEST_F(AMainWindowStartUp, readsTheStartFolderOnlyWhenTheSettingsAskForIt) {
  const QString folder = MakeFolder("start");
  WriteCameraJpeg("start/a.jpg");
  WriteCameraJpeg("start/sub/b.JPG");
  WriteFile("start/notes.txt", "x");
  const struct {
    const char* start;
    int rows;
  } cases[] = {{"1", 2}, {"0", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.start);
    WriteIni(QString("[Ordner]\r\nStart=%1\r\nStartOrdner=%2\r\n").arg(c.start, folder));
    TfrmHaupt& window = StartWindow();
    EXPECT_EQ(window.Photos().rowCount(), c.rows);
    EXPECT_EQ(window.StatusPanel(0), QString("Dateien: %1").arg(c.rows == 0 ? "" : "2"));
    EXPECT_EQ(window.StatusPanel(1), "");
    EXPECT_TRUE(dialogs().messages.empty());
    EXPECT_FALSE(progress_.isVisible());
    for (int row = 0; row < window.Photos().rowCount(); ++row)
      EXPECT_TRUE(window.Photos().row(row).checked);
  }
  // The progress form was shown with its text while the rows came in.
  EXPECT_EQ(progress_.Text(), "Ordner werden eingelesen. Bitte warten ...");
}

TEST_F(AMainWindowStartUp, warnsOfEachConfiguredFolderThatIsMissingButNotOfBlankOnes) {
  WriteIni("[Ordner]\r\nStart=0\r\nStartOrdner=/no/such/start\r\nStdOrdner=   \r\n"
           "ZipOrdner=/no/such/zip\r\n");
  StartWindow();
  ASSERT_EQ(dialogs().messages.size(), 2u);
  EXPECT_EQ(dialogs().messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(dialogs().messages[0].text,
            "Der angegebene Startordner wurde nicht gefunden !\r\n\r\nBitte überprüfen Sie Ihre "
            "Einstellungen !");
  EXPECT_EQ(dialogs().messages[1].text,
            "Der angegebene Zipordner wurde nicht gefunden !\r\n\r\nBitte überprüfen Sie Ihre "
            "Einstellungen !");
}

TEST_F(AMainWindowStartUp, loadsTheFolderHistoryIntoTheFolderInput) {
  QDir().mkpath(UserFolder());
  QFile history(UserFolder() + "Ordner.dat");
  ASSERT_TRUE(history.open(QIODevice::WriteOnly));
  history.write("/photos/2023\r\n/photos/2024\r\n");
  history.close();
  TfrmHaupt& window = StartWindow();
  EXPECT_EQ(window.Edit1->Field().LookupList(), QStringList({"/photos/2023", "/photos/2024"}));
  EXPECT_EQ(window.Edit1->Completer()->maxVisibleItems(), 20);
}

TEST_F(AMainWindowStartUp, placesTheWindowFromStoredValuesClampedToTheScreen) {
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  WriteIni(QString("[Allgemein]\r\nPosition=1\r\n[Position]\r\nTop=-20\r\nLeft=%1\r\n"
                   "Width=300\r\nHeight=%2\r\n")
               .arg(screen.width())
               .arg(screen.height() + 100));
  TfrmHaupt& window = StartWindow();
  window.ShowAtStart();
  EXPECT_TRUE(window.PlacedFromSettings());
  EXPECT_EQ(window.pos(), QPoint(screen.width() - 50, 0));
  EXPECT_EQ(window.size(), QSize(640, screen.height()));
  EXPECT_FALSE(window.isMaximized());
}

TEST_F(AMainWindowStartUp, showsTheWindowMaximizedWhenItWasClosedSo) {
  WriteIni("[Allgemein]\r\nPosition=1\r\n[Position]\r\nMaximized=1\r\n");
  TfrmHaupt& window = StartWindow();
  window.ShowAtStart();
  EXPECT_TRUE(window.isMaximized());
}

TEST_F(AMainWindowStartUp, savesThePositionOnClosingOnlyWhenAskedTo) {
  for (const char* position : {"1", "0"}) {
    SCOPED_TRACE(position);
    WriteIni(QString("[Allgemein]\r\nPosition=%1\r\n").arg(position));
    TfrmHaupt& window = StartWindow();
    window.ShowAtStart();
    window.move(30, 40);
    window.resize(700, 500);
    window.close();
    QFile ini(UserFolder() + "Velmora.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ini.readAll());
    if (QString(position) == "1") {
      const StoredWindowPosition stored = LoadWindowPosition(UserFolder() + "Velmora.ini");
      EXPECT_EQ(stored.Left, 30);
      EXPECT_EQ(stored.Top, 40);
      EXPECT_EQ(stored.Width, 700);
      EXPECT_EQ(stored.Height, 500);
      EXPECT_FALSE(stored.Maximized);
    } else {
      EXPECT_FALSE(text.contains("[Position]"));
    }
    EXPECT_TRUE(dialogs().messages.empty());
  }
}

TEST_F(AMainWindowStartUp, asksBeforeEndingUnlessTheSettingsSayNotTo) {
  const struct {
    const char* beenden;
    std::deque<bool> answers;
    size_t questions;
    bool stillOpen;
  } cases[] = {
      {"0", {false}, 1, true},
      {"0", {true}, 1, false},
      {"1", {}, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.beenden);
    WriteIni(QString("[Allgemein]\r\nBeenden=%1\r\n").arg(c.beenden));
    TfrmHaupt& window = StartWindow();
    window.ShowAtStart();
    dialogs().answers = c.answers;
    window.findChild<QAction*>("Programmbeenden1")->trigger();
    ASSERT_EQ(dialogs().questions.size(), c.questions);
    if (c.questions > 0) {
      EXPECT_EQ(dialogs().questions[0].kind, MessageKind::Confirmation);
      EXPECT_EQ(dialogs().questions[0].text, "Wollen Sie wirklich das Programm beenden ?");
    }
    EXPECT_EQ(window.isVisible(), c.stillOpen);
  }
}

TEST_F(AMainWindowStartUp, fitsTheFolderInputAndButtonToThePanelWidth) {
  TfrmHaupt& window = StartWindow();
  window.ShowAtStart();
  window.resize(800, 600);
  QTest::qWait(10);
  ASSERT_EQ(window.Panel1->width(), 800);
  EXPECT_EQ(window.Edit1->width(), 730);
  EXPECT_EQ(window.AdvToolButton1->x(), 745);
}

TEST_F(AMainWindowStartUp, reportsAPositionThatCannotBeSavedInGerman) {
  WriteIni("[Allgemein]\r\nPosition=1\r\n");
  TfrmHaupt& window = StartWindow();
  window.ShowAtStart();
  ReadOnlyFolder readOnly(UserFolder());
  if (!readOnly.IsReady()) GTEST_SKIP() << "no read-only folder on this machine";
  window.close();
  ASSERT_EQ(dialogs().messages.size(), 1u);
  EXPECT_EQ(dialogs().messages[0].kind, MessageKind::Error);
  EXPECT_TRUE(dialogs().messages[0].text.startsWith(
      "Die Position des Fensters konnte nicht gespeichert werden !\r\n\r\n"));
  EXPECT_FALSE(window.isVisible());
}
