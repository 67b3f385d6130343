#include "jobs/rename_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStringDecoder>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "catalogue/photo_list.h"
#include "common/file_error.h"
#include "common/folder_browser.h"
#include "common/history_line_edit.h"
#include "common/message_boxes.h"
#include "common/path_helpers.h"
#include "jobs/job_log.h"
#include "jobs/log_window.h"
#include "jobs/password_dialog.h"
#include "jobs/pending_job.h"
#include "jobs/rename_images.h"
#include "settings/app_settings.h"

namespace {

// The page captions, in tree and page-book order.
constexpr const char16_t* kPageCaptions[] = {u"Name", u"Aktion", u"Auflösung", u"Packen", u"Beschreibung", u"EXIF"};

struct PlaceholderEntry {
  const char16_t* subMenu;
  const char16_t* caption;
  const char16_t* placeholder;
};

// The placeholder menu: sub-menu, entry, the text appended to the pattern.
constexpr PlaceholderEntry kPlaceholderEntries[] = {
    {u"Datum", u"%DL (lang -> 01.01.2005)", u"%DL"},
    {u"Datum", u"%DK (kurz -> 01.01.05)", u"%DK"},
    {u"Exif", u"%EXD (Aufnahmedatum)", u"%EXD"},
    {u"Exif", u"%EXM (Hersteller)", u"%EXM"},
    {u"Exif", u"%EXL (Modell)", u"%EXL"},
    {u"Exif", u"%EXA (Auflösung 800x600)", u"%EXA"},
};

const QString kInvalidName = QStringLiteral("Bitte geben Sie einen gültigen Dateinamen an !");
const QString kTextFilter = QStringLiteral("Text (*.txt)");

QString Text(const char16_t* text) { return QString::fromUtf16(text); }

QLabel* NewLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(false);
  return label;
}

QCheckBox* NewCheckBox(const char* objectName, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(objectName));
  return box;
}

QToolButton* NewSpeedButton(const char* objectName, const QString& hint, QStyle::StandardPixmap icon,
                            QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setToolTip(hint);
  button->setIcon(parent->style()->standardIcon(icon));
  return button;
}

// A group of radio buttons whose ids are the item indexes.
QButtonGroup* FillRadioGroup(QGroupBox* group, const QStringList& items, QObject* owner) {
  auto* layout = new QVBoxLayout(group);
  auto* buttons = new QButtonGroup(owner);
  for (int index = 0; index < items.size(); ++index) {
    auto* radio = new QRadioButton(items[index], group);
    buttons->addButton(radio, index);
    layout->addWidget(radio);
  }
  buttons->button(0)->setChecked(true);
  return buttons;
}

QString DefaultPickTextFile(QWidget* parent, const QString& title, const QString& filter, bool save) {
  return save ? QFileDialog::getSaveFileName(parent, title, QString(), filter)
              : QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

// A text file's content: UTF-8 when valid, otherwise Latin-1.
QString DecodeText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8.decode(bytes);
  return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

}  // namespace

