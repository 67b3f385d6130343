#include "jobs/job_log_printer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

void PrepareJobLogPrinter(QPrinter& printer) {
  printer.setDocName(QString::fromLatin1(kJobLogPrintTitle));
}

int PrintJobLog(QPrinter& printer, const QStringList& lines) {
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  QFont font(QStringLiteral("Courier"), 10);
  font.setStyleHint(QFont::TypeWriter);
  painter.setFont(font);
  const QFontMetrics metrics = painter.fontMetrics();
  const int pageHeight = painter.window().height();
  const int pageWidth = painter.window().width();

  int pages = 1;
  int baseline = metrics.ascent();
  for (const QString& line : lines) {
    if (baseline + metrics.descent() > pageHeight && baseline > metrics.ascent()) {
      printer.newPage();
      ++pages;
      baseline = metrics.ascent();
    }
    painter.drawText(QRect(0, baseline - metrics.ascent(), pageWidth, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
    baseline += metrics.lineSpacing();
  }
  painter.end();
  return pages;
}
