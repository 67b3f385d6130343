#pragma once
// Moving and copying files without ever replacing an existing target. A plain rename on Linux
// silently replaces the target; the jobs rely on a move that fails instead.

#include <QString>

enum class FileOpError {
  None,           // done
  TargetExists,   // the target name is taken; nothing was changed
  SourceMissing,  // the source does not exist
  Failed,         // any other failure; the reason says what
};

struct FileOpResult {
  FileOpError error = FileOpError::None;
  // Why it failed, for the JobLog: a German text or the platform's error text. Empty when done.
  QString reason;

  bool Ok() const { return error == FileOpError::None; }
};

// Moves source to target; fails when the target exists. Within one file system the move is a
// rename (link and unlink, or a reserved target name, where the file system lacks an atomic
// no-replace rename). Across file systems the file is copied (with its modification time),
// the copy's size is checked, then the source is deleted. In every failure case the source
// stays where it was and no partial target is left behind.
FileOpResult MoveFileNoReplace(const QString& source, const QString& target);

// Copies source to target with its modification time and permissions; fails when the target
// exists. A failed copy never leaves a partial target.
FileOpResult CopyFileNoReplace(const QString& source, const QString& target);

// The ways a move goes on a file system without an atomic no-replace rename; MoveFileNoReplace
// picks them itself. Named here so that every way can be tried on any file system.
namespace file_move_fallbacks {
// A hard link claims the target name atomically, then the source name is removed. Where the
// file system has no hard links it moves over a reservation; across file systems it copies.
FileOpResult MoveByHardLink(const QString& source, const QString& target);
// Reserves the target name with an empty file of its own and renames the source over it.
FileOpResult MoveOverReservation(const QString& source, const QString& target);
}  // namespace file_move_fallbacks
