#include "shell/splash_form.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "common/program_icon.h"
#include "common/reflection_label.h"

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  // The splash may close while the main window is not shown yet (a long start-folder read); that
  // must not count as closing the program's last window.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(kClientSize);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  auto* picture = new ReflectionLabel(this);
  picture->SetPixmap(ProgramPixmap(64));

  auto* name = new ReflectionLabel(this);
  QFont nameFont = font();
  nameFont.setPointSize(30);
  nameFont.setBold(true);
  name->SetBaseFont(nameFont);
  name->SetMiniHtml(QStringLiteral("<FONT face=\"Nightclub BTN\" color=\"clNavy\">Velmora</FONT>"));

  auto* copyright = new QLabel(QStringLiteral("\u00a9 2026 Quenbrook"), this);
  QPalette grey = copyright->palette();
  grey.setColor(QPalette::WindowText, QColor(96, 96, 96));
  copyright->setPalette(grey);

  auto* right = new QVBoxLayout;
  right->addWidget(name);
  right->addStretch();
  right->addWidget(copyright, 0, Qt::AlignRight);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(14, 14, 14, 8);
  layout->setSpacing(18);
  layout->addWidget(picture, 0, Qt::AlignTop);
  layout->addLayout(right, 1);

  Timer1.setSingleShot(true);
  Timer1.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire up to 5 % early
  Timer1.setInterval(kShowMs);
  connect(&Timer1, &QTimer::timeout, this, &TSplashForm::Timer1Timer);
  Timer1.start();
}

void TSplashForm::ShowNow() {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  show();
  repaint();
}

void TSplashForm::Timer1Timer() {
  hide();
  close();  // released once the timer event has returned
}
