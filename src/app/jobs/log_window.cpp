#include "jobs/log_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "common/file_error.h"
#include "common/message_boxes.h"
#include "common/mini_html_label.h"
#include "common/path_helpers.h"
#include "common/sound.h"
#include "common/system_info.h"
#include "jobs/job_log_printer.h"
#include "settings/user_data_folder.h"

namespace {

const QString kOverwriteQuestion = QStringLiteral(
    "Die angegebene Datei existiert bereits ! \r\n\r\nWollen sie die Datei wirklich überschreiben ?");

}  // namespace

QColor JobProgressColor(int percent) {
  if (percent >= 90) return QColor(255, 165, 0);  // orange
  if (percent >= 70) return QColor(255, 255, 0);  // yellow
  return QColor(0, 170, 0);                       // green
}

TForm3::TForm3(const AppSettings& settings, QWidget* mainWindow)
    : QDialog(mainWindow),
      settings_(settings),
      mainWindow_(mainWindow),
      clock_([] { return QDateTime::currentDateTime(); }),
      logFolder_(::LogFolder()) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Fortschritt / Protokoll"));
  resize(616, 459);
  setSizeGripEnabled(true);
  CreateControls();
}

TForm3::~TForm3() { SetBusyCursor(false); }

void TForm3::CreateControls() {
  auto* layout = new QVBoxLayout(this);

  auto* menuBar = new QMenuBar(this);
  QMenu* datei = menuBar->addMenu(QStringLiteral("Datei"));
  Speichernunter1 = datei->addAction(QStringLiteral("Speichern unter ..."));
  Speichernunter1->setObjectName(QStringLiteral("Speichernunter1"));
  datei->addSeparator();
  Drucken1 = datei->addAction(QStringLiteral("Drucken"));
  Drucken1->setObjectName(QStringLiteral("Drucken1"));
  connect(Speichernunter1, &QAction::triggered, this, &TForm3::Speichernunter1Click);
  connect(Drucken1, &QAction::triggered, this, &TForm3::Drucken1Click);
  layout->setMenuBar(menuBar);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette grey = Memo1->palette();
  grey.setColor(QPalette::Base, grey.color(QPalette::Window));
  Memo1->setPalette(grey);
  layout->addWidget(Memo1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  Button1 = new QPushButton(QStringLiteral("Start"), this);
  Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
  Button3 = new QPushButton(QStringLiteral("Schließen"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button2->setObjectName(QStringLiteral("Button2"));
  Button3->setObjectName(QStringLiteral("Button3"));
  for (QPushButton* button : {Button1, Button2, Button3}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
  layout->addLayout(buttons);

  auto* statusBar = new QStatusBar(this);
  statusBar->setSizeGripEnabled(false);
  JobStatusPanel = new MiniHtmlLabel(statusBar);
  JobStatusPanel->setObjectName(QStringLiteral("JobStatusPanel"));
  JobStatusPanel->setFixedWidth(150);
  JobProgressPanel = new QProgressBar(statusBar);
  JobProgressPanel->setObjectName(QStringLiteral("JobProgressPanel"));
  JobProgressPanel->setFixedWidth(50);
  JobProgressPanel->setRange(0, 100);
  JobProgressPanel->setFormat(QStringLiteral("%p%"));
  statusBar->addWidget(JobStatusPanel);
  statusBar->addWidget(JobProgressPanel);
  layout->addWidget(statusBar);
  SetJobProgress(0);

  SaveDialog1 = new QFileDialog(this);
  SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
  SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
  SaveDialog1->setFileMode(QFileDialog::AnyFile);
  SaveDialog1->setNameFilter(QStringLiteral("Text (*.txt)"));
  // The program asks its own overwrite question.
  SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite, true);
}

void TForm3::SetPendingJob(const PendingJob& job, QDialog* jobDialog) {
  pending_ = job;
  hasPendingJob_ = true;
  jobDialog_ = jobDialog;
}

void TForm3::ShowModalWithPendingJob(const PendingJob& job, QDialog* jobDialog) {
  SetPendingJob(job, jobDialog);
  exec();
}

void TForm3::CloseJobDialog() {
  if (jobDialog_) jobDialog_->done(QDialog::Rejected);
}

void TForm3::Button1Click() {
  if (running_ || !hasPendingJob_ || !pending_.run) return;  // a running job is never entered twice
  cancelRequested_ = false;
  const PendingJob job = pending_;
  running_ = true;
  Button1->setEnabled(false);

  JobRunEnd end = JobRunEnd::Completed;
  try {
    switch (job.kind) {
      case PendingJobKind::Rename:
        CloseJobDialog();
        Button3->setEnabled(false);
        end = job.run(*this);
        break;
      case PendingJobKind::Sort:
        SetBusyCursor(true);
        CloseJobDialog();
        end = job.run(*this);
        FinishJob(*this);
        break;
      case PendingJobKind::ExifExtraction:
        SetBusyCursor(true);
        CloseJobDialog();
        end = job.run(*this);
        break;
    }
  } catch (const FileError& error) {
    SetBusyCursor(false);
    ShowMessage(MessageKind::Error, error.Text());
  } catch (const std::exception& error) {
    SetBusyCursor(false);
    ShowMessage(MessageKind::Error, QString::fromLocal8Bit(error.what()));
  }
  Button3->setEnabled(true);
  Button1->setEnabled(true);
  running_ = false;
  if (job.kind == PendingJobKind::ExifExtraction && end == JobRunEnd::Cancelled) return;
  SetJobProgress(0);
}

void TForm3::Button2Click() {
  cancelRequested_ = true;
  Button3->setEnabled(true);
  LogJobCancel(*this);
}

void TForm3::Button3Click() { close(); }

void TForm3::done(int result) {
  // While a rename runs "Schließen" is disabled; the title bar and Escape wait as well.
  if (!Button3->isEnabled()) return;
  CloseJobDialog();
  QDialog::done(result);
  if (mainWindow_) {
    mainWindow_->raise();
    mainWindow_->activateWindow();
  }
}

bool TForm3::SaveJobLogAs(const QString& path) {
  QString error;
  if (WriteJobLogFile(path, log_.Lines(), &error)) return true;
  ShowMessage(MessageKind::Error, error);
  return false;
}

void TForm3::Speichernunter1Click() {
  SaveDialog1->selectFile(QString());
  if (SaveDialog1->exec() != QDialog::Accepted) return;
  const QStringList chosen = SaveDialog1->selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return;
  const QString path = chosen.first();
  if (QFile::exists(path) && !AskYesNo(MessageKind::Warning, kOverwriteQuestion)) return;
  SaveJobLogAs(path);
}

void TForm3::Drucken1Click() {
  QPrinter printer;
  PrepareJobLogPrinter(printer);
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("PrintDialog1"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (PrintJobLog(printer, log_.Lines()) == 0) {
    ShowMessage(MessageKind::Error, QStringLiteral("Das Protokoll konnte nicht gedruckt werden !"));
  }
}

void TForm3::ClearJobLog() {
  log_.Clear();
  Memo1->clear();
}

void TForm3::AppendLine(const QString& line) {
  log_.Append(line);
  Memo1->appendPlainText(line);
}

void TForm3::SetJobStatus(const QString& miniHtml) { JobStatusPanel->SetMiniHtml(miniHtml); }

void TForm3::SetJobProgress(int percent) {
  const int value = std::clamp(percent, 0, 100);
  JobProgressPanel->setValue(value);
  const QString sheet = QStringLiteral("QProgressBar { text-align: center; } "
                                       "QProgressBar::chunk { background-color: %1; }")
                            .arg(JobProgressColor(value).name());
  if (JobProgressPanel->styleSheet() != sheet) JobProgressPanel->setStyleSheet(sheet);
}

void TForm3::ProcessEvents() { QCoreApplication::processEvents(); }

void TForm3::ShowMessage(MessageKind kind, const QString& text) {
  ShowMessageBox(isVisible() ? static_cast<QWidget*>(this) : mainWindow_.data(), kind, text);
}

bool TForm3::AskYesNo(MessageKind kind, const QString& text) {
  return AskYesNoBox(isVisible() ? static_cast<QWidget*>(this) : mainWindow_.data(), kind, text);
}

void TForm3::SetBusyCursor(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void TForm3::PlaySoundIfEnabled(const QString& wavFile, bool enabled) {
  ::PlaySoundIfEnabled(wavFile, enabled);
}

QString TForm3::ComputerName() const { return CurrentComputerName(); }

QString TForm3::UserName() const { return CurrentUserName(); }
