// Getting photos into the list: the folder input, the folder commands, pictures, dropped files,
// and cancelling a scan.

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "catalogue/photo_list.h"
#include "catalogue/photo_list_view.h"
#include "common/history_line_edit.h"
#include "shell_fixture.h"

using AMainWindowReading = ShellTest;

namespace {

QStringList HistoryFileLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
}

}  // namespace

TEST_F(AMainWindowReading, readsTheTypedFolderOnEnterOrSaysWhatIsWrong) {
  const QString folder = MakeFolder("typed");
  WriteCameraJpeg("typed/a.jpg");
  WriteCameraJpeg("typed/b.jpg");
  const struct {
    QString typed;
    QString error;
    int rows;
    QString textAfter;
  } cases[] = {
      {"", "Bitte geben Sie einen Ordner an !", 1, ""},
      {"   ", "Bitte geben Sie einen Ordner an !", 1, "   "},
      {folder + "missing", "Der angegebene Ordner existiert nicht !", 1, folder + "missing"},
      {folder, "", 3, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    TfrmHaupt& window = StartWindow();
    ShowAndActivate();
    AppendPlainRows({true});  // a typed folder is added to what is there
    window.Edit1->setFocus();
    window.Edit1->setText(c.typed);
    QTest::keyClick(window.Edit1, Qt::Key_Return);
    if (c.error.isEmpty()) {
      EXPECT_TRUE(dialogs().messages.empty());
      EXPECT_EQ(window.StatusPanel(0), "Dateien: 3");
    } else {
      ASSERT_EQ(dialogs().messages.size(), 1u);
      EXPECT_EQ(dialogs().messages[0].kind, MessageKind::Error);
      EXPECT_EQ(dialogs().messages[0].text, c.error);
    }
    EXPECT_EQ(window.Photos().rowCount(), c.rows);
    EXPECT_EQ(window.Edit1->text(), c.textAfter);
  }
}

TEST_F(AMainWindowReading, choosesAFolderEmptyingTheListFirstOrAddingToIt) {
  const QString folder = MakeFolder("chosen");
  WriteCameraJpeg("chosen/a.jpg", "Nikon", "D70");
  const struct {
    const char* action;
    QStringList captions;
  } cases[] = {
      {"Ordnerauswhlen1", {"a.jpg"}},
      {"ToolButton3", {"a.jpg"}},
      {"WeiterenOrdnerhinzufgen1", {"0.jpg", "a.jpg"}},
      {"WeiterenOrdnerhinzufgen3", {"0.jpg", "a.jpg"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.action);
    TfrmHaupt& window = StartWindow();
    AppendPlainRows({false});
    window.SetStatusPanel(1, "Hinweis");
    dialogs().folderToChoose = folder;
    window.findChild<QAction*>(c.action)->trigger();
    EXPECT_EQ(dialogs().calls, QStringList({"BrowseForFolder:Ordner auswählen"}));
    EXPECT_EQ(Captions(), c.captions);
    const PhotoRow& added = window.Photos().row(window.Photos().rowCount() - 1);
    EXPECT_EQ(added.texts[kTextFolder], folder);
    EXPECT_EQ(added.texts[kTextMake], "Nikon");
    EXPECT_TRUE(added.checked);
    EXPECT_EQ(window.StatusPanel(0), QString("Dateien: %1").arg(c.captions.size()));
    EXPECT_EQ(window.StatusPanel(1), "");
    EXPECT_EQ(window.Edit1->text(), folder);
    EXPECT_EQ(HistoryFileLines(UserFolder() + "Ordner.dat"), QStringList({folder}));
  }
}

TEST_F(AMainWindowReading, leavesEverythingAsItWasWhenThePickerIsCancelled) {
  TfrmHaupt& window = StartWindow();
  AppendPlainRows({true, false});
  window.AdvToolButton1->click();
  window.findChild<QAction*>("Bildhinzufgen1")->trigger();
  EXPECT_EQ(dialogs().calls.size(), 2);
  EXPECT_EQ(Captions(), QStringList({"0.jpg", "1.jpg"}));
  EXPECT_FALSE(QFile::exists(UserFolder() + "Ordner.dat"));
}

TEST_F(AMainWindowReading, addsChosenPicturesInTheDialogsOrder) {
  const QString first = WriteCameraJpeg("pick/z.jpg");
  const QString second = WriteCameraJpeg("pick/a.jpg");
  TfrmHaupt& window = StartWindow();
  dialogs().filesToChoose = {first, second};
  window.findChild<QAction*>("ToolButton1")->trigger();
  EXPECT_EQ(Captions(), QStringList({"z.jpg", "a.jpg"}));
  EXPECT_EQ(window.StatusPanel(0), "Dateien: 2");
}

TEST_F(AMainWindowReading, commitsTheFolderInputToTheHistoryWhenItIsLeft) {
  TfrmHaupt& window = StartWindow();
  ShowAndActivate();
  window.Edit1->setFocus();
  window.Edit1->setText(" /fotos/urlaub");
  window.AdvListView1->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(HistoryFileLines(UserFolder() + "Ordner.dat"),
            QStringList({"/fotos/urlaub", " /fotos/urlaub"}));
  EXPECT_EQ(window.Edit1->Field().LookupList(), QStringList({"/fotos/urlaub", " /fotos/urlaub"}));
}

TEST_F(AMainWindowReading, addsOneRowForEachDroppedFileFolderAndPicture) {
  const QString jpeg = WriteCameraJpeg("drop/photo.jpg", "Canon", "EOS 5");
  const QString folder = MakeFolder("drop/folder");
  WriteCameraJpeg("drop/folder/inside.jpg");
  const QString png = WriteFile("drop/picture.png", "\x89PNG\r\n\x1a\n");
  TfrmHaupt& window = StartWindow();
  window.ShowAtStart();

  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(jpeg), QUrl::fromLocalFile(folder),
                QUrl::fromLocalFile(png), QUrl::fromLocalFile(folder + "gone.jpg")});
  // As a drag from the desktop arrives: entering the window, then the drop.
  const QPoint centre = window.rect().center();
  QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);

  ASSERT_EQ(Captions(), QStringList({"photo.jpg", "folder", "picture.png"}));
  const PhotoList& list = window.Photos();
  EXPECT_EQ(list.row(0).texts[kTextType], "JPEG-Datei");
  EXPECT_EQ(list.row(0).texts[kTextModel], "EOS 5");
  for (int row : {1, 2}) {
    EXPECT_EQ(list.row(row).texts[kTextType], "-");
    for (int position = kTextSize; position <= kTextMake; ++position)
      EXPECT_EQ(list.row(row).texts[position], "-");
    EXPECT_TRUE(list.row(row).checked);
  }
  EXPECT_EQ(window.StatusPanel(0), "Dateien: 3");
  EXPECT_TRUE(dialogs().messages.empty());
}

