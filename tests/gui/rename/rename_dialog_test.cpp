#include "jobs/rename_dialog.h"

#include "catalogue/photo_list.h"
#include "common/history_line_edit.h"
#include "fixture_builder.h"
#include "jobs/log_window.h"
#include "jobs/password_dialog.h"
#include "modal_driver.h"
#include "settings/app_settings.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2007, 12, 24), QTime(14, 5, 10));

class ARenameDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    root_ = dir_.path() + u'/';
    logWindow_.SetClock([] { return kNow; });
    dialog_ = std::make_unique<TForm2>(photos_, logWindow_, settings_, nullptr, root_);
    PhotoRow row;
    row.checked = true;
    row.caption = "a.jpg";
    row.texts[kTextFolder] = root_;
    row.texts[kTextSize] = "16x16";
    photos_.append(row);
    row.checked = false;
    photos_.append(row);
    dialog_->AdvEdit1->setText("Urlaub");
  }

  // Presses "Ok" and returns the messages shown; a log window that opens is closed at once
  // after its JobLog was taken.
  QStringList PressOk() {
    ModalDriver driver([this](QWidget* modal) {
      if (modal == &logWindow_) {
        shownLog_ = logWindow_.JobLogLines();
        logWindow_.Button3Click();
      }
    });
    driver.Run([this] { dialog_->Button1Click(); });
    return driver.messages;
  }

  QAction* PlaceholderAction(const QString& caption) {
    for (QAction* subMenu : dialog_->PopupMenu1->actions())
      for (QAction* action : subMenu->menu()->actions())
        if (action->text() == caption) return action;
    return nullptr;
  }

  QTemporaryDir dir_;
  QString root_;
  AppSettings settings_{};
  PhotoList photos_;
  TForm3 logWindow_{settings_, nullptr};
  std::unique_ptr<TForm2> dialog_;
  QStringList shownLog_;
};

TEST_F(ARenameDialog, checksTheOptionsInOrderWhenOkIsPressed) {
  const QString missing = root_ + "fehlt";
  struct Case {
    const char* what;
    std::function<void(TForm2&)> setUp;
    QString message;
  };
  const Case cases[] = {
      {"blank pattern", [](TForm2& d) { d.AdvEdit1->setText("  "); }, "Bitte geben Sie einen Namen für die Dateien an !"},
      {"pattern with a separator", [](TForm2& d) { d.AdvEdit1->setText("a/b"); },
       "Bitte geben Sie einen gültigen Dateinamen an !"},
      {"separator on, none chosen", [](TForm2& d) { d.CheckBox1->setChecked(true); }, "Bitte geben Sie ein Trennzeichen an !"},
      {"empty start counter", [](TForm2& d) { d.DBAdvSpinEdit1->findChild<QLineEdit*>()->clear(); },
       "Bitte geben Sie ein Startzähler an !"},
      {"copy without target", [](TForm2& d) { d.RadioGroup1Items->button(1)->click(); },
       "Bitte geben Sie einen Zielordner an !"},
      {"move to a missing folder",
       [missing](TForm2& d) {
         d.RadioGroup1Items->button(2)->click();
         d.AdvEdit3->setText(missing);
       },
       "Der angegebene Ordner existiert nicht !"},
      {"resize without size", [](TForm2& d) { d.CheckBox14->setChecked(true); }, "Bitte wählen Sie eine Größe aus !"},
      {"packing without folder", [](TForm2& d) { d.CheckBox3->setChecked(true); }, "Bitte geben Sie einen Zielordner an !"},
      {"packing into a missing folder",
       [missing](TForm2& d) {
         d.CheckBox3->setChecked(true);
         d.AdvEdit4->setText(missing);
       },
       "Der angegebene Ordner existiert nicht !"},
      {"packing without zip name",
       [this](TForm2& d) {
         d.CheckBox3->setChecked(true);
         d.AdvEdit4->setText(root_);
       },
       "Bitte geben Sie einen Zip-Dateinamen an !"},
      {"description without name",
       [](TForm2& d) {
         d.CheckBox7->setChecked(true);
         d.AdvEdit6->setText(" ");
       },
       "Bitte geben Sie einen Dateinamen an !"},
      {"EXIF file without name", [](TForm2& d) { d.CheckBox8->setChecked(true); }, "Bitte geben Sie einen Dateinamen an !"},
  };
  for (const Case& c : cases) {
    dialog_ = std::make_unique<TForm2>(photos_, logWindow_, settings_, nullptr, root_);
    dialog_->AdvEdit1->setText("Urlaub");
    c.setUp(*dialog_);
    shownLog_.clear();
    EXPECT_EQ(PressOk(), QStringList{c.message}) << c.what;
    EXPECT_TRUE(shownLog_.isEmpty()) << c.what;
  }
}

