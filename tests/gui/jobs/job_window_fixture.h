#pragma once
// A log window and a sort dialog over a photo list of real files in a temporary folder, with a
// fixed clock and a temporary log folder; helpers to act inside modal windows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "catalogue/photo_list.h"
#include "jobs/log_window.h"
#include "jobs/sort_dialog.h"
#include "settings/app_settings.h"

class JobWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp.isValid());
    photos = temp.path() + QStringLiteral("/Bilder/");
    logs = temp.path() + QStringLiteral("/Logdat/");
    ASSERT_TRUE(QDir().mkpath(photos));
    ASSERT_TRUE(QDir().mkpath(logs));
    mainWindow = std::make_unique<QWidget>();
    logWindow = std::make_unique<TForm3>(settings, mainWindow.get());
    logWindow->SetClock([] { return QDateTime(QDate(2008, 3, 3), QTime(9, 7, 30)); });
    logWindow->SetLogFolder(logs);
    sortDialog = std::make_unique<TForm11>(list, *logWindow, mainWindow.get());
  }
  void TearDown() override {
    sortDialog.reset();
    logWindow.reset();
  }

  // A checked row for a new file with file date 24.12.2007 and no EXIF data.
  void AddPhoto(const QString& name) {
    QFile file(photos + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(name.toUtf8());
    PhotoRow row;
    row.checked = true;
    row.caption = name;
    row.texts = {photos, QStringLiteral("24.12.2007"), QStringLiteral("12:00:00"),
                 QStringLiteral("JPEG-Datei"), QStringLiteral("-"), QStringLiteral("-"),
                 QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")};
    list.append(row);
  }

  // Runs step as soon as the event loop of the next modal window turns.
  static void Soon(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

  // The sort dialog as the main window shows it; inside the log window's modal loop `inLog` runs.
  int RunSortDialog(std::function<void()> inLog) {
    Soon([this, inLog] {
      Soon(inLog);
      sortDialog->Button1->click();
    });
    return sortDialog->exec();
  }

  QStringList LogFiles() const { return QDir(logs).entryList(QDir::Files); }

  QTemporaryDir temp;
  QString photos;
  QString logs;
  AppSettings settings;
  PhotoList list;
  std::unique_ptr<QWidget> mainWindow;
  std::unique_ptr<TForm3> logWindow;
  std::unique_ptr<TForm11> sortDialog;
};
