#include "catalogue/photo_list.h"
#include "catalogue/progress_form.h"
#include "jobs/log_window.h"
#include "jobs/rename_dialog.h"
#include "modal_driver.h"
#include "shell/main_window.h"

#include "common/history_line_edit.h"
#include "fixture_builder.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QAction* FindAction(QWidget& window, const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }

TEST(TheMainWindow, opensTheRenameDialogFromItsThreeCommands) {
  QTemporaryDir dataHome;
  const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
  {
    TfrmFortschritt progress;
    TfrmHaupt window(&progress);
    TForm3 logWindow(window.Settings(), &window);
    window.logWindow = &logWindow;

    QAction* menuEntry = FindAction(window, "Umbenennen1");
    QAction* contextEntry = FindAction(window, "Umbenennen2");
    QAction* toolButton = FindAction(window, "ToolButton14");
    ASSERT_TRUE(menuEntry && contextEntry && toolButton);
    EXPECT_EQ(menuEntry->text(), "Bilder umbenennen");
    EXPECT_EQ(menuEntry->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_EQ(contextEntry->text(), "Umbenennen");
    EXPECT_TRUE(window.PopupMenu1->actions().contains(contextEntry));
    EXPECT_EQ(toolButton->toolTip(), "Bilder umbenennen");

    ModalDriver emptyList;
    emptyList.Run([&] { menuEntry->trigger(); });
    EXPECT_EQ(emptyList.messages, QStringList{"Bitte wählen Sie zu erst einen Ordner mit Bildern aus !"});

    PhotoRow row;
    row.checked = true;
    row.caption = "a.jpg";
    window.Photos().append(row);
    int opened = 0;
    ModalDriver driver([&](QWidget* modal) {
      if (modal != window.renameDialog) return;
      ++opened;
      window.renameDialog->Button2Click();
    });
    driver.Run([&] {
      for (QAction* action : {menuEntry, contextEntry, toolButton}) action->trigger();
    });
    EXPECT_EQ(opened, 3);
    EXPECT_TRUE(driver.messages.isEmpty());
  }
  qputenv("XDG_DATA_HOME", oldDataHome);
}

TEST(TheMainWindow, showsAnEmptyFileCountAfterARenameJobClearedTheList) {
  QTemporaryDir dataHome;
  const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
  {
    QTemporaryDir photos;
    const std::string jpeg = fixture::EncodeTinyJpeg(16, 16);
    QFile file(photos.path() + "/a.jpg");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(jpeg.data(), qint64(jpeg.size()));
    file.close();

    TfrmFortschritt progress;
    TfrmHaupt window(&progress);
    window.Settings().ClearView = true;
    PhotoRow row;
    row.checked = true;
    row.caption = "a.jpg";
    row.texts[kTextFolder] = photos.path() + "/";
    row.texts[kTextSize] = "16x16";
    window.Photos().append(row);
    window.ShowFileCount();

    ModalDriver driver([&](QWidget* modal) {
      if (modal == window.renameDialog) {
        window.renameDialog->AdvEdit1->setText("Rom");
        window.renameDialog->Button1Click();
      } else if (modal == window.logWindow) {
        window.logWindow->Button1Click();
        window.logWindow->Button3Click();
      }
    });
    driver.Run([&] { FindAction(window, "Umbenennen1")->trigger(); });

    EXPECT_TRUE(QFileInfo::exists(photos.path() + "/Rom 1.jpg"));
    EXPECT_TRUE(window.Photos().isEmpty());
    EXPECT_EQ(window.StatusPanel(0), "Dateien:");
  }
  qputenv("XDG_DATA_HOME", oldDataHome);
}

}  // namespace
