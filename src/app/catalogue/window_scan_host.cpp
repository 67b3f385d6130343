#include "catalogue/window_scan_host.h"

#include <QApplication>
#include <QCursor>

#include "catalogue/progress_form.h"

WindowScanHost::WindowScanHost(QWidget* owner, TfrmFortschritt* progressForm,
                               std::function<void(int)> showFileCount)
    : owner_(owner), progressForm_(progressForm), showFileCount_(std::move(showFileCount)) {}

WindowScanHost::~WindowScanHost() { SetBusyCursor(false); }

void WindowScanHost::ProcessEvents() {
  if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kEventIntervalMs) return;
  ShowPendingFileCount();
  QApplication::processEvents();
  ++eventTurns_;
  sinceEvents_.start();
}

void WindowScanHost::SetBusyCursor(bool busy) {
  if (busy == busyCursor_) return;
  busyCursor_ = busy;
  if (busy)
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  else
    QApplication::restoreOverrideCursor();
}

void WindowScanHost::ShowProgress(const QString& text) {
  if (!progressForm_) return;
  progressForm_->SetText(text);
  progressForm_->ShowCentredOn(owner_);
}

void WindowScanHost::StepProgress() {
  if (progressForm_) progressForm_->StepIndicator();
}

void WindowScanHost::HideProgress() {
  ShowPendingFileCount();
  if (progressForm_) progressForm_->hide();
}

void WindowScanHost::ShowFileCount(int count) {
  pendingFileCount_ = count;
  if (!progressForm_ || !progressForm_->isVisible()) ShowPendingFileCount();
}

void WindowScanHost::ShowPendingFileCount() {
  if (pendingFileCount_ < 0) return;
  if (showFileCount_) showFileCount_(pendingFileCount_);
  pendingFileCount_ = -1;
}
