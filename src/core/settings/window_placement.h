#pragma once
// The main window's stored position (section Position of "Velmora.ini") and where it puts the
// window at start-up.

#include <QRect>
#include <QSize>

inline constexpr int kMinWindowWidth = 640;
inline constexpr int kMinWindowHeight = 480;
// The top left corner stays at least this far inside the screen's right and bottom edges.
inline constexpr int kWindowEdgeMargin = 50;

// The values of section Position, with their defaults for missing keys.
struct StoredWindowPosition {
  int Top = 0;
  int Left = 0;
  int Width = kMinWindowWidth;
  int Height = kMinWindowHeight;
  bool Maximized = false;

  bool operator==(const StoredWindowPosition&) const = default;
};

struct WindowPlacement {
  QRect bounds;  // the normal (not maximized) bounds
  bool maximized = false;

  bool operator==(const WindowPlacement&) const = default;
};

// Clamps the stored values to the screen: top and left to 0 .. screen size - 50, width to
// 640 .. screen width, height to 480 .. screen height. Each lower bound is applied before the
// upper one, so on a screen smaller than 640 x 480 the screen size wins.
WindowPlacement PlaceMainWindow(const StoredWindowPosition& stored, const QSize& screenSize);