TEST_F(ARenameDialog, writesEveryOptionLineForAFullSetOfOptions) {
  dialog_->AdvEdit1->setText("Urlaub %DL");
  dialog_->CheckBox1->setChecked(true);
  dialog_->ComboBox1->setCurrentIndex(1);
  dialog_->CheckBox4->setChecked(true);
  dialog_->CheckBox7->setChecked(true);
  dialog_->CheckBox14->setChecked(true);
  dialog_->ComboBox3->setCurrentIndex(1);
  dialog_->RG1Items->button(1)->click();
  dialog_->RadioGroup1Items->button(1)->click();
  dialog_->AdvEdit3->setText(root_);
  dialog_->CheckBox3->setChecked(true);
  dialog_->CheckBox11->setChecked(true);
  dialog_->CheckBox12->setChecked(true);
  dialog_->CheckBox13->setChecked(true);
  dialog_->AdvEdit4->setText(" " + dir_.path() + " ");
  dialog_->AdvEdit2->setText("Fotos");

  EXPECT_EQ(PressOk(), QStringList());

  const QStringList expected{"24.12.2007 14:05:10 : " + logWindow_.ComputerName() + "/" + logWindow_.UserName() +
                                 " : Start der Verarbeitung",
                             "",
                             " --- Optionen --- ",
                             "",
                             "- Neuer Dateiname: Urlaub %DL",
                             "",
                             "- Trennzeichen: Unterstrich",
                             "- Dateinamen in Großbuchstaben umwandeln",
                             "- Datei mit zusätzlicher Beschreibung anlegen",
                             "- Auflösung ändern",
                             "- Eine EXIF-Datei für alle Bilder erstellen",
                             "- Dateien umbenennnen und kopieren",
                             "- Zielordner: " + root_,
                             "- Dateien in Zipdatei verschieben",
                             "- Pfadnamen der Dateien mitspeichern",
                             "- Zip mit Passwort schützen",
                             "- Dateien packen: " + root_ + "Fotos.zip",
                             "",
                             "Anzahl Bilder zum umbenennen: 1"};
  EXPECT_EQ(shownLog_, expected);
}

TEST_F(ARenameDialog, handsTheJobOverEvenWithoutACheckedRow) {
  photos_.setAllChecked(false);
  logWindow_.SetJobStatus("<B>alt</B>");
  logWindow_.SetJobProgress(50);
  EXPECT_EQ(PressOk(), QStringList());
  ASSERT_FALSE(shownLog_.isEmpty());
  EXPECT_EQ(shownLog_.last(), "Anzahl Bilder zum umbenennen: 0");
  EXPECT_TRUE(shownLog_.contains("- EXIF-Datei für jedes Bild erstellen"));
  EXPECT_TRUE(shownLog_.contains("- Originale Dateien umbenennnen"));
  EXPECT_EQ(logWindow_.JobProgressPanel->value(), 0);
}

TEST_F(ARenameDialog, appendsPlaceholdersOnlyWhileThePageNameIsShown) {
  QAction* make = PlaceholderAction("%EXM (Hersteller)");
  ASSERT_NE(make, nullptr);
  make->trigger();
  EXPECT_EQ(dialog_->AdvEdit1->text(), "Urlaub%EXM");
  ASSERT_NE(PlaceholderAction("%DL (lang -> 01.01.2005)"), nullptr);

  QTreeWidgetItem* packen = dialog_->TreeView1->topLevelItem(0)->child(TForm2::kPagePacken);
  dialog_->TreeView1->setCurrentItem(packen);
  EXPECT_EQ(dialog_->Notebook1->currentIndex(), int(TForm2::kPagePacken));
  EXPECT_EQ(dialog_->Panel1->text(), "Packen");
  PlaceholderAction("%DK (kurz -> 01.01.05)")->trigger();
  EXPECT_EQ(dialog_->AdvEdit1->text(), "Urlaub%EXM");

  // The root keeps the page chosen last.
  dialog_->TreeView1->setCurrentItem(dialog_->TreeView1->topLevelItem(0));
  EXPECT_EQ(dialog_->Notebook1->currentIndex(), int(TForm2::kPagePacken));
}

TEST_F(ARenameDialog, letsOnlyUpperOrLowerCaseBeTicked) {
  for (const bool upperFirst : {true, false}) {
    dialog_->CheckBox4->setChecked(false);
    dialog_->CheckBox5->setChecked(false);
    QCheckBox* first = upperFirst ? dialog_->CheckBox4 : dialog_->CheckBox5;
    QCheckBox* second = upperFirst ? dialog_->CheckBox5 : dialog_->CheckBox4;
    ModalDriver driver;
    driver.Run([&] {
      first->click();
      second->click();
    });
    EXPECT_TRUE(first->isChecked());
    EXPECT_FALSE(second->isChecked());
    EXPECT_EQ(driver.messages, QStringList{"Sie können nur Groß oder Klein markieren !"});
  }
}

