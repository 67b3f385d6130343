#pragma once
// A folder tree in a temporary folder for the catalogue tests.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <unistd.h>

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

class TestTree {
 public:
  TestTree() { EXPECT_TRUE(dir_.isValid()); }

  // The tree's root, without a last separator.
  QString Root() const { return dir_.path(); }
  QString Path(const QString& relative) const { return dir_.path() + u'/' + relative; }

  QString AddFolder(const QString& relative) {
    EXPECT_TRUE(QDir().mkpath(Path(relative)));
    return Path(relative);
  }
  QString AddFile(const QString& relative, const QByteArray& bytes = QByteArray("x")) {
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  // A symbolic link at relative pointing to target (a path as given).
  QString AddLink(const QString& relative, const QString& target) {
    const QString path = Path(relative);
    EXPECT_EQ(0, symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()));
    return path;
  }

 private:
  QTemporaryDir dir_;
};