TEST_F(AMainWindowReading, stopsAScanOnCancelKeepsItsRowsAndRefusesASecondScanMeanwhile) {
  // Enough files that the scan outlasts several batches of rows, also in an optimised build.
  constexpr int kFiles = 6000;
  const QString folder = MakeLargeFolder("many", kFiles);
  const QString other = MakeFolder("other");
  WriteCameraJpeg("other/x.jpg");

  TfrmHaupt& window = StartWindow();
  ShowAndActivate();
  dialogs().folderToChoose = folder;
  QAction* choose = window.findChild<QAction*>("Ordnerauswhlen1");
  QAction* cancel = window.findChild<QAction*>("Ordnereinlesenabbrechen1");

  struct DuringScan {
    bool seen = false;
    int rowsWhenCancelled = 0;
    bool chooseEnabled = true;
    bool cancelEnabled = false;
    bool progressVisible = false;
    bool secondScanStarted = true;
    QString noteAfterCancel;
    int batches = 0;
  } during;
  QObject::connect(&window.Photos(), &QAbstractItemModel::rowsInserted, &window, [&] {
    ++during.batches;
    if (during.seen) return;
    during.seen = true;
    // Everything below runs from the event queue, as a click would, while the scan goes on.
    QTimer::singleShot(0, &window, [&] {
      during.chooseEnabled = choose->isEnabled();
      during.cancelEnabled = cancel->isEnabled();
      during.progressVisible = progress_.isVisible();
      during.secondScanStarted = window.ReadFolderIntoList(other);
      window.Edit1->setText(other);
      window.Edit1Return();
      choose->trigger();
      during.rowsWhenCancelled = window.Photos().rowCount();
      cancel->trigger();
      during.noteAfterCancel = window.StatusPanel(1);
    });
  });

  choose->trigger();

  ASSERT_TRUE(during.seen);
  EXPECT_FALSE(during.chooseEnabled);
  EXPECT_TRUE(during.cancelEnabled);
  EXPECT_TRUE(during.progressVisible);
  EXPECT_FALSE(during.secondScanStarted);
  EXPECT_EQ(during.noteAfterCancel,
            "<B><FONT color=\"clRed\">Das einlesen des Ordner wurde abgebrochen !</B></FONT>");
  // Only the first choice opened the picker; the refused commands added nothing of "other".
  EXPECT_EQ(dialogs().calls.size(), 1);
  const PhotoList& list = window.Photos();
  EXPECT_GT(list.rowCount(), 0);
  EXPECT_LT(list.rowCount(), kFiles);
  EXPECT_GE(list.rowCount(), during.rowsWhenCancelled);
  for (int row = 0; row < list.rowCount(); ++row)
    EXPECT_TRUE(list.row(row).texts[kTextFolder].startsWith(folder));
  EXPECT_EQ(window.StatusPanel(0), QString("Dateien: %1").arg(list.rowCount()));
  // The command ends by emptying the note; afterwards everything works again.
  EXPECT_EQ(window.StatusPanel(1), "");
  EXPECT_FALSE(progress_.isVisible());
  EXPECT_TRUE(choose->isEnabled());
  EXPECT_FALSE(window.ScanRunning());
  EXPECT_TRUE(window.ReadFolderIntoList(other));
}

TEST_F(AMainWindowReading, stopsTheScanWhenTheWindowIsClosedMeanwhile) {
  constexpr int kFiles = 6000;
  const QString folder = MakeLargeFolder("many", kFiles);
  TfrmHaupt& window = StartWindow();
  ShowAndActivate();
  bool closed = false;
  QObject::connect(&window.Photos(), &QAbstractItemModel::rowsInserted, &window, [&] {
    if (!closed) QTimer::singleShot(0, &window, [&] { closed = window.close(); });
  });
  EXPECT_TRUE(window.ReadFolderIntoList(folder));
  EXPECT_TRUE(closed);
  EXPECT_FALSE(window.isVisible());
  EXPECT_LT(window.Photos().rowCount(), kFiles);
  EXPECT_FALSE(progress_.isVisible());
}