TEST_F(ARenameDialog, refusesAnInvalidNameWhenTheFieldIsCommitted) {
  for (HistoryLineEdit* field : {dialog_->AdvEdit1, dialog_->AdvEdit2, dialog_->AdvEdit7}) {
    ModalDriver driver;
    driver.Run([&] {
      field->setText(" Rom|Mai ");
      emit field->editingFinished();
      field->setText("Rom Mai");
      emit field->editingFinished();
    });
    EXPECT_EQ(driver.messages, QStringList{"Bitte geben Sie einen gültigen Dateinamen an !"}) << field->objectName().toStdString();
    EXPECT_FALSE(field->property("invalid").toBool());
  }
}

TEST_F(ARenameDialog, enablesTheTargetFolderOnlyForCopyAndMove) {
  EXPECT_FALSE(dialog_->AdvEdit3->isEnabled());
  dialog_->RadioGroup1Items->button(2)->click();
  EXPECT_TRUE(dialog_->AdvEdit3->isEnabled());
  EXPECT_TRUE(dialog_->SpeedButton2->isEnabled());
  dialog_->RadioGroup1Items->button(0)->click();
  EXPECT_FALSE(dialog_->SpeedButton2->isEnabled());
}

TEST_F(ARenameDialog, showsTheQualityInItsLabel) {
  dialog_->TrackBar1->setValue(42);
  EXPECT_EQ(dialog_->Label42->text(), "42");
}

TEST_F(ARenameDialog, fillsTheFolderFieldsFromTheSettingsWhenOpened) {
  settings_.StdAusgabe = true;
  settings_.StdOrdner = "/std/ziel/";
  settings_.ZipAusgabe = true;
  settings_.ZipOrdner = "/std/zip/";
  dialog_->TrackBar1->setValue(10);
  dialog_->TreeView1->setCurrentItem(dialog_->TreeView1->topLevelItem(0)->child(TForm2::kPageExif));
  bool shown = false;
  ModalDriver driver([&](QWidget* modal) {
    if (modal != dialog_.get()) return;
    shown = true;
    EXPECT_EQ(dialog_->AdvEdit3->text(), "/std/ziel/");
    EXPECT_EQ(dialog_->AdvEdit4->text(), "/std/zip/");
    EXPECT_EQ(dialog_->Notebook1->currentIndex(), int(TForm2::kPageName));
    EXPECT_EQ(dialog_->Panel1->text(), "Name");
    EXPECT_EQ(dialog_->Label42->text(), "100");
    dialog_->Button2Click();
  });
  driver.Run([&] { dialog_->RunOpener(); });
  EXPECT_TRUE(shown);
}

TEST_F(ARenameDialog, refusesToOpenOnAnEmptyList) {
  photos_.clear();
  bool shown = false;
  ModalDriver driver([&](QWidget*) { shown = true; });
  driver.Run([&] { dialog_->RunOpener(); });
  EXPECT_FALSE(shown);
  EXPECT_EQ(driver.messages, QStringList{"Bitte wählen Sie zu erst einen Ordner mit Bildern aus !"});
}

TEST_F(ARenameDialog, asksForThePasswordWhenProtectionIsTicked) {
  int asked = 0;
  ModalDriver driver([&](QWidget* modal) {
    if (modal != dialog_->Form6) return;
    ++asked;
    dialog_->Form6->Button2Click();
  });
  driver.Run([&] {
    dialog_->CheckBox13->click();  // ticked: asks
    dialog_->CheckBox13->click();  // unticked: does not
    dialog_->Button5->click();
  });
  EXPECT_EQ(asked, 2);
}

TEST_F(ARenameDialog, loadsAndSavesTheDescriptionText) {
  QFile source(root_ + "text.txt");
  ASSERT_TRUE(source.open(QIODevice::WriteOnly));
  source.write("Rom\r\nMai\r\n");
  source.close();
  dialog_->pickTextFile = [this](QWidget*, const QString& title, const QString& filter, bool save) {
    EXPECT_EQ(filter, "Text (*.txt)");
    EXPECT_EQ(title, save ? "Datei speichern ..." : "Datei suchen ...");
    return root_ + (save ? "kopie.txt" : "text.txt");
  };
  dialog_->SpeedButton8->click();
  EXPECT_EQ(dialog_->CurrentOptions().descriptionLines, (QStringList{"Rom", "Mai"}));
  dialog_->SpeedButton9->click();
  QFile copy(root_ + "kopie.txt");
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  EXPECT_EQ(copy.readAll(), QByteArray("Rom\r\nMai\r\n"));
  dialog_->SpeedButton6->click();
  EXPECT_TRUE(dialog_->CurrentOptions().descriptionLines.isEmpty());
}