TForm2::TForm2(PhotoList& photos, TForm3& logWindow, const AppSettings& settings, QWidget* parent,
               const QString& historyFolder)
    : QDialog(parent),
      pickFolder(BrowseForFolder),
      pickTextFile(DefaultPickTextFile),
      photos_(photos),
      logWindow_(logWindow),
      settings_(settings),
      historyFolder_(historyFolder) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Umbenennen"));
  Form6 = new TForm6(this);

  auto* layout = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  TreeView1 = new QTreeWidget(this);
  TreeView1->setObjectName(QStringLiteral("TreeView1"));
  TreeView1->setHeaderHidden(true);
  TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TreeView1->setFixedWidth(140);
  body->addWidget(TreeView1);

  auto* right = new QVBoxLayout;
  Panel1 = new QLabel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setAutoFillBackground(true);
  Panel1->setStyleSheet(QStringLiteral("background-color: grey; color: white; font-weight: bold; padding: 4px;"));
  right->addWidget(Panel1);
  Notebook1 = new QStackedWidget(this);
  Notebook1->setObjectName(QStringLiteral("Notebook1"));
  Notebook1->addWidget(BuildNamePage());
  Notebook1->addWidget(BuildActionPage());
  Notebook1->addWidget(BuildSizePage());
  Notebook1->addWidget(BuildPackPage());
  Notebook1->addWidget(BuildDescriptionPage());
  Notebook1->addWidget(BuildExifPage());
  right->addWidget(Notebook1, 1);
  body->addLayout(right, 1);
  layout->addLayout(body, 1);

  auto* buttons = new QHBoxLayout;
  SpeedButton7 = NewSpeedButton("SpeedButton7", QStringLiteral("Hilfe"), QStyle::SP_DialogHelpButton, this);
  SpeedButton7->hide();
  buttons->addWidget(SpeedButton7);
  buttons->addStretch(1);
  Button4 = new QPushButton(QStringLiteral("Neuer Ordner"), this);
  Button4->setObjectName(QStringLiteral("Button4"));
  Button4->hide();
  Button1 = new QPushButton(QStringLiteral("Ok"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  buttons->addWidget(Button4);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  layout->addLayout(buttons);

  BuildTree();
  BuildPlaceholderMenu();

  connect(SpeedButton7, &QToolButton::clicked, this, [this] {
    if (showHelp_) showHelp_(kHelpTopic);
  });
  connect(Button4, &QPushButton::clicked, this, [this] {
    if (showNewFolderDialog_) showNewFolderDialog_();
  });
  connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
  resize(640, 460);
}

void TForm2::SetHelpHandler(std::function<void(int)> showHelp) {
  showHelp_ = std::move(showHelp);
  SpeedButton7->setVisible(bool(showHelp_));
}

void TForm2::SetNewFolderHandler(std::function<void()> showNewFolderDialog) {
  showNewFolderDialog_ = std::move(showNewFolderDialog);
  Button4->setVisible(bool(showNewFolderDialog_));
}

HistoryLineEdit* TForm2::NewHistoryField(const char* objectName, const char* historyFile, bool validatesName) {
  auto* field = new HistoryLineEdit(QString::fromLatin1(historyFile), historyFolder_, this);
  field->setObjectName(QString::fromLatin1(objectName));
  connect(field, &HistoryLineEdit::Left, this, [this, field] { CommitField(field, false); });
  if (validatesName) connect(field, &QLineEdit::editingFinished, this, [this, field] { NameFieldExit(field); });
  return field;
}

QWidget* TForm2::BuildNamePage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(NewLabel(QStringLiteral("Geben Sie bitte hier den neuen Namen der Datei an."), page));
  auto* patternRow = new QHBoxLayout;
  AdvEdit1 = NewHistoryField("AdvEdit1", kNameHistoryFile, true);
  AdvToolButton1 = new QToolButton(page);
  AdvToolButton1->setObjectName(QStringLiteral("AdvToolButton1"));
  AdvToolButton1->setText(QStringLiteral("Platzhalter"));
  AdvToolButton1->setPopupMode(QToolButton::InstantPopup);
  patternRow->addWidget(AdvEdit1, 1);
  patternRow->addWidget(AdvToolButton1);
  layout->addLayout(patternRow);

  auto* separatorRow = new QHBoxLayout;
  CheckBox1 = NewCheckBox("CheckBox1", QStringLiteral("Trennzeichen verwenden"), page);
  ComboBox1 = new QComboBox(page);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  for (const NameSeparator& separator : kNameSeparators) ComboBox1->addItem(Text(separator.caption));
  ComboBox1->setCurrentIndex(-1);
  separatorRow->addWidget(CheckBox1);
  separatorRow->addWidget(ComboBox1);
  separatorRow->addStretch(1);
  layout->addLayout(separatorRow);
  layout->addWidget(NewLabel(QStringLiteral("Leerzeichen im Dateinamen werden durch das Trennzeichen ersetzt."), page));
  layout->addWidget(NewLabel(QStringLiteral("Ansonsten ist das Trennzeichen: Blank."), page));

  layout->addWidget(NewLabel(QStringLiteral("Geben Sie bitte hier den Startzähler für die Numerierung an:"), page));
  DBAdvSpinEdit1 = new QSpinBox(page);
  DBAdvSpinEdit1->setObjectName(QStringLiteral("DBAdvSpinEdit1"));
  DBAdvSpinEdit1->setRange(1, 9999);
  DBAdvSpinEdit1->setValue(1);
  auto* counterRow = new QHBoxLayout;
  counterRow->addWidget(DBAdvSpinEdit1);
  counterRow->addStretch(1);
  layout->addLayout(counterRow);

  auto* zerosRow = new QHBoxLayout;
  CheckBox2 = NewCheckBox("CheckBox2", QStringLiteral("Zähler mit Nullen formatieren"), page);
  DBAdvSpinEdit2 = new QSpinBox(page);
  DBAdvSpinEdit2->setObjectName(QStringLiteral("DBAdvSpinEdit2"));
  DBAdvSpinEdit2->setRange(1, 9);
  DBAdvSpinEdit2->setValue(1);
  zerosRow->addWidget(CheckBox2);
  zerosRow->addWidget(NewLabel(QStringLiteral("Stellen:"), page));
  zerosRow->addWidget(DBAdvSpinEdit2);
  zerosRow->addStretch(1);
  layout->addLayout(zerosRow);

  CheckBox6 = NewCheckBox("CheckBox6", QStringLiteral("Zähler an Dateinamen voranstellen."), page);
  CheckBox4 = NewCheckBox("CheckBox4", QStringLiteral("Dateiname in Großbuchstaben umwandeln."), page);
  CheckBox5 = NewCheckBox("CheckBox5", QStringLiteral("Dateiname in Kleinbuchstaben umwandeln."), page);
  layout->addWidget(CheckBox6);
  layout->addWidget(CheckBox4);
  layout->addWidget(CheckBox5);
  layout->addStretch(1);
  connect(CheckBox4, &QCheckBox::clicked, this, &TForm2::CheckBox4Click);
  connect(CheckBox5, &QCheckBox::clicked, this, &TForm2::CheckBox5Click);
  return page;
}

