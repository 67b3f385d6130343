#pragma once
// A ScanHost for tests: records what a scan shows and can set the cancel flag when events are
// let run for the n-th time (or run any code there).

#include "catalogue/scan_host.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class RecordingScanHost : public ScanHost {
 public:
  void ProcessEvents() override;
  bool CancelRequested() const override { return cancelRequested; }
  void ClearCancelRequest() override { cancelRequested = false; }
  void SetBusyCursor(bool busy) override { busyCursorChanges.push_back(busy); }
  void ShowProgress(const QString& text) override;
  void StepProgress() override { ++progressSteps; }
  void HideProgress() override { progressVisible = false; }
  void ShowFileCount(int count) override { fileCounts.push_back(count); }

  // Sets the cancel flag during the n-th call of ProcessEvents (counted from 1); 0: never.
  int cancelAtEventRun = 0;
  // Runs during every ProcessEvents, after the count is raised.
  std::function<void(int eventRun)> onEvents;

  bool cancelRequested = false;
  int eventRuns = 0;
  std::vector<bool> busyCursorChanges;
  QStringList progressTexts;
  bool progressVisible = false;
  int progressSteps = 0;
  std::vector<int> fileCounts;
};
