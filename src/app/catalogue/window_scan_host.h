#pragma once
// The main window's side of a catalogue scan: the progress form, the file count in the status
// bar, the busy cursor and the cancel flag. Events run at most every kEventIntervalMs, however
// often the scan asks, so the window stays responsive without an event loop turn per row.

#include <QElapsedTimer>
#include <QPointer>

#include <functional>

#include "catalogue/scan_host.h"

class TfrmFortschritt;
class QWidget;

class WindowScanHost : public ScanHost {
 public:
  // owner: the window the progress form is centred on; showFileCount sets status panel 0.
  WindowScanHost(QWidget* owner, TfrmFortschritt* progressForm,
                 std::function<void(int)> showFileCount);
  ~WindowScanHost() override;

  static constexpr int kEventIntervalMs = 20;

  void ProcessEvents() override;
  bool CancelRequested() const override { return cancelRequested_; }
  void ClearCancelRequest() override { cancelRequested_ = false; }
  void RequestCancel() { cancelRequested_ = true; }

  void SetBusyCursor(bool busy) override;
  void ShowProgress(const QString& text) override;
  void StepProgress() override;
  void HideProgress() override;
  void ShowFileCount(int count) override;

  // How often events were actually run.
  int EventTurns() const { return eventTurns_; }

 private:
  void ShowPendingFileCount();

  QWidget* owner_;
  QPointer<TfrmFortschritt> progressForm_;
  std::function<void(int)> showFileCount_;
  bool cancelRequested_ = false;
  bool busyCursor_ = false;
  // The file count is shown when events run, not for every row: setting a rich-text label
  // costs more than reading a small file.
  int pendingFileCount_ = -1;
  QElapsedTimer sinceEvents_;
  int eventTurns_ = 0;
};
