#include "shell/shell_dialogs.h"

#include <QDir>
#include <QFileDialog>

#include "common/folder_browser.h"
#include "common/message_boxes.h"

void SystemShellDialogs::ShowMessage(QWidget* parent, MessageKind kind, const QString& text) {
  ShowMessageBox(parent, kind, text);
}

bool SystemShellDialogs::AskYesNo(QWidget* parent, MessageKind kind, const QString& text) {
  return AskYesNoBox(parent, kind, text);
}

QString SystemShellDialogs::BrowseForFolder(QWidget* parent, const QString& title) {
  return ::BrowseForFolder(parent, title);
}

QStringList SystemShellDialogs::OpenFiles(QWidget* parent, const QString& title,
                                          const QString& filter) {
  QFileDialog dialog(parent, title, QDir::homePath(), filter);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}
