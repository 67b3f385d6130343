// The splash window and the progress form.

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "catalogue/busy_indicator.h"
#include "catalogue/progress_form.h"
#include "shell/splash_form.h"

#include <gtest/gtest.h>

TEST(ASplashWindow, showsBorderlessAndReleasesItselfAfterItsTime) {
  QElapsedTimer clock;
  clock.start();
  QPointer<TSplashForm> splash = new TSplashForm;
  splash->ShowNow();
  EXPECT_TRUE(splash->isVisible());
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(splash->size(), TSplashForm::kClientSize);
  while (!splash.isNull() && clock.elapsed() < 5000) QTest::qWait(10);
  EXPECT_TRUE(splash.isNull());
  EXPECT_GE(clock.elapsed(), TSplashForm::kShowMs - 5);
}

TEST(AProgressForm, staysOnTopWithoutTitleBarButtonsAndShowsItsTextInBoldBlue) {
  QWidget owner;
  owner.setGeometry(100, 100, 600, 400);
  owner.show();
  TfrmFortschritt form;
  form.SetText("Ordner werden eingelesen. Bitte warten ...");
  form.ShowCentredOn(&owner);

  EXPECT_EQ(form.windowTitle(), "Fortschritt");
  EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(form.isModal());
  // Centred on its owner, give or take the window frame.
  EXPECT_LE((form.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 4);
  const QLabel* text = form.findChild<QLabel*>();
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->font().bold());
  EXPECT_EQ(text->palette().color(QPalette::WindowText), QColor(0, 0, 255));

  // Escape does not close it while a folder is read.
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_TRUE(form.isVisible());
}

TEST(ABusyIndicator, movesOnOnceForEveryStepAndGoesRoundTheRing) {
  BusyIndicator indicator;
  for (int step = 1; step <= BusyIndicator::kSpokes + 1; ++step) {
    indicator.Step();
    EXPECT_EQ(indicator.Position(), step % BusyIndicator::kSpokes);
  }
}
