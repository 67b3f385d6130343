#include "common/mini_html_label.h"

#include "common/mini_html.h"

MiniHtmlLabel::MiniHtmlLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::RichText);
  setTextInteractionFlags(Qt::NoTextInteraction);
  blinkTimer_.setInterval(kBlinkIntervalMs);
  connect(&blinkTimer_, &QTimer::timeout, this, &MiniHtmlLabel::ToggleBlink);
}

void MiniHtmlLabel::SetMiniHtml(const QString& miniHtml) {
  if (miniHtml == miniHtml_ && !text().isNull()) return;
  miniHtml_ = miniHtml;
  blinkVisible_ = true;
  if (MiniHtmlHasBlink(miniHtml))
    blinkTimer_.start();
  else
    blinkTimer_.stop();
  Render();
}

void MiniHtmlLabel::ToggleBlink() {
  blinkVisible_ = !blinkVisible_;
  Render();
}

void MiniHtmlLabel::Render() {
  setText(MiniHtmlToRichText(miniHtml_, blinkVisible_, palette().color(backgroundRole())));
}
