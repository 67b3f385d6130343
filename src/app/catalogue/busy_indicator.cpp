#include "catalogue/busy_indicator.h"

#include <QPainter>

BusyIndicator::BusyIndicator(QWidget* parent) : QWidget(parent) {
  setFixedSize(sizeHint());
  animation_.setInterval(kAnimationIntervalMs);
  connect(&animation_, &QTimer::timeout, this, &BusyIndicator::Step);
}

void BusyIndicator::Step() {
  position_ = (position_ + 1) % kSpokes;
  update();
}

void BusyIndicator::showEvent(QShowEvent* event) {
  animation_.start();
  QWidget::showEvent(event);
}

void BusyIndicator::hideEvent(QHideEvent* event) {
  animation_.stop();
  QWidget::hideEvent(event);
}

void BusyIndicator::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal side = qMin(width(), height());
  painter.translate(width() / 2.0, height() / 2.0);
  const qreal outer = side / 2.0 - 2;
  const qreal inner = outer * 0.5;
  QPen pen;
  pen.setWidthF(side / 12.0);
  pen.setCapStyle(Qt::RoundCap);
  for (int spoke = 0; spoke < kSpokes; ++spoke) {
    // The spoke at the current position is the brightest; the trail behind it fades out.
    const int age = (position_ - spoke + kSpokes) % kSpokes;
    QColor colour(0, 0, 255);
    colour.setAlphaF(1.0 - 0.8 * age / (kSpokes - 1));
    pen.setColor(colour);
    painter.setPen(pen);
    painter.save();
    painter.rotate(360.0 * spoke / kSpokes);
    painter.drawLine(QPointF(0, -inner), QPointF(0, -outer));
    painter.restore();
  }
}
