// "Bilder sortieren" in the main window: menu entry, key, tool button and the empty-list message.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "catalogue/photo_list.h"
#include "catalogue/progress_form.h"
#include "jobs/log_window.h"
#include "jobs/sort_dialog.h"
#include "shell/main_window.h"
#include "shell/shell_dialogs.h"

namespace {

class RecordingShellDialogs : public ShellDialogs {
 public:
  QList<QPair<MessageKind, QString>> messages;
  void ShowMessage(QWidget*, MessageKind kind, const QString& text) override { messages.append({kind, text}); }
  bool AskYesNo(QWidget*, MessageKind, const QString&) override { return false; }
  QString BrowseForFolder(QWidget*, const QString&) override { return {}; }
  QStringList OpenFiles(QWidget*, const QString&, const QString&) override { return {}; }
};

class TheSortCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dataHome.isValid());
    oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    auto recorder = std::make_unique<RecordingShellDialogs>();
    dialogs = recorder.get();
    window = std::make_unique<TfrmHaupt>(&progress, std::move(recorder));
    logWindow = std::make_unique<TForm3>(window->Settings(), window.get());
    sortDialog = std::make_unique<TForm11>(window->Photos(), *logWindow, window.get());
    window->logWindow = logWindow.get();
    window->sortDialog = sortDialog.get();
  }
  void TearDown() override {
    sortDialog.reset();
    logWindow.reset();
    window.reset();
    qputenv("XDG_DATA_HOME", oldDataHome);
  }
  QAction* Action(const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }

  QTemporaryDir dataHome;
  QByteArray oldDataHome;
  TfrmFortschritt progress;
  RecordingShellDialogs* dialogs = nullptr;
  std::unique_ptr<TfrmHaupt> window;
  std::unique_ptr<TForm3> logWindow;
  std::unique_ptr<TForm11> sortDialog;
};

TEST_F(TheSortCommand, sitsInTheEditMenuWithCtrlSAndOnTheToolBar) {
  QAction* entry = Action("Sortieren1");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->text(), QStringLiteral("Bilder sortieren"));
  EXPECT_EQ(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  bool inEditMenu = false;
  for (QAction* top : window->menuBar()->actions()) {
    if (top->text() == QStringLiteral("Bearbeiten") && top->menu()) inEditMenu = top->menu()->actions().contains(entry);
  }
  EXPECT_TRUE(inEditMenu);
  QAction* toolButton = Action("ToolButton16");
  ASSERT_NE(toolButton, nullptr);
  EXPECT_EQ(toolButton->toolTip(), QStringLiteral("Bilder sortieren"));
}

TEST_F(TheSortCommand, asksForAFolderFirstOnAnEmptyList) {
  bool dialogShown = false;
  QTimer::singleShot(0, [&] {
    dialogShown = sortDialog->isVisible();
    sortDialog->reject();
  });
  Action("Sortieren1")->trigger();
  ASSERT_EQ(dialogs->messages.size(), 1);
  EXPECT_EQ(dialogs->messages[0].first, MessageKind::Information);
  EXPECT_EQ(dialogs->messages[0].second, QStringLiteral("Bitte wählen Sie zu erst einen Ordner mit Bildern aus !"));
  QApplication::processEvents();
  EXPECT_FALSE(dialogShown);
}

TEST_F(TheSortCommand, opensTheSortDialogOnAListEvenWithoutCheckedRows) {
  PhotoRow row;
  row.caption = QStringLiteral("a.jpg");
  window->Photos().append(row);
  bool dialogShown = false;
  QTimer::singleShot(0, [&] {
    dialogShown = sortDialog->isVisible() && QApplication::activeModalWidget() == sortDialog.get();
    sortDialog->Button2->click();
  });
  Action("ToolButton16")->trigger();
  EXPECT_TRUE(dialogShown);
  EXPECT_TRUE(dialogs->messages.isEmpty());
}

}  // namespace