QWidget* TForm2::BuildActionPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  RadioGroup1 = new QGroupBox(QStringLiteral("Dateien umbenennen"), page);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1Items = FillRadioGroup(RadioGroup1,
                                    {QStringLiteral("1. im originalen Ordner "), QStringLiteral("2. und kopieren nach:"),
                                     QStringLiteral("3. und verschieben nach:")},
                                    this);
  layout->addWidget(RadioGroup1);
  layout->addWidget(NewLabel(QStringLiteral("Zielordner:"), page));
  auto* folderRow = new QHBoxLayout;
  AdvEdit3 = NewHistoryField("AdvEdit3", kFolderHistoryFile, false);
  AdvEdit3->setEnabled(false);
  SpeedButton2 = NewSpeedButton("SpeedButton2", QStringLiteral("Ordner auswählen"), QStyle::SP_DirOpenIcon, page);
  SpeedButton2->setEnabled(false);
  folderRow->addWidget(AdvEdit3, 1);
  folderRow->addWidget(SpeedButton2);
  layout->addLayout(folderRow);
  layout->addStretch(1);
  connect(RadioGroup1Items, &QButtonGroup::idClicked, this, &TForm2::RadioGroup1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &TForm2::SpeedButton2Click);
  return page;
}

QWidget* TForm2::BuildSizePage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  CheckBox14 = NewCheckBox("CheckBox14", QStringLiteral("Auflösung der Bilder ändern. Bitte beachten Sie das das Format"),
                           page);
  layout->addWidget(CheckBox14);
  layout->addWidget(NewLabel(QStringLiteral("der Bilder geändert wird !"), page));
  layout->addWidget(NewLabel(QStringLiteral("Kompression:"), page));
  auto* qualityRow = new QHBoxLayout;
  TrackBar1 = new QSlider(Qt::Horizontal, page);
  TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
  TrackBar1->setRange(0, 100);
  TrackBar1->setValue(100);
  Label42 = NewLabel(QStringLiteral("100"), page);
  Label42->setObjectName(QStringLiteral("Label42"));
  qualityRow->addWidget(NewLabel(QStringLiteral("niedrig"), page));
  qualityRow->addWidget(TrackBar1, 1);
  qualityRow->addWidget(NewLabel(QStringLiteral("hoch"), page));
  qualityRow->addWidget(Label42);
  layout->addLayout(qualityRow);
  auto* sizeRow = new QHBoxLayout;
  ComboBox3 = new QComboBox(page);
  ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
  for (const char16_t* caption : kResizeSizeCaptions) ComboBox3->addItem(Text(caption));
  ComboBox3->setCurrentIndex(-1);
  sizeRow->addWidget(NewLabel(QStringLiteral("Größe:"), page));
  sizeRow->addWidget(ComboBox3);
  sizeRow->addStretch(1);
  layout->addLayout(sizeRow);
  layout->addStretch(1);
  connect(TrackBar1, &QSlider::valueChanged, this, &TForm2::TrackBar1Change);
  return page;
}

