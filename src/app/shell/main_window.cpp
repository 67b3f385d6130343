#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "catalogue/catalogue_scan.h"
#include "catalogue/file_icon_cache.h"
#include "catalogue/photo_list.h"
#include "catalogue/photo_list_view.h"
#include "catalogue/progress_form.h"
#include "catalogue/window_scan_host.h"
#include "common/file_error.h"
#include "common/history_line_edit.h"
#include "common/mini_html_label.h"
#include "common/path_helpers.h"
#include "common/program_icon.h"
#include "common/reflection_label.h"
#include "common/system_info.h"
#include "jobs/log_window.h"
#include "jobs/rename_dialog.h"
#include "jobs/sort_dialog.h"
#include "settings/settings_store.h"
#include "shell/shell_dialogs.h"

namespace {

const QString kFileCountPrefix = QStringLiteral("Dateien: ");
const QString kReadingStartFolder = QStringLiteral(
    "<B><FONT color=\"clBlue\"><BLINK>Dateien werden eingelesen. Bitte warten...</B></FONT></BLINK>");
const QString kScanCancelled =
    QStringLiteral("<B><FONT color=\"clRed\">Das einlesen des Ordner wurde abgebrochen !</B></FONT>");
const QString kCopyright = QStringLiteral("\u00a9 2026 Quenbrook");

// The 5-pixel line below the header, sky blue fading to white.
class GradientLine : public QWidget {
 public:
  explicit GradientLine(QWidget* parent) : QWidget(parent) { setFixedHeight(5); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0.0, QColor(166, 202, 240));
    gradient.setColorAt(1.0, Qt::white);
    painter.fillRect(rect(), gradient);
  }
};

}  // namespace

TfrmHaupt::TfrmHaupt(TfrmFortschritt* progressForm, std::unique_ptr<ShellDialogs> dialogs,
                     QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<SystemShellDialogs>()),
      progressForm_(progressForm),
      photos_(new PhotoList(this)),
      icons_(std::make_unique<FileIconCache>()) {
  setWindowIcon(ProgramIcon());
  resize(kDesignedSize);
  scanHost_ = std::make_unique<WindowScanHost>(this, progressForm,
                                               [this](int count) {
                                                 SetStatusPanel(0, kFileCountPrefix + QString::number(count));
                                               });
  photos_->setDecorationProvider([icons = icons_.get()](const PhotoRow& row) -> QVariant {
    return icons->IconFor(row);
  });
  BuildLayout();
  CreateActions();
  // The window sees every key before its controls, and the resizing of Panel1.
  qApp->installEventFilter(this);
  FormCreate();
}

TfrmHaupt::~TfrmHaupt() {
  qApp->removeEventFilter(this);
  // The icon cache goes before the base class closes the view, which may still ask for icons.
  photos_->setDecorationProvider({});
}

// ---------------------------------------------------------------------------------------------
// Layout

QWidget* TfrmHaupt::BuildHeader() {
  auto* header = new QWidget(this);
  QPalette white = header->palette();
  white.setColor(QPalette::Window, Qt::white);
  header->setPalette(white);
  header->setAutoFillBackground(true);

  auto* icon = new QLabel(header);
  icon->setPixmap(ProgramPixmap(48));
  AdvReflectionLabel1 = new ReflectionLabel(header);
  AdvReflectionLabel1->setObjectName(QStringLiteral("AdvReflectionLabel1"));
  QFont bannerFont = font();
  bannerFont.setPointSize(20);
  bannerFont.setBold(true);
  bannerFont.setItalic(true);
  AdvReflectionLabel1->SetBaseFont(bannerFont);

  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(12, 8, 12, 0);
  row->setSpacing(14);
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(AdvReflectionLabel1, 1, Qt::AlignTop);
  return header;
}

