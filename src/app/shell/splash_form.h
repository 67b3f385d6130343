#pragma once
// TSplashForm: the borderless white window shown while the program starts. It hides and
// releases itself 1500 ms after it was created, as soon as events run.

#include <QTimer>
#include <QWidget>

class TSplashForm : public QWidget {
  Q_OBJECT
 public:
  explicit TSplashForm(QWidget* parent = nullptr);

  static constexpr int kShowMs = 1500;
  static constexpr QSize kClientSize{315, 140};

  // Shows the window centred on the screen and paints it at once.
  void ShowNow();

 private:
  void Timer1Timer();

  QTimer Timer1;
};
