#include "common/program_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

QPixmap ProgramPixmap(int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal s = side;

  // Body with the viewfinder bump.
  QPainterPath body;
  body.addRoundedRect(QRectF(0.06 * s, 0.28 * s, 0.88 * s, 0.6 * s), 0.1 * s, 0.1 * s);
  body.addRoundedRect(QRectF(0.32 * s, 0.16 * s, 0.36 * s, 0.18 * s), 0.05 * s, 0.05 * s);
  body.setFillRule(Qt::WindingFill);
  QLinearGradient bodyColour(0, 0.16 * s, 0, 0.88 * s);
  bodyColour.setColorAt(0.0, QColor(70, 110, 190));
  bodyColour.setColorAt(1.0, QColor(20, 45, 110));
  painter.setPen(QPen(QColor(15, 30, 80), qMax(1.0, s / 40)));
  painter.setBrush(bodyColour);
  painter.drawPath(body.simplified());

  // Lens.
  const QPointF centre(0.5 * s, 0.58 * s);
  QRadialGradient glass(centre, 0.2 * s, centre - QPointF(0.06 * s, 0.06 * s));
  glass.setColorAt(0.0, QColor(190, 230, 255));
  glass.setColorAt(0.5, QColor(40, 120, 200));
  glass.setColorAt(1.0, QColor(10, 30, 70));
  painter.setBrush(QColor(230, 235, 245));
  painter.drawEllipse(centre, 0.23 * s, 0.23 * s);
  painter.setBrush(glass);
  painter.drawEllipse(centre, 0.17 * s, 0.17 * s);

  // Flash.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 220, 90));
  painter.drawRoundedRect(QRectF(0.74 * s, 0.36 * s, 0.12 * s, 0.07 * s), 0.02 * s, 0.02 * s);
  return pixmap;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128}) icon.addPixmap(ProgramPixmap(side));
  return icon;
}