void TfrmHaupt::BuildLayout() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(BuildHeader());
  column->addWidget(new GradientLine(central));

  // The tool bar sits below the header, so it is part of the central area.
  ToolBar1 = new QToolBar(central);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setIconSize(QSize(24, 24));
  ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
  column->addWidget(ToolBar1);

  // Panel1 places its controls itself (FormResize): the folder input and button follow its width.
  Panel1 = new QWidget(central);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  folderCaption_ = new QLabel(QStringLiteral("Ordner auswählen:"), Panel1);
  Edit1 = new HistoryLineEdit(QString::fromLatin1(kFolderHistoryFile), QString(), Panel1);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  AdvToolButton1 = new QToolButton(Panel1);
  AdvToolButton1->setObjectName(QStringLiteral("AdvToolButton1"));
  AdvToolButton1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  AdvToolButton1->setToolTip(QStringLiteral("Ordner auswählen"));
  AdvToolButton1->setPopupMode(QToolButton::MenuButtonPopup);
  AdvListView1 = new PhotoListView(Panel1);
  AdvListView1->setObjectName(QStringLiteral("AdvListView1"));
  AdvListView1->setModel(photos_);
  AdvListView1->setContextMenuPolicy(Qt::CustomContextMenu);
  AdvListView1->ResizeColumnsToContents();
  column->addWidget(Panel1, 1);
  setCentralWidget(central);

  connect(Edit1, &QLineEdit::returnPressed, this, &TfrmHaupt::Edit1Return);
  connect(Edit1, &HistoryLineEdit::Left, this, &TfrmHaupt::Edit1Exit);
  connect(AdvToolButton1, &QToolButton::clicked, this, &TfrmHaupt::AdvToolButton1Click);
  connect(AdvListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (PopupMenu1) PopupMenu1->popup(AdvListView1->viewport()->mapToGlobal(at));
  });
  connect(photos_, &QAbstractItemModel::rowsInserted, this, &TfrmHaupt::ScheduleColumnSizing);
  connect(photos_, &QAbstractItemModel::modelReset, this, &TfrmHaupt::ScheduleColumnSizing);

  // Status bar: the file count (150 pixels) and the notes.
  for (int panel = 0; panel < 2; ++panel) {
    statusPanels_[panel] = new MiniHtmlLabel(statusBar());
    statusPanels_[panel]->setObjectName(QStringLiteral("HTMLStatusBar1Panel%1").arg(panel));
  }
  statusPanels_[0]->setFixedWidth(150);
  statusPanels_[1]->setMinimumWidth(50);
  statusBar()->addWidget(statusPanels_[0]);
  statusBar()->addWidget(statusPanels_[1], 1);
  statusBar()->setSizeGripEnabled(true);

  FormResize();
}

void TfrmHaupt::FormResize() {
  const int width = Panel1->width();
  const int height = Panel1->height();
  folderCaption_->setGeometry(8, 4, qMax(0, width - 16), 18);
  Edit1->setGeometry(8, 24, qMax(0, width - 70), 26);
  AdvToolButton1->setGeometry(width - 55, 23, 47, 28);
  AdvListView1->setGeometry(8, 58, qMax(0, width - 16), qMax(0, height - 64));
}

// ---------------------------------------------------------------------------------------------
// Start-up

