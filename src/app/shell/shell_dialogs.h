#pragma once
// The questions and pickers the main window puts to the user. The program uses the real boxes
// and file dialogs; tests answer them from a script.

#include <QString>
#include <QStringList>

#include "jobs/job_context.h"

class QWidget;

class ShellDialogs {
 public:
  virtual ~ShellDialogs() = default;

  virtual void ShowMessage(QWidget* parent, MessageKind kind, const QString& text) = 0;
  // True only on "Ja".
  virtual bool AskYesNo(QWidget* parent, MessageKind kind, const QString& text) = 0;
  // The chosen folder, empty when cancelled.
  virtual QString BrowseForFolder(QWidget* parent, const QString& title) = 0;
  // The chosen existing files in the dialog's order, empty when cancelled.
  virtual QStringList OpenFiles(QWidget* parent, const QString& title, const QString& filter) = 0;
};

class SystemShellDialogs : public ShellDialogs {
 public:
  void ShowMessage(QWidget* parent, MessageKind kind, const QString& text) override;
  bool AskYesNo(QWidget* parent, MessageKind kind, const QString& text) override;
  QString BrowseForFolder(QWidget* parent, const QString& title) override;
  QStringList OpenFiles(QWidget* parent, const QString& title, const QString& filter) override;
};
