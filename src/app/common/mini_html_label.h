#pragma once
// A label that shows a text of the status bar's HTML dialect and lets its <BLINK> sections blink.

#include <QLabel>
#include <QTimer>

class MiniHtmlLabel : public QLabel {
  Q_OBJECT
 public:
  explicit MiniHtmlLabel(QWidget* parent = nullptr);

  // The text as set, in the dialect (not the rich text shown).
  QString MiniHtml() const { return miniHtml_; }
  void SetMiniHtml(const QString& miniHtml);

  // Half a blink period: how long the blinking sections stay visible or hidden.
  static constexpr int kBlinkIntervalMs = 500;
  bool BlinkPhaseVisible() const { return blinkVisible_; }

 private:
  void ToggleBlink();
  void Render();

  QString miniHtml_;
  bool blinkVisible_ = true;
  QTimer blinkTimer_;
};
