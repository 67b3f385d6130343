#pragma once
// PendingJob: the job that the log window's "Start" runs. A job dialog sets it when its "Ok"
// succeeds (replacing whatever an earlier dialog set) and it stays set after the job, so "Start"
// runs the same job again with the dialog's options as they are then.
//
// A dialog hands its job to the log window like this (see src/app/jobs/log_window.h):
//   hide();
//   BeginJobLog(logWindow->Context());
//   logWindow->Context().AppendLine(" --- ... --- ");            // its option lines
//   PendingJob job{PendingJobKind::Sort, [this](JobContext& ctx) {
//     return SortImages(list, CurrentOptions(), ctx).cancelled ? JobRunEnd::Cancelled
//                                                               : JobRunEnd::Completed;
//   }};
//   logWindow->ShowModalWithPendingJob(job, this);              // returns when it closes

#include <functional>

class JobContext;

enum class PendingJobKind {
  Rename,          // "Schließen" is disabled while it runs; it ends with its own FinishJob
  Sort,            // the runner sets the hourglass and runs FinishJob after it, also after a cancel
  ExifExtraction,  // the runner sets the hourglass; it ends with its own FinishJob
};

enum class JobRunEnd { Completed, Cancelled };

struct PendingJob {
  PendingJobKind kind = PendingJobKind::Sort;
  // Runs the engine. Reads the dialog's options when called, not when the job was handed over.
  std::function<JobRunEnd(JobContext&)> run;
};
