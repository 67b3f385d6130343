#pragma once
// Drives the modal windows that open while a test step runs: message boxes are recorded and
// answered with their first button; any other modal window goes to the test's handler, which
// must close it.

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

class ModalDriver {
 public:
  using Handler = std::function<void(QWidget* modal)>;

  explicit ModalDriver(Handler handler = {}) : handler_(std::move(handler)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  }

  // Runs the step; modal windows are handled while it runs.
  void Run(const std::function<void()>& step) {
    timer_.start();
    step();
    timer_.stop();
  }

  QStringList messages;  // texts of the message boxes, in order

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    // A window whose handler still runs (in a nested event loop) is not handled twice.
    if (!modal || inHandler_.contains(modal)) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages << box->text();
      box->buttons().first()->click();
    } else if (handler_) {
      // Handled outside the timer's own slot: a running timer slot does not fire again, so a
      // nested modal window opened by the handler could not be seen.
      inHandler_.append(modal);
      QTimer::singleShot(0, modal, [this, modal] {
        handler_(modal);
        inHandler_.removeAll(modal);
      });
    }
  }

  Handler handler_;
  QTimer timer_;
  QList<QWidget*> inHandler_;
};
