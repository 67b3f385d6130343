#include "jobs/password_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/message_boxes.h"

namespace {

QLineEdit* NewPasswordField(QWidget* parent, const char* objectName) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(objectName));
  field->setEchoMode(QLineEdit::Password);
  // Masked with "*" rather than the style's dot.
  field->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
  field->setMaxLength(TForm6::kMaxPasswordLength);
  return field;
}

}  // namespace

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("Passwort"));
  auto* layout = new QVBoxLayout(this);
  auto* fields = new QFormLayout;
  Edit1 = NewPasswordField(this, "Edit1");
  Edit2 = NewPasswordField(this, "Edit2");
  fields->addRow(QStringLiteral("Passwort :"), Edit1);
  fields->addRow(QStringLiteral("Wiederholen :"), Edit2);
  layout->addLayout(fields);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  Button1 = new QPushButton(QStringLiteral("Ok"), this);
  Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button2->setObjectName(QStringLiteral("Button2"));
  Button1->setDefault(true);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  layout->addLayout(buttons);
  connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm6::Button2Click);
}

QString TForm6::PasswordProblem(const QString& password, const QString& repeat) {
  const QString trimmedPassword = password.trimmed();
  const QString trimmedRepeat = repeat.trimmed();
  if (trimmedPassword.isEmpty()) return QStringLiteral("Bitte geben Sie ein Passwort an !");
  if (trimmedRepeat.isEmpty()) return QStringLiteral("Bitte wiederholen Sie das Passwort !");
  if (trimmedPassword != trimmedRepeat)
    return QStringLiteral("Die angegebenen Passwörter stimmen nicht überein !\r\nGeben Sie bitte das richtige Passwort an !");
  if (trimmedPassword.size() < kMinPasswordLength)
    return QStringLiteral("Bitte geben Sie ein Passwort an das minimal 4 Stellen hat !");
  return {};
}

QString TForm6::RepeatedPassword() const { return Edit2->text(); }

void TForm6::Button1Click() {
  const QString problem = PasswordProblem(Edit1->text(), Edit2->text());
  if (!problem.isEmpty()) {
    ShowMessageBox(this, MessageKind::Error, problem);
    return;
  }
  accept();
}

// Closes without a check; the fields keep what was typed.
void TForm6::Button2Click() { reject(); }
