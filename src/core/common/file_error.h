#pragma once
// The error a file or platform operation raises when it cannot do its work. The general error
// handler of the program shows Text() in a message box; the operation that raised it stops there.

#include <QString>
#include <stdexcept>

class FileError : public std::runtime_error {
 public:
  explicit FileError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
  // The message for the user (German, or the platform's own text).
  const QString& Text() const { return text_; }

 private:
  QString text_;
};
