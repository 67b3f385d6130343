#pragma once
// A circular busy indicator: a ring of spokes with one bright spoke that moves on with every
// step. It steps by itself every 100 ms while visible and once more whenever Step() is called.

#include <QTimer>
#include <QWidget>

class BusyIndicator : public QWidget {
  Q_OBJECT
 public:
  explicit BusyIndicator(QWidget* parent = nullptr);

  void Step();
  int Position() const { return position_; }

  static constexpr int kSpokes = 12;
  static constexpr int kAnimationIntervalMs = 100;

  QSize sizeHint() const override { return {48, 48}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  int position_ = 0;
  QTimer animation_;
};
