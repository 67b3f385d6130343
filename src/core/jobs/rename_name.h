#pragma once
// The new name of one file: counter, pattern and placeholders. A pure function: the clock and
// the row's cells come in as arguments.

#include <QDateTime>
#include <QString>

#include "jobs/rename_options.h"

// The four cells of a row that placeholders can take; a cell that is empty leaves its
// placeholder in the name as typed.
struct NameCells {
  QString captureDate;  // "Aufnahmedatum"
  QString make;         // "Hersteller"
  QString resolution;   // "Auflösung"
  QString model;        // "Model"
};

// The new name without extension, from the pattern, the counter of the row, the cells and the
// time of the run.
QString BuildNewName(const RenameOptions& options, int counter, const NameCells& cells, const QDateTime& now);
