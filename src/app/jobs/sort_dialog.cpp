#include "jobs/sort_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "jobs/job_log.h"
#include "jobs/log_window.h"
#include "jobs/pending_job.h"
#include "jobs/sort_date_pattern.h"

TForm11::TForm11(PhotoList& photos, TForm3& logWindow, QWidget* parent)
    : QDialog(parent), photos_(photos), logWindow_(logWindow) {
  setObjectName(QStringLiteral("Form11"));
  setWindowTitle(QStringLiteral("Sortieren"));
  auto* layout = new QVBoxLayout(this);

  RadioGroup1 = new QGroupBox(QStringLiteral("Bilder nach"), this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  auto* radios = new QVBoxLayout(RadioGroup1);
  RadioGroup1Items = new QButtonGroup(this);
  auto* byFileDate = new QRadioButton(QStringLiteral("Datei - Datum sortieren"), RadioGroup1);
  auto* byCaptureDate = new QRadioButton(QStringLiteral("Exif - Datum sortieren"), RadioGroup1);
  RadioGroup1Items->addButton(byFileDate, kSortByFileDate);
  RadioGroup1Items->addButton(byCaptureDate, kSortByCaptureDate);
  radios->addWidget(byFileDate);
  radios->addWidget(byCaptureDate);
  byFileDate->setChecked(true);
  layout->addWidget(RadioGroup1);

  auto* patternLabel = new QLabel(QStringLiteral("Format des Datums:"), this);
  ComboBox1 = new QComboBox(this);  // not editable: it takes only its ten entries
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  for (const char* pattern : kSortDatePatterns) ComboBox1->addItem(QLatin1String(pattern));
  ComboBox1->setCurrentIndex(0);
  patternLabel->setBuddy(ComboBox1);
  layout->addWidget(patternLabel);
  layout->addWidget(ComboBox1);

  CheckBox1 = new QCheckBox(QStringLiteral("Erst nach Hersteller und Modell sortieren"), this);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  layout->addWidget(CheckBox1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  Button1 = new QPushButton(QStringLiteral("Ok"), this);
  Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button2->setObjectName(QStringLiteral("Button2"));
  Button1->setDefault(true);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  layout->addLayout(buttons);
  connect(Button1, &QPushButton::clicked, this, &TForm11::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm11::Button2Click);
  // Escape closes the dialog (QDialog's own key handling).
}

SortOptions TForm11::CurrentOptions() const {
  return SortOptions{RadioGroup1Items->checkedId(), ComboBox1->currentText(), CheckBox1->isChecked()};
}

void TForm11::Button1Click() {
  hide();
  BeginJobLog(logWindow_);
  AppendSortOptionLines(logWindow_, CurrentOptions());
  const PendingJob job{PendingJobKind::Sort, [this](JobContext& ctx) {
                         return SortImages(photos_, CurrentOptions(), ctx).cancelled
                                    ? JobRunEnd::Cancelled
                                    : JobRunEnd::Completed;
                       }};
  logWindow_.ShowModalWithPendingJob(job, this);
}

void TForm11::Button2Click() { reject(); }
