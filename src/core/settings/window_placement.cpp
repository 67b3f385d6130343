#include "settings/window_placement.h"

WindowPlacement PlaceMainWindow(const StoredWindowPosition& stored, const QSize& screenSize) {
  const int screenWidth = screenSize.width();
  const int screenHeight = screenSize.height();

  int top = stored.Top;
  if (top < 0) top = 0;
  if (top > screenHeight - kWindowEdgeMargin) top = screenHeight - kWindowEdgeMargin;

  int left = stored.Left;
  if (left < 0) left = 0;
  if (left > screenWidth - kWindowEdgeMargin) left = screenWidth - kWindowEdgeMargin;

  int width = stored.Width;
  if (width < kMinWindowWidth) width = kMinWindowWidth;
  if (width > screenWidth) width = screenWidth;

  int height = stored.Height;
  if (height < kMinWindowHeight) height = kMinWindowHeight;
  if (height > screenHeight) height = screenHeight;

  return WindowPlacement{QRect(left, top, width, height), stored.Maximized};
}
