// Program entry: the splash window, the application title, the progress window, then the main
// window (its start-up runs while it is created), and the event loop until it closes.

#include <QApplication>
#include <QTimer>

#include "catalogue/progress_form.h"
#include "common/program_icon.h"
#include "jobs/log_window.h"
#include "jobs/rename_dialog.h"
#include "jobs/sort_dialog.h"
#include "shell/main_window.h"
#include "shell/splash_form.h"

namespace {

// For scripts that need a picture of the window without a display: when this variable names a
// PNG file, the program saves the main window into it once it is shown and quits.
constexpr char kGrabVariable[] = "VELMORA_GRAB_WINDOW";
constexpr int kGrabDelayMs = 1800;

void GrabAndQuitLater(TfrmHaupt& window, const QString& pngPath) {
  QTimer::singleShot(kGrabDelayMs, &window, [&window, pngPath] {
    const bool saved = window.grab().save(pngPath, "PNG");
    QCoreApplication::exit(saved ? 0 : 1);
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);

  auto* splash = new TSplashForm;  // releases itself after its time
  splash->ShowNow();
  // The title the desktop shows for the program (a display name would also be appended to every
  // window caption).
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setWindowIcon(ProgramIcon());

  TfrmFortschritt progress;
  TfrmHaupt mainWindow(&progress);
  // >>> The other windows are created here, in their fixed order, once they exist.
  TForm3 logWindow(mainWindow.Settings(), &mainWindow);
  mainWindow.logWindow = &logWindow;
  // The rename dialog hands its job to the log window, so it is made right after it.
  TForm2 renameDialog(mainWindow.Photos(), logWindow, mainWindow.Settings(), &mainWindow);
  mainWindow.renameDialog = &renameDialog;
  TForm11 sortDialog(mainWindow.Photos(), logWindow, &mainWindow);
  mainWindow.sortDialog = &sortDialog;

  mainWindow.ShowAtStart();
  const QString grabPath = qEnvironmentVariable(kGrabVariable);
  if (!grabPath.isEmpty()) GrabAndQuitLater(mainWindow, grabPath);
  return app.exec();
}
