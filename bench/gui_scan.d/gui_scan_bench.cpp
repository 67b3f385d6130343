// Times reading a folder tree into the main window, shown offscreen, as "Weiteren Ordner
// hinzufügen" does: the rows stream into the visible list with the progress form up.
//   gui_scan_bench FOLDER   prints "<milliseconds> <rows>"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include "catalogue/photo_list.h"
#include "catalogue/progress_form.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: gui_scan_bench FOLDER\n");
    return 2;
  }
  // A fresh user folder, so no stored settings or start folder take part.
  QTemporaryDir dataHome;
  qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));

  TfrmFortschritt progress;
  TfrmHaupt window(&progress);
  window.ShowAtStart();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;

  QElapsedTimer clock;
  clock.start();
  window.ReadFolderIntoList(QString::fromLocal8Bit(argv[1]));
  QApplication::processEvents();  // the last repaint belongs to the scan
  const qint64 elapsed = clock.elapsed();
  std::printf("%lld %d\n", static_cast<long long>(elapsed), window.Photos().rowCount());
  return 0;
}
