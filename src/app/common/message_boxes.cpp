#include "common/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

struct KindLook {
  QMessageBox::Icon icon;
  const char* caption;
};

KindLook LookOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information: return {QMessageBox::Information, "Information"};
    case MessageKind::Error: return {QMessageBox::Critical, "Fehler"};
    case MessageKind::Warning: return {QMessageBox::Warning, "Warnung"};
    case MessageKind::Confirmation: return {QMessageBox::Question, "Bestätigung"};
  }
  return {QMessageBox::NoIcon, ""};
}

}  // namespace

void ShowMessageBox(QWidget* parent, MessageKind kind, const QString& text) {
  const KindLook look = LookOf(kind);
  QMessageBox box(look.icon, QString::fromUtf8(look.caption), text, QMessageBox::NoButton, parent);
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
}

bool AskYesNoBox(QWidget* parent, MessageKind kind, const QString& text) {
  const KindLook look = LookOf(kind);
  QMessageBox box(look.icon, QString::fromUtf8(look.caption), text, QMessageBox::NoButton, parent);
  QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}