void TfrmHaupt::FormCreate() {
  miniPreviewShown = false;
  programFolder_ = TDirInfo().ProgramFolder();
  SetStatusPanel(0, kFileCountPrefix);

  // The caption and the banner do not depend on the user's folder, so they are set even when
  // the rest of the start-up cannot run.
  productVersion_ = TSysInfo().VersionInfoString(QCoreApplication::applicationFilePath(),
                                                 QStringLiteral("ProductVersion"));
  setWindowTitle(QStringLiteral("Velmora v") + productVersion_ + QStringLiteral("  ") + kCopyright);
  AdvReflectionLabel1->SetMiniHtml(AdvReflectionLabel1->MiniHtml() +
                                   QStringLiteral("<FONT face=\"Nightclub BTN\">Velmora v") +
                                   productVersion_ +
                                   QStringLiteral(" - Werkzeug für digitale Fotos </FONT>"));

  userDataFolder_ = UserDataFolder();
  if (!FolderExists(userDataFolder_)) {
    dialogs_->ShowMessage(this, MessageKind::Error,
                          QStringLiteral("Der Ordner für die Benutzerdaten konnte nicht angelegt "
                                         "werden !\r\n\r\n") +
                              QDir::toNativeSeparators(userDataFolder_));
    return;  // the program runs with default settings and an empty history
  }

  settings_ = LoadSettings(SettingsFilePath(), settings_);
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  placement_ = LoadMainWindowPlacement(settings_, screen ? screen->geometry().size() : kDesignedSize,
                                       SettingsFilePath());
  if (placement_) {
    move(placement_->bounds.topLeft());
    resize(placement_->bounds.size());
  }

  const struct {
    const QString& folder;
    const char* warning;
  } configuredFolders[] = {
      {settings_.StartOrdner, "Der angegebene Startordner wurde nicht gefunden !"},
      {settings_.StdOrdner, "Der angegebene Ausgabeordner wurde nicht gefunden !"},
      {settings_.ZipOrdner, "Der angegebene Zipordner wurde nicht gefunden !"},
  };
  for (const auto& configured : configuredFolders) {
    if (!configured.folder.trimmed().isEmpty() && !FolderExists(configured.folder))
      dialogs_->ShowMessage(this, MessageKind::Warning,
                            QString::fromUtf8(configured.warning) +
                                QStringLiteral("\r\n\r\nBitte überprüfen Sie Ihre Einstellungen !"));
  }

  setAcceptDrops(true);

  const QString logFolder = userDataFolder_ + QString::fromLatin1(kLogFolderName);
  if (!FolderExists(logFolder) && !QDir().mkpath(logFolder))
    dialogs_->ShowMessage(this, MessageKind::Error,
                          QStringLiteral("Ordner für die Log-Dateien konnte nicht angelegt werden !"));

  scanHost_->ClearCancelRequest();
  ApplyListLook();

  if (settings_.Start) {
    if (!settings_.StartOrdner.isEmpty()) {
      SetStatusPanel(1, kReadingStartFolder);
      photos_->clear();
      RefreshSystemIcons();
      ReadFolderIntoList(settings_.StartOrdner);
      ShowFileCount();
    }
    SetStatusPanel(1, QString());
  }

  Edit1->LoadHistory();
}

void TfrmHaupt::ShowAtStart() {
  if (placement_) {
    if (placement_->maximized)
      showMaximized();
    else
      show();
    return;
  }
  resize(kDesignedSize);
  if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  show();
}

void TfrmHaupt::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TfrmHaupt::FormShow() {
  // >>> The mini preview ("Vorschau" setting) and the explorer window ("Explorer" setting) are
  // shown here once those windows exist.
}

// ---------------------------------------------------------------------------------------------
// Closing

void TfrmHaupt::Programmbeenden1Click() {
  if (settings_.Beenden ||
      dialogs_->AskYesNo(this, MessageKind::Confirmation,
                         QStringLiteral("Wollen Sie wirklich das Programm beenden ?")))
    close();
}

void TfrmHaupt::closeEvent(QCloseEvent* event) {
  // A folder that is still being read stops at its next row.
  if (scanRunning_) scanHost_->RequestCancel();
  try {
    SaveWindowPosition(settings_, QRect(pos(), size()), isMaximized(), SettingsFilePath());
  } catch (const FileError& error) {
    dialogs_->ShowMessage(this, MessageKind::Error,
                          QStringLiteral("Die Position des Fensters konnte nicht gespeichert "
                                         "werden !\r\n\r\n") +
                              error.Text());
  }
  if (progressForm_) progressForm_->hide();
  event->accept();
}

// ---------------------------------------------------------------------------------------------
// Status bar and list look

void TfrmHaupt::SetStatusPanel(int panel, const QString& miniHtml) {
  if (panel >= 0 && panel < 2) statusPanels_[panel]->SetMiniHtml(miniHtml);
}

QString TfrmHaupt::StatusPanel(int panel) const {
  return panel >= 0 && panel < 2 ? statusPanels_[panel]->MiniHtml() : QString();
}

void TfrmHaupt::ShowFileCount() {
  SetStatusPanel(0, kFileCountPrefix + QString::number(photos_->rowCount()));
}

void TfrmHaupt::ApplyListLook() { AdvListView1->ApplyLook(settings_.Gitter, settings_.Norton); }

