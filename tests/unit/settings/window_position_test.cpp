#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "file_bytes.h"

namespace {

TEST(AMainWindowPlacement, clampsEveryStoredValueToTheScreen) {
  const QSize screen(1920, 1080);
  struct Case {
    const char* what;
    StoredWindowPosition stored;
    QRect bounds;
  };
  const Case cases[] = {
      {"defaults", {}, QRect(0, 0, 640, 480)},
      {"in range", {100, 200, 800, 600, false}, QRect(200, 100, 800, 600)},
      {"negative top", {-20, 10, 700, 500, false}, QRect(10, 0, 700, 500)},
      {"negative left", {10, -5, 700, 500, false}, QRect(0, 10, 700, 500)},
      {"left at screen width", {0, 1920, 700, 500, false}, QRect(1870, 0, 700, 500)},
      {"top beyond screen", {5000, 0, 700, 500, false}, QRect(0, 1030, 700, 500)},
      {"top at limit", {1030, 1870, 700, 500, false}, QRect(1870, 1030, 700, 500)},
      {"narrow", {0, 0, 300, 200, false}, QRect(0, 0, 640, 480)},
      {"larger than screen", {0, 0, 4000, 3000, false}, QRect(0, 0, 1920, 1080)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceMainWindow(c.stored, screen).bounds, c.bounds) << c.what;
  }
}

TEST(AMainWindowPlacement, letsTheScreenWinOnAScreenSmallerThanTheMinimum) {
  const WindowPlacement placed = PlaceMainWindow({0, 0, 300, 200, false}, QSize(600, 400));
  EXPECT_EQ(placed.bounds, QRect(0, 0, 600, 400));
}

TEST(AMainWindowPlacement, keepsTheMaximizedStateWithTheNormalBounds) {
  const WindowPlacement placed = PlaceMainWindow({-20, 30, 300, 5000, true}, QSize(1024, 768));
  EXPECT_TRUE(placed.maximized);
  EXPECT_EQ(placed.bounds, QRect(30, 0, 640, 768));
}

class AStoredWindowPosition : public ::testing::Test {
 protected:
  QString Ini() const { return dir.filePath(QStringLiteral("Velmora.ini")); }
  QTemporaryDir dir;
  AppSettings withPosition = [] {
    AppSettings settings;
    settings.Position = true;
    return settings;
  }();
};

TEST_F(AStoredWindowPosition, givesTheDefaultBoundsWithoutItsSection) {
  WriteBytes(Ini(), "[Allgemein]\r\nPosition=1\r\n");
  EXPECT_EQ(LoadWindowPosition(Ini()), StoredWindowPosition());
  const std::optional<WindowPlacement> placed =
      LoadMainWindowPlacement(LoadSettings(Ini()), QSize(1280, 1024), Ini());
  ASSERT_TRUE(placed.has_value());
  EXPECT_EQ(*placed, (WindowPlacement{QRect(0, 0, 640, 480), false}));
}

TEST_F(AStoredWindowPosition, placesNothingWhenTheSettingIsOff) {
  WriteBytes(Ini(), "[Allgemein]\r\nPosition=0\r\n[Position]\r\nTop=-20\r\nLeft=1280\r\n"
                    "Width=300\r\nHeight=5000\r\nMaximized=1\r\n");
  EXPECT_EQ(LoadMainWindowPlacement(LoadSettings(Ini()), QSize(1280, 1024), Ini()), std::nullopt);
  EXPECT_EQ(LoadMainWindowPlacement(withPosition, QSize(1280, 1024), Ini()),
            (WindowPlacement{QRect(1230, 0, 640, 1024), true}));
}

TEST_F(AStoredWindowPosition, isWrittenAsBoundsAndStateAndReadBack) {
  SaveWindowPosition(withPosition, QRect(15, 25, 900, 700), false, Ini());
  EXPECT_EQ(ReadBytes(Ini()),
            "[Position]\r\nLeft=15\r\nTop=25\r\nWidth=900\r\nHeight=700\r\nMaximized=0\r\n");
  EXPECT_EQ(LoadWindowPosition(Ini()), (StoredWindowPosition{25, 15, 900, 700, false}));
}

TEST_F(AStoredWindowPosition, keepsTheLastNormalBoundsWhenClosedMaximized) {
  SaveWindowPosition(withPosition, QRect(15, 25, 900, 700), false, Ini());
  SaveWindowPosition(withPosition, QRect(0, 0, 1920, 1080), true, Ini());
  EXPECT_EQ(ReadBytes(Ini()),
            "[Position]\r\nLeft=15\r\nTop=25\r\nWidth=900\r\nHeight=700\r\nMaximized=1\r\n");
  EXPECT_EQ(LoadWindowPosition(Ini()), (StoredWindowPosition{25, 15, 900, 700, true}));
}

TEST_F(AStoredWindowPosition, isNotWrittenWhenTheSettingIsOff) {
  SaveWindowPosition(AppSettings(), QRect(15, 25, 900, 700), false, Ini());
  EXPECT_FALSE(QFile::exists(Ini()));
}

TEST_F(AStoredWindowPosition, leavesTheOtherSectionsAlone) {
  WriteBytes(Ini(), "[Allgemein]\r\nPosition=1\r\nGitter=1\r\n");
  SaveWindowPosition(withPosition, QRect(1, 2, 700, 500), false, Ini());
  SaveSettings(withPosition, Ini());
  EXPECT_TRUE(ReadBytes(Ini()).startsWith("[Allgemein]\r\nPosition=1\r\nGitter=0\r\n"));
  EXPECT_EQ(LoadWindowPosition(Ini()), (StoredWindowPosition{2, 1, 700, 500, false}));
}

}  // namespace
