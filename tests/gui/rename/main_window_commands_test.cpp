#include "catalogue/photo_list.h"
#include "catalogue/progress_form.h"
#include "jobs/log_window.h"
#include "jobs/rename_dialog.h"
#include "modal_driver.h"
#include "shell/main_window.h"

#include <QAction>
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

}  // namespace
