#include "jobs/rename_options.h"

#include "qstring_printer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(RenameOptionLines, holdOnlyTheLinesOfTheChosenOptionsInTheirOrder) {
  RenameOptions options;
  options.pattern = " Urlaub %DL ";
  EXPECT_EQ(RenameOptionLines(options),
            (QStringList{"", " --- Optionen --- ", "", "- Neuer Dateiname:  Urlaub %DL ", "",
                         "- EXIF-Datei für jedes Bild erstellen", "- Originale Dateien umbenennnen", ""}));

  options.lowerCase = true;
  options.action = RenameAction::MoveTo;
  options.targetFolder = "/ziel";
  options.exifScope = ExifFileScope::AllImages;
  options.pack = true;
  options.zipFolder = " /zip ";
  options.zipName = " Fotos ";
  EXPECT_EQ(RenameOptionLines(options).mid(5),
            (QStringList{"- Dateinamen in Kleinbuchstaben umwandeln", "- Eine EXIF-Datei für alle Bilder erstellen",
                         "- Dateien umbenennnen und verschieben", "- Zielordner: /ziel",
                         "- Dateien packen: /zip/Fotos.zip", ""}));
  EXPECT_EQ(RenameCountLine(0), "Anzahl Bilder zum umbenennen: 0");
}

TEST(FirstRenameOptionsProblem, acceptsCompleteOptionsAndRefusesNamesThatLeaveTheirFolder) {
  QTemporaryDir dir;
  RenameOptions options;
  options.pattern = "Urlaub";
  options.action = RenameAction::CopyTo;
  options.targetFolder = " " + dir.path() + " ";
  options.pack = true;
  options.zipFolder = dir.path();
  options.zipName = "Fotos";
  options.writeExif = true;
  options.exifFileName = "alle";
  EXPECT_EQ(FirstRenameOptionsProblem(options, "1"), QString());

  const QString invalid = "Bitte geben Sie einen gültigen Dateinamen an !";
  for (QString RenameOptions::*field : {&RenameOptions::pattern, &RenameOptions::zipName, &RenameOptions::exifFileName}) {
    RenameOptions bad = options;
    bad.*field = "../anderswo";
    EXPECT_EQ(FirstRenameOptionsProblem(bad, "1"), invalid);
  }
}

}  // namespace
