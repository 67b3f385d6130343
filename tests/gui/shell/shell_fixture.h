#pragma once
// What the main window tests share: a fresh XDG data home per test, an INI written before the
// window starts, photo folders with small real JPEGs, and scripted answers to the window's
// questions and pickers.

#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/progress_form.h"
#include "shell/main_window.h"
#include "shell/shell_dialogs.h"

struct ShownMessage {
  MessageKind kind;
  QString text;
};

// Answers from a script and records every call.
class ScriptedDialogs : public ShellDialogs {
 public:
  void ShowMessage(QWidget*, MessageKind kind, const QString& text) override {
    messages.push_back({kind, text});
  }
  bool AskYesNo(QWidget*, MessageKind kind, const QString& text) override {
    questions.push_back({kind, text});
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text.toStdString();
      return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  QString BrowseForFolder(QWidget*, const QString& title) override {
    calls << QStringLiteral("BrowseForFolder:") + title;
    return folderToChoose;
  }
  QStringList OpenFiles(QWidget*, const QString& title, const QString& filter) override {
    calls << QStringLiteral("OpenFiles:") + title + QStringLiteral("|") + filter;
    return filesToChoose;
  }

  std::vector<ShownMessage> messages;
  std::vector<ShownMessage> questions;
  std::deque<bool> answers;
  QString folderToChoose;
  QStringList filesToChoose;
  QStringList calls;
};

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The user's folder below the test's data home, with trailing separator.
  QString UserFolder() const;
  // Writes "Velmora.ini" before the window starts.
  void WriteIni(const QString& text) const;
  // A folder of the test (created), with trailing separator.
  QString MakeFolder(const QString& relative) const;
  // A small JPEG with make, model, date and size; returns its path.
  QString WriteCameraJpeg(const QString& relativePath, const std::string& make = "Canon",
                          const std::string& model = "EOS 5") const;
  // The bytes of such a JPEG.
  static QByteArray CameraJpegBytes(const std::string& make = "Canon",
                                    const std::string& model = "EOS 5");
  // A folder of count small JPEGs in sub-folders of 100; returns the folder.
  QString MakeLargeFolder(const QString& relative, int count) const;
  // A file with the given bytes; returns its path.
  QString WriteFile(const QString& relativePath, const QByteArray& bytes) const;

  // Creates the main window (its start-up runs now); dialogs() answers its questions.
  TfrmHaupt& StartWindow();
  // Shows the window and makes it the active one, so keys and focus behave as on a desktop.
  void ShowAndActivate();
  ScriptedDialogs& dialogs() { return *dialogs_; }

  // Appends rows with the given check marks and captions "0.jpg", "1.jpg", ... and no other text.
  void AppendPlainRows(const std::vector<bool>& checks);
  std::vector<bool> CheckMarks() const;
  QStringList Captions() const;

  QTemporaryDir dataHome_;
  QTemporaryDir files_;
  QByteArray oldDataHome_;
  TfrmFortschritt progress_;
  ScriptedDialogs* dialogs_ = nullptr;
  std::unique_ptr<TfrmHaupt> window_;
};
