// The main window's side of a scan: events run on a clock, not on every request, and the file
// count reaches the status bar when events run and when the scan ends.

#include <QElapsedTimer>
#include <QWidget>

#include "catalogue/progress_form.h"
#include "catalogue/window_scan_host.h"

#include <gtest/gtest.h>

#include <vector>

TEST(AWindowScanHost, letsEventsRunOnAClockHoweverOftenTheScanAsks) {
  WindowScanHost host(nullptr, nullptr, {});
  QElapsedTimer clock;
  clock.start();
  int asked = 0;
  while (clock.elapsed() < 200) {
    host.ProcessEvents();
    ++asked;
  }
  EXPECT_GT(asked, 1000);
  EXPECT_GE(host.EventTurns(), 2);
  EXPECT_LE(host.EventTurns(), 200 / WindowScanHost::kEventIntervalMs + 2);
}

TEST(AWindowScanHost, showsTheFileCountWhenEventsRunOrTheProgressFormCloses) {
  QWidget owner;
  TfrmFortschritt progress;
  std::vector<int> shown;
  WindowScanHost host(&owner, &progress, [&](int count) { shown.push_back(count); });

  // Without a scan (a single added image) the count is shown at once.
  host.ShowFileCount(1);
  EXPECT_EQ(shown, std::vector<int>({1}));

  host.ShowProgress("Ordner werden eingelesen. Bitte warten ...");
  ASSERT_TRUE(progress.isVisible());
  for (int count = 1; count <= 50; ++count) host.ShowFileCount(count);
  EXPECT_EQ(shown.size(), 1u);
  host.HideProgress();
  EXPECT_FALSE(progress.isVisible());
  EXPECT_EQ(shown, std::vector<int>({1, 50}));
}