QWidget* TForm2::BuildPackPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  CheckBox3 = NewCheckBox("CheckBox3", QStringLiteral("Dateien nach dem umbenennen packen"), page);
  CheckBox11 = NewCheckBox("CheckBox11", QStringLiteral("Dateien in Zip-Datei verschieben"), page);
  CheckBox12 = NewCheckBox("CheckBox12", QStringLiteral("Pfadname der Dateien mitspeichern"), page);
  CheckBox13 = NewCheckBox("CheckBox13", QStringLiteral("Zip-Datei mit Passwort schützen"), page);
  Button5 = new QPushButton(QStringLiteral("Passwort"), page);
  Button5->setObjectName(QStringLiteral("Button5"));
  layout->addWidget(CheckBox3);
  layout->addWidget(CheckBox11);
  layout->addWidget(CheckBox12);
  auto* passwordRow = new QHBoxLayout;
  passwordRow->addWidget(CheckBox13);
  passwordRow->addWidget(Button5);
  passwordRow->addStretch(1);
  layout->addLayout(passwordRow);
  layout->addWidget(NewLabel(QStringLiteral("Name der Zip-Datei:"), page));
  AdvEdit2 = NewHistoryField("AdvEdit2", kNameHistoryFile, true);
  layout->addWidget(AdvEdit2);
  layout->addWidget(NewLabel(QStringLiteral("Hinweis: Geben Sie bitte den Dateinamen immer ohne Endung an !"), page));
  layout->addWidget(NewLabel(QStringLiteral("Ausgabeordner:"), page));
  auto* folderRow = new QHBoxLayout;
  AdvEdit4 = NewHistoryField("AdvEdit4", kFolderHistoryFile, false);
  SpeedButton1 = NewSpeedButton("SpeedButton1", QStringLiteral("Ordner suchen"), QStyle::SP_DirOpenIcon, page);
  folderRow->addWidget(AdvEdit4, 1);
  folderRow->addWidget(SpeedButton1);
  layout->addLayout(folderRow);
  layout->addStretch(1);
  connect(CheckBox13, &QCheckBox::clicked, this, &TForm2::CheckBox13Click);
  connect(Button5, &QPushButton::clicked, this, &TForm2::Button5Click);
  connect(SpeedButton1, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
  return page;
}

