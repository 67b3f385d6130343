#include "jobs/job_log_printer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include "job_window_fixture.h"

namespace {

struct PrintedPdf {
  int pagesReported = 0;
  QByteArray bytes;
};

PrintedPdf PrintToPdf(const QString& path, const QStringList& lines) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(QPageSize::A4));
  PrepareJobLogPrinter(printer);
  PrintedPdf result;
  result.pagesReported = PrintJobLog(printer, lines);
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) result.bytes = file.readAll();
  return result;
}

int PdfPageCount(const QByteArray& pdf) {
  return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))));
}

// The document title as the PDF's information holds it: "/Title (" and UTF-16BE with its mark.
QByteArray PdfTitle(const char* title) {
  QByteArray text("/Title (\xFE\xFF", 10);
  for (const char* c = title; *c; ++c) text += QByteArray(1, '\0') + QByteArray(1, *c);
  return text + ')';
}

TEST(AJobLogPrintout, printsOneLinePerLogLineAndStartsNewPagesAsNeeded) {
  QTemporaryDir temp;
  ASSERT_TRUE(temp.isValid());
  const PrintedPdf one = PrintToPdf(temp.path() + QStringLiteral("/eins.pdf"), {QStringLiteral("eine Zeile")});
  EXPECT_EQ(one.pagesReported, 1);
  EXPECT_EQ(PdfPageCount(one.bytes), 1);

  // Courier 10 pt gives some 60 to 70 lines on an A4 page.
  QStringList many;
  for (int i = 1; i <= 200; ++i) many << QStringLiteral("Zeile %1").arg(i);
  const PrintedPdf long_ = PrintToPdf(temp.path() + QStringLiteral("/lang.pdf"), many);
  EXPECT_GE(long_.pagesReported, 3);
  EXPECT_LE(long_.pagesReported, 4);
  EXPECT_EQ(PdfPageCount(long_.bytes), long_.pagesReported);
  EXPECT_TRUE(long_.bytes.contains(PdfTitle(kJobLogPrintTitle)));
}

TEST(AJobLogPrintout, reportsAPrinterThatCannotStart) {
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QStringLiteral("/proc/nicht/da.pdf"));
  EXPECT_EQ(PrintJobLog(printer, {QStringLiteral("x")}), 0);
}

using ALogWindowPrint = JobWindowTest;

TEST_F(ALogWindowPrint, printsNothingWhenThePrintDialogIsCancelled) {
  BeginJobLog(*logWindow);
  const QStringList before = logWindow->JobLogLines();
  bool sawDialog = false;
  JobWindowTest::Soon([&] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    sawDialog = dialog != nullptr;
    if (QWidget* modal = QApplication::activeModalWidget()) {
      if (auto* asDialog = qobject_cast<QDialog*>(modal)) asDialog->reject();
    }
  });
  logWindow->Drucken1->trigger();
  EXPECT_TRUE(sawDialog);
  EXPECT_EQ(logWindow->JobLogLines(), before);
}

}  // namespace
