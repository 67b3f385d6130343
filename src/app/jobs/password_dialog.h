#pragma once
// TForm6, the password dialog "Passwort": the password for the zip archive, typed twice. The
// fields keep their text until the program ends; packing uses the repeat field as typed.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TForm6 : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxPasswordLength = 8;
  static constexpr int kMinPasswordLength = 4;

  explicit TForm6(QWidget* parent = nullptr);

  // The first failed check of "Ok" as its German message; empty when the entry is accepted.
  static QString PasswordProblem(const QString& password, const QString& repeat);

  // The password packing uses: the repeat field as typed.
  QString RepeatedPassword() const;

  QLineEdit* Edit1 = nullptr;  // "Passwort :"
  QLineEdit* Edit2 = nullptr;  // "Wiederholen :"
  QPushButton* Button1 = nullptr;  // "Ok"
  QPushButton* Button2 = nullptr;  // "Abbrechen"

  void Button1Click();
  void Button2Click();
};
