#pragma once
// What a catalogue scan needs from the window that runs it: let events run, the shared cancel
// flag, the progress form, the "Dateien: " count and the busy cursor. The main window implements
// it; the command line uses QuietScanHost; tests use a recorder.

#include <QString>

class ScanHost {
 public:
  virtual ~ScanHost() = default;

  // Lets the message queue run, so the window repaints and the cancel command is seen.
  virtual void ProcessEvents() = 0;
  // The shared cancel flag; a folder scan clears it when it starts.
  virtual bool CancelRequested() const = 0;
  virtual void ClearCancelRequest() = 0;

  virtual void SetBusyCursor(bool busy) = 0;
  // The progress form: shown with its text after the file search, stepped once per row,
  // closed when the scan ends or is cancelled.
  virtual void ShowProgress(const QString& text) = 0;
  virtual void StepProgress() = 0;
  virtual void HideProgress() = 0;

  // Status panel 0: "Dateien: " followed by the count.
  virtual void ShowFileCount(int count) = 0;
};

// A host without window: events are not run, nothing is shown; the cancel flag can still be set.
class QuietScanHost : public ScanHost {
 public:
  void ProcessEvents() override {}
  bool CancelRequested() const override { return cancelRequested_; }
  void ClearCancelRequest() override { cancelRequested_ = false; }
  void RequestCancel() { cancelRequested_ = true; }
  void SetBusyCursor(bool) override {}
  void ShowProgress(const QString&) override {}
  void StepProgress() override {}
  void HideProgress() override {}
  void ShowFileCount(int) override {}

 private:
  bool cancelRequested_ = false;
};