void TfrmHaupt::RefreshSystemIcons() { icons_->Clear(); }

void TfrmHaupt::ScheduleColumnSizing() {
  // During a scan the columns are sized for its first rows and once more at its end: sizing
  // lays out the text of hundreds of cells, which costs more than reading the files.
  if (scanRunning_) {
    if (columnsSizedInScan_) return;
    columnsSizedInScan_ = true;
  }
  if (columnSizingPending_) return;
  columnSizingPending_ = true;
  QTimer::singleShot(0, this, [this] {
    columnSizingPending_ = false;
    AdvListView1->ResizeColumnsToContents();
  });
}

// ---------------------------------------------------------------------------------------------
// Reading folders and images

void TfrmHaupt::DisableDuringScan(QAction* action) { scanBlockedActions_.append(action); }

void TfrmHaupt::SetScanRunning(bool running) {
  scanRunning_ = running;
  columnsSizedInScan_ = false;
  for (const QPointer<QAction>& action : scanBlockedActions_)
    if (action) action->setEnabled(!running);
  AdvToolButton1->setEnabled(!running);
}

bool TfrmHaupt::ReadFolderIntoList(const QString& folder) {
  if (scanRunning_) return false;
  SetScanRunning(true);
  struct EndOfScan {
    TfrmHaupt* window;
    ~EndOfScan() { window->SetScanRunning(false); }
  } endOfScan{this};
  ScanFolderIntoList(*photos_, folder, *scanHost_);
  AdvListView1->ResizeColumnsToContents();
  return true;
}

void TfrmHaupt::PickFolderAndRead(bool emptyListFirst) {
  if (scanRunning_) return;
  const QString folder = dialogs_->BrowseForFolder(this, QStringLiteral("Ordner auswählen"));
  if (!folder.isEmpty()) {
    Edit1->setText(folder);
    if (emptyListFirst) photos_->clear();
    RefreshSystemIcons();
    ReadFolderIntoList(folder);
    ShowFileCount();
    try {
      Edit1->CommitHistory(HistoryCommit::AsTypedOnly);
    } catch (const FileError& error) {
      dialogs_->ShowMessage(this, MessageKind::Error, error.Text());
    }
  }
  SetStatusPanel(1, QString());
}

void TfrmHaupt::AdvToolButton1Click() { PickFolderAndRead(true); }

void TfrmHaupt::WeiterenOrdnerhinzufgen1Click() { PickFolderAndRead(false); }

void TfrmHaupt::Bildhinzufgen1Click() {
  if (scanRunning_) return;
  const QStringList files = dialogs_->OpenFiles(this, QStringLiteral("Bild hinzufügen"),
                                                QStringLiteral("JPEG-Grafikdatei (*.jpg)"));
  if (files.isEmpty()) return;
  RefreshSystemIcons();
  for (const QString& file : files) {
    AddImageRow(*photos_, file, *scanHost_);
    ShowFileCount();
  }
}

void TfrmHaupt::Einlesenabbrechen1Click() {
  scanHost_->RequestCancel();
  SetStatusPanel(1, kScanCancelled);
}

void TfrmHaupt::Edit1Return() {
  if (scanRunning_) return;
  const QString typed = Edit1->text();
  if (typed.trimmed().isEmpty()) {
    dialogs_->ShowMessage(this, MessageKind::Error,
                          QStringLiteral("Bitte geben Sie einen Ordner an !"));
    return;
  }
  if (!FolderExists(typed)) {
    dialogs_->ShowMessage(this, MessageKind::Error,
                          QStringLiteral("Der angegebene Ordner existiert nicht !"));
    return;
  }
  ReadFolderIntoList(typed);
  Edit1->clear();
  ShowFileCount();
}

void TfrmHaupt::Edit1Exit() {
  try {
    Edit1->CommitHistory(HistoryCommit::FieldLeft);
  } catch (const FileError& error) {
    dialogs_->ShowMessage(this, MessageKind::Error, error.Text());
  }
}

void TfrmHaupt::DropPaths(const QStringList& paths) {
  if (scanRunning_) return;
  for (const QString& path : paths) AddImageRow(*photos_, path, *scanHost_);
  ShowFileCount();
}

