#pragma once
// TfrmFortschritt: the small stay-on-top window shown while a folder is read, with a busy
// indicator that steps once per row and a bold blue text line.

#include <QDialog>

class BusyIndicator;
class QLabel;

class TfrmFortschritt : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmFortschritt(QWidget* parent = nullptr);

  void SetText(const QString& text);
  QString Text() const;
  // Shows the window (not modal), centred on `owner` when it is visible, otherwise on its screen,
  // and paints it at once.
  void ShowCentredOn(QWidget* owner);
  void StepIndicator();
  BusyIndicator* Indicator() const { return indicator_; }

 public slots:
  // The window has no buttons: Escape must not close it while a folder is read.
  void reject() override {}

 private:
  BusyIndicator* indicator_;
  QLabel* text_;
};