TEST_F(ARenameDialog, takesAPickedFolderIntoTheFieldAndTheHistory) {
  dialog_->RadioGroup1Items->button(1)->click();
  dialog_->pickFolder = [this](QWidget*, const QString& title) {
    EXPECT_EQ(title, "Ordner auswählen");
    return root_ + "gewählt";
  };
  dialog_->SpeedButton2->click();
  EXPECT_EQ(dialog_->AdvEdit3->text(), root_ + "gewählt");
  EXPECT_TRUE(dialog_->AdvEdit3->Field().LookupList().contains(root_ + "gewählt"));
  dialog_->pickFolder = [](QWidget*, const QString&) { return QString(); };
  dialog_->SpeedButton1->click();
  EXPECT_EQ(dialog_->AdvEdit4->text(), QString());
}

TEST_F(ARenameDialog, renamesARealFolderEndToEnd) {
  photos_.clear();
  const std::string jpeg = fixture::EncodeTinyJpeg(16, 16);
  for (const char* name : {"IMG_0001.JPG", "IMG_0002.JPG"}) {
    QFile file(root_ + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(jpeg.data(), qint64(jpeg.size()));
    PhotoRow row;
    row.checked = true;
    row.caption = name;
    row.texts[kTextFolder] = root_;
    row.texts[kTextSize] = "16x16";
    photos_.append(row);
  }
  dialog_->AdvEdit1->setText("Urlaub");
  dialog_->CheckBox1->setChecked(true);
  dialog_->ComboBox1->setCurrentIndex(1);
  dialog_->CheckBox2->setChecked(true);
  dialog_->DBAdvSpinEdit2->setValue(3);

  ModalDriver driver([&](QWidget* modal) {
    if (modal == dialog_.get()) {
      dialog_->Button1Click();
    } else if (modal == &logWindow_) {
      logWindow_.Button1Click();  // "Start"
      shownLog_ = logWindow_.JobLogLines();
      logWindow_.Button3Click();
    }
  });
  driver.Run([&] { dialog_->RunOpener(); });

  EXPECT_TRUE(QFileInfo::exists(root_ + "Urlaub_001.jpg"));
  EXPECT_TRUE(QFileInfo::exists(root_ + "Urlaub_002.jpg"));
  EXPECT_EQ(photos_.row(1).caption, "Urlaub_002.jpg");
  EXPECT_TRUE(shownLog_.contains("Umbenennen: IMG_0002.JPG ---> Urlaub_002.jpg"));
  EXPECT_TRUE(shownLog_.contains("Anzahl Bilder zum umbenennen: 2"));
  EXPECT_EQ(shownLog_.last(), "24.12.2007 14:05:10 : Ende der Verarbeitung");
  EXPECT_FALSE(dialog_->isVisible());
}

TEST(APasswordDialog, checksBothFieldsInOrder) {
  struct Case {
    QString password;
    QString repeat;
    QString message;  // empty: accepted
  };
  const Case cases[] = {
      {"", "abcd", "Bitte geben Sie ein Passwort an !"},
      {"  ", "abcd", "Bitte geben Sie ein Passwort an !"},
      {"abcd", " ", "Bitte wiederholen Sie das Passwort !"},
      {"abcd", "abce", "Die angegebenen Passwörter stimmen nicht überein !\r\nGeben Sie bitte das richtige Passwort an !"},
      {"abcd", "ABCD", "Die angegebenen Passwörter stimmen nicht überein !\r\nGeben Sie bitte das richtige Passwort an !"},
      {"abc", "abc", "Bitte geben Sie ein Passwort an das minimal 4 Stellen hat !"},
      {"abcd", "abcd", ""},
      {"abcd", "abcd ", ""},
  };
  for (const Case& c : cases) {
    TForm6 dialog;
    dialog.Edit1->setText(c.password);
    dialog.Edit2->setText(c.repeat);
    dialog.setResult(QDialog::Rejected);
    ModalDriver driver;
    driver.Run([&] { dialog.Button1Click(); });
    EXPECT_EQ(driver.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message}) << c.password.toStdString();
    EXPECT_EQ(dialog.result(), c.message.isEmpty() ? QDialog::Accepted : QDialog::Rejected) << c.password.toStdString();
  }
}

TEST(APasswordDialog, masksAtMostEightCharactersAndHandsOverTheRepeatAsTyped) {
  TForm6 dialog;
  EXPECT_EQ(dialog.Edit1->echoMode(), QLineEdit::Password);
  EXPECT_EQ(dialog.Edit2->echoMode(), QLineEdit::Password);
  dialog.Edit1->setText("123456789");
  EXPECT_EQ(dialog.Edit1->text(), "12345678");
  dialog.Edit2->setText("abcd ");
  EXPECT_EQ(dialog.RepeatedPassword(), "abcd ");
}

}  // namespace
