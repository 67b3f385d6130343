#include "shell_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "catalogue/photo_list.h"
#include "fixture_builder.h"

void ShellTest::SetUp() {
  ASSERT_TRUE(dataHome_.isValid());
  ASSERT_TRUE(files_.isValid());
  oldDataHome_ = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_.path()));
}

void ShellTest::TearDown() {
  window_.reset();
  qputenv("XDG_DATA_HOME", oldDataHome_);
}

QString ShellTest::UserFolder() const { return dataHome_.path() + QStringLiteral("/Quenbrook/Velmora/"); }

void ShellTest::WriteIni(const QString& text) const {
  QDir().mkpath(UserFolder());
  QFile ini(UserFolder() + QStringLiteral("Velmora.ini"));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write(text.toUtf8());
}

QString ShellTest::MakeFolder(const QString& relative) const {
  const QString path = files_.path() + QLatin1Char('/') + relative;
  QDir().mkpath(path);
  return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString ShellTest::WriteFile(const QString& relativePath, const QByteArray& bytes) const {
  const QString path = files_.path() + QLatin1Char('/') + relativePath;
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return QString();
  file.write(bytes);
  return path;
}

QByteArray ShellTest::CameraJpegBytes(const std::string& make, const std::string& model) {
  fixture::TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, make).Ascii(ifd0, 0x0110, model).Pointer(ifd0, 0x8769, exif);
  tiff.Ascii(exif, 0x9003, "2023:05:06 07:08:09");
  tiff.Short(exif, 0xA002, {64}).Short(exif, 0xA003, {48});
  const std::string bytes = fixture::JpegBuilder().App1Exif(tiff.Build()).Image().Build();
  return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

QString ShellTest::WriteCameraJpeg(const QString& relativePath, const std::string& make,
                                   const std::string& model) const {
  return WriteFile(relativePath, CameraJpegBytes(make, model));
}

QString ShellTest::MakeLargeFolder(const QString& relative, int count) const {
  const QString folder = MakeFolder(relative);
  const QByteArray bytes = CameraJpegBytes();
  for (int i = 0; i < count; ++i)
    WriteFile(QString("%1/%2/p%3.jpg").arg(relative).arg(i / 100).arg(i), bytes);
  return folder;
}

TfrmHaupt& ShellTest::StartWindow() {
  auto dialogs = std::make_unique<ScriptedDialogs>();
  dialogs_ = dialogs.get();
  window_ = std::make_unique<TfrmHaupt>(&progress_, std::move(dialogs));
  return *window_;
}

void ShellTest::ShowAndActivate() {
  window_->ShowAtStart();
  QApplication::setActiveWindow(window_.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

void ShellTest::AppendPlainRows(const std::vector<bool>& checks) {
  PhotoList& list = window_->Photos();
  for (bool checked : checks) {
    PhotoRow row;
    row.checked = checked;
    row.caption = QString::number(list.rowCount()) + QStringLiteral(".jpg");
    list.append(row);
  }
}

std::vector<bool> ShellTest::CheckMarks() const {
  std::vector<bool> marks;
  const PhotoList& list = window_->Photos();
  for (int row = 0; row < list.rowCount(); ++row) marks.push_back(list.row(row).checked);
  return marks;
}

QStringList ShellTest::Captions() const {
  QStringList captions;
  const PhotoList& list = window_->Photos();
  for (int row = 0; row < list.rowCount(); ++row) captions << list.row(row).caption;
  return captions;
}
