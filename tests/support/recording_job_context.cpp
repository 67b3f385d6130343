#include "recording_job_context.h"

#include <algorithm>

void RecordingJobContext::SetJobProgress(int percent) {
  progress.append(std::clamp(percent, 0, 100));
}

void RecordingJobContext::ProcessEvents() {
  ++processEventsCalls;
  if (onProcessEvents) onProcessEvents(processEventsCalls);
}

void RecordingJobContext::ShowMessage(MessageKind kind, const QString& text) {
  messages.append({kind, text, false});
}

bool RecordingJobContext::AskYesNo(MessageKind kind, const QString& text) {
  messages.append({kind, text, true});
  return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

void RecordingJobContext::PlaySoundIfEnabled(const QString& wavFile, bool enabled) {
  sounds.append({wavFile, enabled});
}
