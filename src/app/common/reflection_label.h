#pragma once
// A label for a text of the status bar's HTML dialect, drawn with a fading mirror image below
// it, or for a picture with the same reflection.

#include <QPixmap>
#include <QWidget>

class ReflectionLabel : public QWidget {
  Q_OBJECT
 public:
  explicit ReflectionLabel(QWidget* parent = nullptr);

  QString MiniHtml() const { return miniHtml_; }
  void SetMiniHtml(const QString& miniHtml);
  void SetPixmap(const QPixmap& pixmap);
  // The font size of text without its own size.
  void SetBaseFont(const QFont& font);

  QSize sizeHint() const override;

  // Share of the content's height that the mirror image takes.
  static constexpr double kReflectionShare = 0.45;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap RenderContent() const;

  QString miniHtml_;
  QPixmap pixmap_;
};