QWidget* TForm2::BuildDescriptionPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  CheckBox7 = NewCheckBox("CheckBox7", QStringLiteral("Datei mit einer zusätzlichen Beschreibung der Dateien anlegen"), page);
  layout->addWidget(CheckBox7);
  layout->addWidget(NewLabel(QStringLiteral("Legt eine externe Datei mit einer zusätzlichen Beschreibung der"), page));
  layout->addWidget(NewLabel(QStringLiteral("Bilder an."), page));
  auto* nameRow = new QHBoxLayout;
  AdvEdit6 = new QLineEdit(QStringLiteral("Liesmich.txt"), page);
  AdvEdit6->setObjectName(QStringLiteral("AdvEdit6"));
  nameRow->addWidget(NewLabel(QStringLiteral("Name der Datei:"), page));
  nameRow->addWidget(AdvEdit6, 1);
  layout->addLayout(nameRow);

  auto* tools = new QHBoxLayout;
  SpeedButton8 = NewSpeedButton("SpeedButton8", QStringLiteral("Datei suchen"), QStyle::SP_DialogOpenButton, page);
  SpeedButton9 = NewSpeedButton("SpeedButton9", QStringLiteral("Datei speichern"), QStyle::SP_DialogSaveButton, page);
  SpeedButton3 = NewSpeedButton("SpeedButton3", QStringLiteral("Kopieren"), QStyle::SP_FileDialogContentsView, page);
  SpeedButton4 = NewSpeedButton("SpeedButton4", QStringLiteral("Ausschneiden"), QStyle::SP_DialogDiscardButton, page);
  SpeedButton5 = NewSpeedButton("SpeedButton5", QStringLiteral("Einfügen"), QStyle::SP_ArrowDown, page);
  SpeedButton6 = NewSpeedButton("SpeedButton6", QStringLiteral("Löschen"), QStyle::SP_TrashIcon, page);
  for (QToolButton* button : {SpeedButton8, SpeedButton9, SpeedButton3, SpeedButton4, SpeedButton5, SpeedButton6})
    tools->addWidget(button);
  tools->addStretch(1);
  layout->addLayout(tools);

  Memo1 = new QPlainTextEdit(page);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(Memo1, 1);
  connect(SpeedButton8, &QToolButton::clicked, this, &TForm2::SpeedButton8Click);
  connect(SpeedButton9, &QToolButton::clicked, this, &TForm2::SpeedButton9Click);
  connect(SpeedButton3, &QToolButton::clicked, Memo1, &QPlainTextEdit::copy);
  connect(SpeedButton4, &QToolButton::clicked, Memo1, &QPlainTextEdit::cut);
  connect(SpeedButton5, &QToolButton::clicked, Memo1, &QPlainTextEdit::paste);
  connect(SpeedButton6, &QToolButton::clicked, Memo1, &QPlainTextEdit::clear);
  return page;
}

QWidget* TForm2::BuildExifPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  CheckBox8 = NewCheckBox("CheckBox8", QStringLiteral("Datei mit Exif - Informationen anlegen"), page);
  layout->addWidget(CheckBox8);
  RG1 = new QGroupBox(page);
  RG1->setObjectName(QStringLiteral("RG1"));
  RG1Items = FillRadioGroup(RG1,
                            {QStringLiteral("Zusätzliche Datei mit den EXIF-Informationen pro Bild anlegen"),
                             QStringLiteral("Zusätzliche Datei mit den EXIF-Informationen aller Bilder anlegen")},
                            this);
  layout->addWidget(RG1);
  RadioGroup2 = new QGroupBox(QStringLiteral("Anlegen"), page);
  RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
  RadioGroup2Items = FillRadioGroup(RadioGroup2, {QStringLiteral("als Text"), QStringLiteral("als HTML")}, this);
  layout->addWidget(RadioGroup2);
  auto* nameRow = new QHBoxLayout;
  AdvEdit7 = NewHistoryField("AdvEdit7", kNameHistoryFile, true);
  nameRow->addWidget(NewLabel(QStringLiteral("Name:"), page));
  nameRow->addWidget(AdvEdit7, 1);
  layout->addLayout(nameRow);
  layout->addWidget(NewLabel(QStringLiteral("Geben Sie bitte bei dieser Optionen keinen Dateinamen an."), page));
  layout->addStretch(1);
  return page;
}

void TForm2::BuildTree() {
  auto* root = new QTreeWidgetItem(TreeView1, QStringList{QStringLiteral("Vorgaben")});
  for (const char16_t* caption : kPageCaptions) new QTreeWidgetItem(root, QStringList{Text(caption)});
  TreeView1->expandAll();
  connect(TreeView1, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { TreeView1Change(current); });
  ShowPage(kPageName);
}

