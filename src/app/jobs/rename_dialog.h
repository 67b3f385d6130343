#pragma once
// TForm2, the rename dialog "Umbenennen": a tree "Vorgaben" with six pages of options (name,
// action, size, packing, description, EXIF). "Ok" checks the options, writes them into the JobLog
// and hands the rename job to the log window. The options keep their values until the program
// ends; the dialog only maps its controls to RenameOptions.

#include <QDialog>

#include <functional>

#include "jobs/rename_options.h"

class HistoryLineEdit;
class PhotoList;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TForm3;
class TForm6;
struct AppSettings;

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  // The pages in tree and page-book order.
  enum Page { kPageName, kPageAktion, kPageAufloesung, kPagePacken, kPageBeschreibung, kPageExif, kPageCount };
  static constexpr int kHelpTopic = 190;

  // historyFolder: where "Ordner.dat" and "Namen.dat" live; empty for the UserDataFolder.
  TForm2(PhotoList& photos, TForm3& logWindow, const AppSettings& settings, QWidget* parent,
         const QString& historyFolder = QString());

  // The opener behind the three main-window commands: the empty-list message, or the standard
  // folders, the first page, quality 100, the histories reloaded and the dialog shown modally.
  void RunOpener();

  // The options as the controls hold them now.
  RenameOptions CurrentOptions() const;

  // Where the program plugs in the help topics, the create-folder dialog and the pickers; tests
  // replace the pickers. The help and "Neuer Ordner" buttons are hidden until they are set.
  void SetHelpHandler(std::function<void(int topic)> showHelp);
  void SetNewFolderHandler(std::function<void()> showNewFolderDialog);
  std::function<QString(QWidget* parent, const QString& title)> pickFolder;
  // Returns the chosen file or empty; save tells the open from the save dialog.
  std::function<QString(QWidget* parent, const QString& title, const QString& filter, bool save)> pickTextFile;

  // --- Controls, named as in the rest of the program ---
  QTreeWidget* TreeView1 = nullptr;
  QLabel* Panel1 = nullptr;
  QStackedWidget* Notebook1 = nullptr;
  QToolButton* SpeedButton7 = nullptr;  // help
  QPushButton* Button4 = nullptr;       // "Neuer Ordner"
  QPushButton* Button1 = nullptr;       // "Ok"
  QPushButton* Button2 = nullptr;       // "Abbrechen"
  // "Name"
  HistoryLineEdit* AdvEdit1 = nullptr;
  QToolButton* AdvToolButton1 = nullptr;  // "Platzhalter"
  QMenu* PopupMenu1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QSpinBox* DBAdvSpinEdit1 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QSpinBox* DBAdvSpinEdit2 = nullptr;
  QCheckBox* CheckBox6 = nullptr;
  QCheckBox* CheckBox4 = nullptr;  // upper case
  QCheckBox* CheckBox5 = nullptr;  // lower case
  // "Aktion"
  QGroupBox* RadioGroup1 = nullptr;
  QButtonGroup* RadioGroup1Items = nullptr;  // ids 0..2
  HistoryLineEdit* AdvEdit3 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  // "Auflösung"
  QCheckBox* CheckBox14 = nullptr;
  QSlider* TrackBar1 = nullptr;
  QLabel* Label42 = nullptr;
  QComboBox* ComboBox3 = nullptr;
  // "Packen"
  QCheckBox* CheckBox3 = nullptr;
  QCheckBox* CheckBox11 = nullptr;
  QCheckBox* CheckBox12 = nullptr;
  QCheckBox* CheckBox13 = nullptr;
  QPushButton* Button5 = nullptr;  // "Passwort"
  HistoryLineEdit* AdvEdit2 = nullptr;
  HistoryLineEdit* AdvEdit4 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  // "Beschreibung"
  QCheckBox* CheckBox7 = nullptr;
  QLineEdit* AdvEdit6 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QToolButton* SpeedButton8 = nullptr;  // "Datei suchen"
  QToolButton* SpeedButton9 = nullptr;  // "Datei speichern"
  QToolButton* SpeedButton3 = nullptr;  // "Kopieren"
  QToolButton* SpeedButton4 = nullptr;  // "Ausschneiden"
  QToolButton* SpeedButton5 = nullptr;  // "Einfügen"
  QToolButton* SpeedButton6 = nullptr;  // "Löschen"
  // "EXIF"
  QCheckBox* CheckBox8 = nullptr;
  QGroupBox* RG1 = nullptr;
  QButtonGroup* RG1Items = nullptr;  // ids 0 (per image), 1 (all images)
  QGroupBox* RadioGroup2 = nullptr;
  QButtonGroup* RadioGroup2Items = nullptr;  // ids 0 (text), 1 (HTML)
  HistoryLineEdit* AdvEdit7 = nullptr;
  // The password dialog, created with this one.
  TForm6* Form6 = nullptr;

  // --- Handlers ---
  void TreeView1Change(QTreeWidgetItem* item);
  void PlaceholderClick(const QString& placeholder);
  void CheckBox4Click();
  void CheckBox5Click();
  void RadioGroup1Click();
  void SpeedButton2Click();
  void SpeedButton1Click();
  void TrackBar1Change(int position);
  void CheckBox13Click();
  void Button5Click();
  void SpeedButton8Click();
  void SpeedButton9Click();
  void NameFieldExit(HistoryLineEdit* field);
  void Button1Click();
  void Button2Click();

 private:
  QWidget* BuildNamePage();
  QWidget* BuildActionPage();
  QWidget* BuildSizePage();
  QWidget* BuildPackPage();
  QWidget* BuildDescriptionPage();
  QWidget* BuildExifPage();
  void BuildTree();
  void BuildPlaceholderMenu();
  HistoryLineEdit* NewHistoryField(const char* objectName, const char* historyFile, bool validatesName);
  void ShowPage(int page);
  void CommitField(HistoryLineEdit* field, bool fromPicker);
  QStringList DescriptionLines() const;

  PhotoList& photos_;
  TForm3& logWindow_;
  const AppSettings& settings_;
  QString historyFolder_;
  std::function<void(int)> showHelp_;
  std::function<void()> showNewFolderDialog_;
  int lastChosenPage_ = kPageName;
};
