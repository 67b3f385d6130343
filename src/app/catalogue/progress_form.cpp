#include "catalogue/progress_form.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>

#include "catalogue/busy_indicator.h"

TfrmFortschritt::TfrmFortschritt(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      indicator_(new BusyIndicator(this)),
      text_(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Fortschritt"));
  setAttribute(Qt::WA_QuitOnClose, false);  // it is never the window that ends the program
  setModal(false);
  QFont bold = text_->font();
  bold.setBold(true);
  text_->setFont(bold);
  QPalette blue = text_->palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  text_->setPalette(blue);
  text_->setMinimumWidth(280);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(16);
  layout->addWidget(indicator_);
  layout->addWidget(text_, 1);
}

void TfrmFortschritt::SetText(const QString& text) { text_->setText(text); }

QString TfrmFortschritt::Text() const { return text_->text(); }

void TfrmFortschritt::StepIndicator() { indicator_->Step(); }

void TfrmFortschritt::ShowCentredOn(QWidget* owner) {
  adjustSize();
  QRect area;
  if (owner && owner->isVisible())
    area = owner->frameGeometry();
  else if (QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
    area = screen->availableGeometry();
  if (area.isValid()) {
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
  }
  show();
  raise();
  // One turn of the event loop, so the window paints before the first row is read.
  QApplication::processEvents();
}