void TForm2::BuildPlaceholderMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  QMenu* subMenu = nullptr;
  for (const PlaceholderEntry& entry : kPlaceholderEntries) {
    if (!subMenu || subMenu->title() != Text(entry.subMenu)) subMenu = PopupMenu1->addMenu(Text(entry.subMenu));
    const QString placeholder = Text(entry.placeholder);
    QAction* action = subMenu->addAction(Text(entry.caption));
    connect(action, &QAction::triggered, this, [this, placeholder] { PlaceholderClick(placeholder); });
  }
  AdvToolButton1->setMenu(PopupMenu1);
}

void TForm2::ShowPage(int page) {
  Notebook1->setCurrentIndex(page);
  Panel1->setText(Text(kPageCaptions[page]));
}

void TForm2::TreeView1Change(QTreeWidgetItem* item) {
  if (!item) return;
  QTreeWidgetItem* parent = item->parent();
  if (!parent) {
    // The root shows the first page and then the page chosen last again.
    ShowPage(kPageName);
    ShowPage(lastChosenPage_);
    return;
  }
  lastChosenPage_ = parent->indexOfChild(item);
  ShowPage(lastChosenPage_);
}

void TForm2::PlaceholderClick(const QString& placeholder) {
  if (Notebook1->currentIndex() != kPageName) return;
  AdvEdit1->setText(AdvEdit1->text() + placeholder);
}

void TForm2::CheckBox4Click() {
  if (CheckBox4->isChecked() && CheckBox5->isChecked()) {
    CheckBox4->setChecked(false);
    ShowMessageBox(this, MessageKind::Error, QStringLiteral("Sie können nur Groß oder Klein markieren !"));
  }
}

void TForm2::CheckBox5Click() {
  if (CheckBox5->isChecked() && CheckBox4->isChecked()) {
    CheckBox5->setChecked(false);
    ShowMessageBox(this, MessageKind::Error, QStringLiteral("Sie können nur Groß oder Klein markieren !"));
  }
}

void TForm2::RadioGroup1Click() {
  const bool toFolder = RadioGroup1Items->checkedId() != int(RenameAction::RenameInPlace);
  AdvEdit3->setEnabled(toFolder);
  SpeedButton2->setEnabled(toFolder);
}

void TForm2::SpeedButton2Click() {
  const QString folder = pickFolder(this, QStringLiteral("Ordner auswählen"));
  if (folder.isEmpty()) return;
  AdvEdit3->setText(folder);
  CommitField(AdvEdit3, true);
}

void TForm2::SpeedButton1Click() {
  const QString folder = pickFolder(this, QStringLiteral("Ordner auswählen"));
  if (folder.isEmpty()) return;
  AdvEdit4->setText(folder);
  CommitField(AdvEdit4, true);
}

void TForm2::TrackBar1Change(int position) { Label42->setText(QString::number(position)); }

void TForm2::CheckBox13Click() {
  if (CheckBox13->isChecked()) Form6->exec();
}

void TForm2::Button5Click() { Form6->exec(); }

void TForm2::SpeedButton8Click() {
  const QString path = pickTextFile(this, QStringLiteral("Datei suchen ..."), kTextFilter, false);
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowMessageBox(this, MessageKind::Error,
                   QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden !\r\n\r\n%2").arg(path, file.errorString()));
    return;
  }
  Memo1->setPlainText(DecodeText(file.readAll()));
}

void TForm2::SpeedButton9Click() {
  const QString path = pickTextFile(this, QStringLiteral("Datei speichern ..."), kTextFilter, true);
  if (path.isEmpty()) return;
  QByteArray bytes;
  for (const QString& line : DescriptionLines()) bytes += line.toUtf8() + "\r\n";
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    ShowMessageBox(this, MessageKind::Error,
                   QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden !\r\n\r\n%2").arg(path, file.errorString()));
  }
}

void TForm2::NameFieldExit(HistoryLineEdit* field) {
  const bool valid = IsValidFileName(field->text().trimmed(), true);
  field->setProperty("invalid", !valid);
  field->setStyleSheet(valid ? QString() : QStringLiteral("background-color: #ffd0d0;"));
  if (!valid) ShowMessageBox(this, MessageKind::Error, kInvalidName);
}

