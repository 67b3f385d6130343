#pragma once
// Printing the JobLog: one printed line per log line in Courier 10 pt, a new page whenever a page
// is full; lines longer than the page are cut at its edge.

#include <QStringList>

class QPrinter;

inline constexpr char kJobLogPrintTitle[] = "Kalvento Protokoll";

// Prepares the printer for the JobLog: the print job's title.
void PrepareJobLogPrinter(QPrinter& printer);
// Prints the lines on the printer; returns the number of pages, or 0 when the printer could not
// start (no page was printed).
int PrintJobLog(QPrinter& printer, const QStringList& lines);
