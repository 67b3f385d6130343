#include "recording_scan_host.h"

void RecordingScanHost::ProcessEvents() {
  ++eventRuns;
  if (eventRuns == cancelAtEventRun) cancelRequested = true;
  if (onEvents) onEvents(eventRuns);
}

void RecordingScanHost::ShowProgress(const QString& text) {
  progressTexts << text;
  progressVisible = true;
}