void TForm2::CommitField(HistoryLineEdit* field, bool fromPicker) {
  try {
    field->CommitHistory(fromPicker ? HistoryCommit::AsTypedOnly : HistoryCommit::FieldLeft);
  } catch (const FileError& error) {
    ShowMessageBox(this, MessageKind::Error, error.Text());
  }
}

QStringList TForm2::DescriptionLines() const {
  QString text = Memo1->toPlainText();
  if (text.isEmpty()) return {};
  if (text.endsWith(u'\n')) text.chop(1);
  return text.split(u'\n');
}

RenameOptions TForm2::CurrentOptions() const {
  RenameOptions options;
  options.pattern = AdvEdit1->text();
  options.useSeparator = CheckBox1->isChecked();
  options.separatorIndex = ComboBox1->currentIndex();
  options.startCounter = DBAdvSpinEdit1->value();
  options.zeroFill = CheckBox2->isChecked();
  options.counterWidth = DBAdvSpinEdit2->value();
  options.counterInFront = CheckBox6->isChecked();
  options.upperCase = CheckBox4->isChecked();
  options.lowerCase = CheckBox5->isChecked();
  options.action = RenameAction(RadioGroup1Items->checkedId());
  options.targetFolder = AdvEdit3->text();
  options.resize = CheckBox14->isChecked();
  options.quality = TrackBar1->value();
  options.sizeIndex = ComboBox3->currentIndex();
  options.pack = CheckBox3->isChecked();
  options.zipMove = CheckBox11->isChecked();
  options.zipFolderNames = CheckBox12->isChecked();
  options.zipEncrypt = CheckBox13->isChecked();
  options.zipPassword = Form6->RepeatedPassword();
  options.zipName = AdvEdit2->text();
  options.zipFolder = AdvEdit4->text();
  options.writeDescription = CheckBox7->isChecked();
  options.descriptionFileName = AdvEdit6->text();
  options.descriptionLines = DescriptionLines();
  options.writeExif = CheckBox8->isChecked();
  options.exifScope = ExifFileScope(RG1Items->checkedId());
  options.exifForm = RadioGroup2Items->checkedId();
  options.exifFileName = AdvEdit7->text();
  return options;
}

void TForm2::RunOpener() {
  if (photos_.isEmpty()) {
    ShowMessageBox(parentWidget(), MessageKind::Information,
                   QStringLiteral("Bitte wählen Sie zu erst einen Ordner mit Bildern aus !"));
    return;
  }
  if (settings_.StdAusgabe) AdvEdit3->setText(settings_.StdOrdner);
  if (settings_.ZipAusgabe) AdvEdit4->setText(settings_.ZipOrdner);
  TreeView1->expandAll();
  ShowPage(kPageName);
  lastChosenPage_ = kPageName;
  TrackBar1->setValue(100);
  Label42->setText(QStringLiteral("100"));
  for (HistoryLineEdit* field : {AdvEdit1, AdvEdit2, AdvEdit7, AdvEdit3, AdvEdit4}) field->LoadHistory();
  exec();
}

void TForm2::Button1Click() {
  const RenameOptions options = CurrentOptions();
  const QString problem = FirstRenameOptionsProblem(options, DBAdvSpinEdit1->cleanText());
  if (!problem.isEmpty()) {
    ShowMessageBox(this, MessageKind::Error, problem);
    return;
  }
  hide();
  BeginJobLog(logWindow_);
  for (const QString& line : RenameOptionLines(options)) logWindow_.AppendLine(line);
  int checked = 0;
  for (int index = 0; index < photos_.rowCount(); ++index) checked += photos_.row(index).checked ? 1 : 0;
  logWindow_.AppendLine(RenameCountLine(checked));
  logWindow_.SetJobStatus(QString());
  logWindow_.SetJobProgress(0);
  // The job reads the options when "Start" is pressed, as the controls hold them then.
  const PendingJob job{PendingJobKind::Rename, [this](JobContext& context) {
                         return RenameImages(CurrentOptions(), photos_, context).cancelled ? JobRunEnd::Cancelled
                                                                                           : JobRunEnd::Completed;
                       }};
  logWindow_.ShowModalWithPendingJob(job, this);
}

void TForm2::Button2Click() { reject(); }
