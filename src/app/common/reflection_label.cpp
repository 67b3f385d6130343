#include "common/reflection_label.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTextDocument>

#include "common/mini_html.h"

ReflectionLabel::ReflectionLabel(QWidget* parent) : QWidget(parent) {
  // The mirror image needs the full height of the hint; the width may shrink with the window.
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ReflectionLabel::SetMiniHtml(const QString& miniHtml) {
  miniHtml_ = miniHtml;
  updateGeometry();
  update();
}

void ReflectionLabel::SetPixmap(const QPixmap& pixmap) {
  pixmap_ = pixmap;
  updateGeometry();
  update();
}

void ReflectionLabel::SetBaseFont(const QFont& font) {
  setFont(font);
  updateGeometry();
  update();
}

QPixmap ReflectionLabel::RenderContent() const {
  if (!pixmap_.isNull()) return pixmap_;
  QTextDocument document;
  document.setDefaultFont(font());
  document.setDocumentMargin(0);
  document.setHtml(MiniHtmlToRichText(miniHtml_));
  const QSize size = document.size().toSize().expandedTo(QSize(1, 1));
  const qreal ratio = devicePixelRatioF();
  QPixmap content(size * ratio);
  content.setDevicePixelRatio(ratio);
  content.fill(Qt::transparent);
  QPainter painter(&content);
  document.drawContents(&painter);
  return content;
}

QSize ReflectionLabel::sizeHint() const {
  const QSize content = RenderContent().deviceIndependentSize().toSize();
  return {content.width(), int(content.height() * (1.0 + kReflectionShare))};
}

void ReflectionLabel::paintEvent(QPaintEvent*) {
  const QPixmap content = RenderContent();
  const QSizeF size = content.deviceIndependentSize();
  QPainter painter(this);
  painter.drawPixmap(QPointF(0, 0), content);

  // The mirror image: flipped, and faded out from a third of its strength to nothing.
  const qreal ratio = content.devicePixelRatio();
  QImage mirror = content.toImage().mirrored(false, true);
  const int reflectionHeight = int(size.height() * kReflectionShare * ratio);
  mirror = mirror.copy(0, 0, mirror.width(), qMax(1, reflectionHeight))
               .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  {
    QPainter fade(&mirror);
    fade.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    QLinearGradient gradient(0, 0, 0, mirror.height());
    gradient.setColorAt(0.0, QColor(0, 0, 0, 90));
    gradient.setColorAt(1.0, QColor(0, 0, 0, 0));
    fade.fillRect(mirror.rect(), gradient);
  }
  mirror.setDevicePixelRatio(ratio);
  painter.drawImage(QPointF(0, size.height()), mirror);
}
