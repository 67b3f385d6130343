// The commands on the list's rows: marking, "Auswahl löschen", the Delete and Insert keys, and
// the row colours.

#include <QAction>
#include <QTest>

#include "catalogue/photo_list.h"
#include "catalogue/photo_list_view.h"
#include "common/history_line_edit.h"
#include "shell_fixture.h"

using AMainWindowList = ShellTest;

namespace {

void Trigger(TfrmHaupt& window, const char* action) {
  QAction* found = window.findChild<QAction*>(action);
  ASSERT_NE(found, nullptr) << action;
  found->trigger();
}

}  // namespace

TEST_F(AMainWindowList, marksUnmarksAndInvertsEveryRowWithoutTouchingSelectionOrStatus) {
  TfrmHaupt& window = StartWindow();
  AppendPlainRows({true, false, true, true});
  window.AdvListView1->selectionModel()->select(
      window.Photos().index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  window.SetStatusPanel(0, "unverändert");

  Trigger(window, "M1");
  EXPECT_EQ(CheckMarks(), std::vector<bool>({false, true, false, false}));
  Trigger(window, "M1");
  EXPECT_EQ(CheckMarks(), std::vector<bool>({true, false, true, true}));
  for (int twice = 0; twice < 2; ++twice) {
    Trigger(window, "Allesmarkieren1");
    EXPECT_EQ(CheckMarks(), std::vector<bool>(4, true));
  }
  for (int twice = 0; twice < 2; ++twice) {
    Trigger(window, "Allesdemakieren1");
    EXPECT_EQ(CheckMarks(), std::vector<bool>(4, false));
  }
  EXPECT_EQ(window.AdvListView1->SelectedRowsDescending(), QList<int>({1}));
  EXPECT_EQ(window.StatusPanel(0), "unverändert");
}

TEST_F(AMainWindowList, clearsTheListOnlyWhenTheQuestionIsAnsweredYes) {
  for (bool yes : {false, true}) {
    SCOPED_TRACE(yes);
    TfrmHaupt& window = StartWindow();
    AppendPlainRows({true, false, true});
    window.ShowFileCount();
    dialogs().answers = {yes};
    Trigger(window, "Auswahllschen1");
    ASSERT_EQ(dialogs().questions.size(), 1u);
    EXPECT_EQ(dialogs().questions[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(dialogs().questions[0].text, "Wollen Sie wirklich die Auswahl löschen ?");
    EXPECT_EQ(window.Photos().rowCount(), yes ? 0 : 3);
    EXPECT_EQ(window.StatusPanel(0), yes ? "Dateien:" : "Dateien: 3");
  }
}

TEST_F(AMainWindowList, removesTheSelectedRowsWithTheDeleteKeyOnlyWhenSetAndConfirmed) {
  const struct {
    const char* setting;
    std::deque<bool> answers;
    QStringList remaining;
  } cases[] = {
      {"1", {true}, {"0.jpg", "2.jpg", "5.jpg"}},
      {"1", {false}, {"0.jpg", "1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"}},
      {"0", {}, {"0.jpg", "1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QString("Delete=%1 answers=%2").arg(c.setting).arg(c.answers.size()).toStdString());
    WriteIni(QString("[Allgemein]\r\nDelete=%1\r\n").arg(c.setting));
    TfrmHaupt& window = StartWindow();
    ShowAndActivate();
    AppendPlainRows({true, true, false, true, false, true});
    QItemSelectionModel* selection = window.AdvListView1->selectionModel();
    for (int row : {1, 3, 4})
      selection->select(window.Photos().index(row, 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    window.SetStatusPanel(0, "alt");
    window.AdvListView1->setFocus();
    dialogs().answers = c.answers;

    QTest::keyClick(window.AdvListView1, Qt::Key_Delete);

    EXPECT_EQ(dialogs().questions.size(), c.answers.size());
    if (!dialogs().questions.empty())
      EXPECT_EQ(dialogs().questions[0].text,
                "Wollen Sie wirklich die markierten Einträge aus der Liste entfernen ?");
    EXPECT_EQ(Captions(), c.remaining);
    // The first panel is refreshed after every key, whatever happened.
    EXPECT_EQ(window.StatusPanel(0), QString("Dateien: %1").arg(c.remaining.size()));
  }
}

TEST_F(AMainWindowList, refreshesTheFileCountAfterAnyKeyInTheList) {
  TfrmHaupt& window = StartWindow();
  ShowAndActivate();
  AppendPlainRows({true, true});
  window.SetStatusPanel(0, "alt");
  window.AdvListView1->setFocus();
  QTest::keyClick(window.AdvListView1, Qt::Key_Down);
  EXPECT_EQ(window.StatusPanel(0), "Dateien: 2");
  EXPECT_TRUE(dialogs().questions.empty());
}

TEST_F(AMainWindowList, runsTheCommandTheInsertSettingChoosesWhateverHasTheFocus) {
  const struct {
    const char* insert;
    const char* option;
    QStringList calls;
  } cases[] = {
      {"1", "0", {"BrowseForFolder:Ordner auswählen"}},
      {"1", "1", {"OpenFiles:Bild hinzufügen|JPEG-Grafikdatei (*.jpg)"}},
      {"1", "2", {"BrowseForFolder:Ordner auswählen"}},
      {"1", "3", {}},
      {"0", "1", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QString("Insert=%1 InsOption=%2").arg(c.insert, c.option).toStdString());
    WriteIni(QString("[Allgemein]\r\nInsert=%1\r\nInsOption=%2\r\n").arg(c.insert, c.option));
    TfrmHaupt& window = StartWindow();
    ShowAndActivate();
    AppendPlainRows({true});
    window.Edit1->setFocus();
    QTest::keyClick(window.Edit1, Qt::Key_Insert);
    EXPECT_EQ(dialogs().calls, c.calls);
    // The pickers were cancelled: option 0 empties the list only for a chosen folder.
    EXPECT_EQ(window.Photos().rowCount(), 1);
  }
}

TEST_F(AMainWindowList, stripesEverySecondRowUnlessTheNortonLookIsOn) {
  const struct {
    const char* norton;
    QColor first;
    QColor second;
  } cases[] = {
      {"0", QColor(Qt::white), QColor(242, 242, 242)},
      {"1", QColor(0, 0, 128), QColor(0, 0, 128)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.norton);
    WriteIni(QString("[Allgemein]\r\nNorton=%1\r\n").arg(c.norton));
    TfrmHaupt& window = StartWindow();
    ShowAndActivate();
    AppendPlainRows({false, false, false});
    QTest::qWait(20);
    // "Uhrzeit" is empty in these rows, so its cells show only the row's background.
    const QImage picture = window.AdvListView1->viewport()->grab().toImage();
    const auto background = [&](int row) {
      const QRect cell = window.AdvListView1->visualRect(window.Photos().index(row, 3));
      return QColor(picture.pixel(cell.center()));
    };
    EXPECT_EQ(background(0), c.first);
    EXPECT_EQ(background(1), c.second);
    EXPECT_EQ(background(2), c.first);
  }
}