void TfrmHaupt::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() && !scanRunning_) event->acceptProposedAction();
}

void TfrmHaupt::dropEvent(QDropEvent* event) {
  QMainWindow::dropEvent(event);
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths.append(url.toLocalFile());
  event->acceptProposedAction();
  DropPaths(paths);
}

// ---------------------------------------------------------------------------------------------
// Clearing and marking

void TfrmHaupt::Auswahllschen1Click() {
  if (scanRunning_) return;
  if (!dialogs_->AskYesNo(this, MessageKind::Confirmation,
                          QStringLiteral("Wollen Sie wirklich die Auswahl löschen ?")))
    return;
  SetStatusPanel(0, QStringLiteral("Dateien:"));
  photos_->clear();
}

void TfrmHaupt::Allesmarkieren1Click() { photos_->setAllChecked(true); }

void TfrmHaupt::Allesdemakieren1Click() { photos_->setAllChecked(false); }

void TfrmHaupt::M1Click() {
  for (int row = 0; row < photos_->rowCount(); ++row)
    photos_->setChecked(row, !photos_->row(row).checked);
}

// ---------------------------------------------------------------------------------------------
// Jobs

void TfrmHaupt::Sortieren1Click() {
  if (photos_->isEmpty()) {
    dialogs_->ShowMessage(this, MessageKind::Information,
                          QStringLiteral("Bitte wählen Sie zu erst einen Ordner mit Bildern aus !"));
    return;
  }
  if (sortDialog) sortDialog->exec();
}

void TfrmHaupt::Umbenennen2Click() {
  if (photos_->isEmpty()) {
    dialogs_->ShowMessage(this, MessageKind::Information,
                          QStringLiteral("Bitte wählen Sie zu erst einen Ordner mit Bildern aus !"));
    return;
  }
  // The program entry normally creates both windows; without it they are made here, once.
  if (!logWindow) logWindow = new TForm3(settings_, this);
  if (!renameDialog) renameDialog = new TForm2(*photos_, *logWindow, settings_, this);
  // A rename job that empties the list (ClearView) leaves "Dateien:" in the first panel.
  const QMetaObject::Connection cleared = connect(photos_, &QAbstractItemModel::modelReset, this, [this] {
    if (photos_->isEmpty()) SetStatusPanel(0, QStringLiteral("Dateien:"));
  });
  renameDialog->RunOpener();
  disconnect(cleared);
}

// ---------------------------------------------------------------------------------------------
// Keys

bool TfrmHaupt::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // Key preview: the window's handler runs once per key, when the key reaches the focused
    // control of this window (or the window itself when nothing has the focus).
    QWidget* target = qobject_cast<QWidget*>(watched);
    QWidget* focus = QApplication::focusWidget();
    if (target && target->window() == this && (target == focus || (!focus && target == this)))
      FormKeyDown(key);
    if (watched == AdvListView1) AdvListView1KeyDown(key);
  } else if (event->type() == QEvent::Resize && watched == Panel1) {
    FormResize();
  }
  return QMainWindow::eventFilter(watched, event);
}

void TfrmHaupt::FormKeyDown(QKeyEvent* event) {
  if (!settings_.Insert || event->key() != Qt::Key_Insert) return;
  // The key is not consumed: the focused control receives it afterwards as well.
  switch (settings_.InsOption) {
    case 0: AdvToolButton1Click(); break;
    case 1: Bildhinzufgen1Click(); break;
    case 2: WeiterenOrdnerhinzufgen1Click(); break;
    default: break;
  }
}

void TfrmHaupt::AdvListView1KeyDown(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && settings_.Delete && !scanRunning_) {
    const QList<int> selected = AdvListView1->SelectedRowsDescending();
    if (!selected.isEmpty() &&
        dialogs_->AskYesNo(this, MessageKind::Confirmation,
                           QStringLiteral("Wollen Sie wirklich die markierten Einträge aus der "
                                          "Liste entfernen ?"))) {
      for (int row : selected) photos_->removeRows(row, 1);
    }
  }
  // >>> Enter runs "Vorschau" here once the preview exists.
  ShowFileCount();
}
