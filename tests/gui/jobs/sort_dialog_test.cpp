#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

#include "job_window_fixture.h"
#include "jobs/sort_date_pattern.h"

namespace {

using ASortDialog = JobWindowTest;

TEST_F(ASortDialog, startsWithTheDefaultsAndOffersOnlyTheTenPatterns) {
  EXPECT_EQ(sortDialog->windowTitle(), QStringLiteral("Sortieren"));
  EXPECT_EQ(sortDialog->RadioGroup1->title(), QStringLiteral("Bilder nach"));
  EXPECT_EQ(sortDialog->RadioGroup1Items->button(0)->text(), QStringLiteral("Datei - Datum sortieren"));
  EXPECT_EQ(sortDialog->RadioGroup1Items->button(1)->text(), QStringLiteral("Exif - Datum sortieren"));
  EXPECT_EQ(sortDialog->CheckBox1->text(), QStringLiteral("Erst nach Hersteller und Modell sortieren"));
  EXPECT_FALSE(sortDialog->ComboBox1->isEditable());
  ASSERT_EQ(sortDialog->ComboBox1->count(), int(kSortDatePatterns.size()));
  for (int i = 0; i < sortDialog->ComboBox1->count(); ++i) {
    EXPECT_EQ(sortDialog->ComboBox1->itemText(i), QLatin1String(kSortDatePatterns[size_t(i)]));
  }
  const SortOptions options = sortDialog->CurrentOptions();
  EXPECT_EQ(options.dateSource, kSortByFileDate);
  EXPECT_EQ(options.datePattern, QStringLiteral("dd.mm.yyyy"));
  EXPECT_FALSE(options.byMakeAndModel);
}

TEST_F(ASortDialog, closesOnEscapeAndKeepsItsOptionsForTheNextUse) {
  sortDialog->RadioGroup1Items->button(1)->setChecked(true);
  sortDialog->CheckBox1->setChecked(true);
  sortDialog->ComboBox1->setCurrentIndex(6);
  Soon([&] { QTest::keyClick(sortDialog.get(), Qt::Key_Escape); });
  EXPECT_EQ(sortDialog->exec(), QDialog::Rejected);
  Soon([&] { sortDialog->Button2->click(); });
  EXPECT_EQ(sortDialog->exec(), QDialog::Rejected);
  const SortOptions options = sortDialog->CurrentOptions();
  EXPECT_EQ(options.dateSource, kSortByCaptureDate);
  EXPECT_EQ(options.datePattern, QStringLiteral("yyyymmdd"));
  EXPECT_TRUE(options.byMakeAndModel);
}

TEST_F(ASortDialog, writesItsOptionLinesAndReadsTheOptionsWhenTheJobStarts) {
  AddPhoto(QStringLiteral("a.jpg"));
  sortDialog->CheckBox1->setChecked(true);
  QStringList beforeStart;
  RunSortDialog([&] {
    beforeStart = logWindow->JobLogLines();
    // The job reads the dialog's controls when it starts, not when it was handed over.
    sortDialog->CheckBox1->setChecked(false);
    sortDialog->ComboBox1->setCurrentText(QStringLiteral("yymmdd"));
    logWindow->Button1->click();
    logWindow->Button3->click();
  });
  ASSERT_EQ(beforeStart.size(), 3);
  EXPECT_TRUE(beforeStart[0].endsWith(QStringLiteral(" : Start der Verarbeitung")));
  EXPECT_EQ(beforeStart[1], QStringLiteral(" --- Bilder sortieren Hersteller und Modell --- "));
  EXPECT_EQ(beforeStart[2], QStringLiteral(" --- Bilder sortieren nach Dateidatum --- "));
  EXPECT_TRUE(QFile::exists(photos + QStringLiteral("071224/a.jpg")));
}

}  // namespace
