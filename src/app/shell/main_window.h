#pragma once
// TfrmHaupt: the main window. It holds the photo list with its folder input, the menus, the tool
// bar and the status bar, runs the start-up (FormCreate) and the catalogue commands, and offers
// the list, the settings and the status panels to the other windows.

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

#include "settings/app_settings.h"
#include "settings/window_placement.h"
#include "shell/shell_dialogs.h"

class FileIconCache;
class HistoryLineEdit;
class MiniHtmlLabel;
class PhotoList;
class PhotoListView;
class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;
class ReflectionLabel;
class TForm11;
class TForm2;
class TForm3;
class TfrmFortschritt;
class WindowScanHost;

class TfrmHaupt : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr QSize kDesignedSize{1024, 768};

  // progressForm: the progress window, created before this one and not owned by it.
  // dialogs: how the window asks and tells the user; null for the real message boxes and pickers.
  explicit TfrmHaupt(TfrmFortschritt* progressForm, std::unique_ptr<ShellDialogs> dialogs = nullptr,
                     QWidget* parent = nullptr);
  ~TfrmHaupt() override;

  // --- What the other windows and the jobs use ---
  PhotoList& Photos() { return *photos_; }
  AppSettings& Settings() { return settings_; }
  const AppSettings& Settings() const { return settings_; }
  QString UserDataFolderPath() const { return userDataFolder_; }
  QString ProgramFolder() const { return programFolder_; }
  QString ProductVersion() const { return productVersion_; }
  ShellDialogs& Dialogs() { return *dialogs_; }
  // True while the mini preview window is open.
  bool miniPreviewShown = false;
  // The job windows, created in main.cpp after this window (its children, not owned here):
  // the log window every batch job runs in, and the sort dialog.
  TForm3* logWindow = nullptr;
  TForm11* sortDialog = nullptr;
  // The rename dialog; made on first use when the program has not set it.
  TForm2* renameDialog = nullptr;

  // Status panel 0 (file count) and 1 (notes), in the status bar's HTML dialect.
  void SetStatusPanel(int panel, const QString& miniHtml);
  QString StatusPanel(int panel) const;
  // Status panel 0 = "Dateien: " followed by the number of rows.
  void ShowFileCount();
  // Grid lines and colours of the list from the settings ("Gitter", "Norton").
  void ApplyListLook();
  // Forgets the cached file icons, so rows get the desktop's current ones.
  void RefreshSystemIcons();

  // Reads a folder tree into the list (rows are appended) with the progress form. Refused, with
  // false, while another scan runs: a scan started inside a running one would interleave rows.
  bool ReadFolderIntoList(const QString& folder);
  bool ScanRunning() const { return scanRunning_; }
  // Commands that change the list's rows are switched off while a folder is read; a later
  // command that must not run then registers its actions here.
  void DisableDuringScan(QAction* action);

  // The first showing: at the stored placement when the settings restored one, else centred
  // with the designed size.
  void ShowAtStart();
  bool PlacedFromSettings() const { return placement_.has_value(); }

  // --- Commands (named after the controls that run them) ---
  void AdvToolButton1Click();             // "Ordner auswählen": the list is emptied first
  void WeiterenOrdnerhinzufgen1Click();   // "Weiteren Ordner hinzufügen"
  void Bildhinzufgen1Click();             // "Bild hinzufügen"
  void Einlesenabbrechen1Click();         // "Ordner einlesen abbrechen"
  void Auswahllschen1Click();             // "Auswahl löschen"
  void Allesmarkieren1Click();            // "Alles markieren"
  void Allesdemakieren1Click();           // "Alle Markierungen aufheben"
  void M1Click();                         // "Markierungen umkehren"
  void Programmbeenden1Click();           // "Programm beenden"
  void Sortieren1Click();                 // "Bilder sortieren"
  void Umbenennen2Click();                // "Bilder umbenennen", "Umbenennen"
  void Edit1Return();                     // Enter in the folder input
  void Edit1Exit();                       // the folder input was left
  // Files dropped on the window, in the order the desktop gives them.
  void DropPaths(const QStringList& paths);

  // --- Controls, named as in the rest of the program ---
  QWidget* Panel1 = nullptr;
  HistoryLineEdit* Edit1 = nullptr;
  QToolButton* AdvToolButton1 = nullptr;
  PhotoListView* AdvListView1 = nullptr;
  ReflectionLabel* AdvReflectionLabel1 = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QMenu* PopupMenu1 = nullptr;  // context menu of the list
  QMenu* PopupMenu2 = nullptr;  // drop-down of the folder button

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  enum class TopMenu { Datei, Bearbeiten, Extras, Optionen, Hilfe };

  void BuildLayout();
  QWidget* BuildHeader();
  // All actions of the window, their menus, the context menu, the folder button's drop-down and
  // the tool bar (main_window_actions.cpp).
  void CreateActions();
  QAction* NewAction(const char* objectName, const QString& text, const QKeySequence& key,
                     void (TfrmHaupt::*handler)());
  QMenu* MenuOf(TopMenu menu);
  static void AddGroupSeparator(QMenu* menu);

  void FormCreate();
  void FormShow();
  void FormResize();
  void FormKeyDown(QKeyEvent* event);
  void AdvListView1KeyDown(QKeyEvent* event);
  void PickFolderAndRead(bool emptyListFirst);
  void SetScanRunning(bool running);
  void ScheduleColumnSizing();

  AppSettings settings_;
  std::unique_ptr<ShellDialogs> dialogs_;
  QPointer<TfrmFortschritt> progressForm_;
  PhotoList* photos_ = nullptr;
  std::unique_ptr<FileIconCache> icons_;
  std::unique_ptr<WindowScanHost> scanHost_;
  MiniHtmlLabel* statusPanels_[2] = {nullptr, nullptr};
  QLabel* folderCaption_ = nullptr;
  QMenu* topMenus_[5] = {};
  QList<QPointer<QAction>> scanBlockedActions_;

  QString programFolder_;
  QString userDataFolder_;
  QString productVersion_;
  std::optional<WindowPlacement> placement_;
  bool scanRunning_ = false;
  bool shownOnce_ = false;
  bool columnSizingPending_ = false;
  bool columnsSizedInScan_ = false;
};
