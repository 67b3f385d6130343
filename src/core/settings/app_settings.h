#pragma once
// AppSettings: every setting of "Velmora.ini" in one record, its fields named after the INI keys.
// Created zero-filled, loaded once at start-up, changed only by the settings dialog.

#include <QString>
#include <array>

struct AppSettings {
  // [Allgemein]
  bool Beenden = false;    // quit without the confirmation question
  bool Position = false;   // save the main window's position on closing, restore it at start-up
  bool AutoSave = false;   // save the job log automatically when a job ends or is cancelled
  bool ShowSave = false;   // open a saved list or export at once in its program
  bool Gitter = false;     // grid lines in the photo list
  bool ClearView = false;  // empty the photo list after a rename job
  bool PlayEnd = false;    // play KlangEnd when a job has finished
  QString KlangEnd;        // WAV file
  bool PlayErr = false;    // play KlangErr when a file cannot be processed
  QString KlangErr;        // WAV file
  bool Norton = false;     // photo list navy with aqua text, without row stripes
  bool Delete = false;     // the Delete key removes the selected rows from the list
  bool Insert = false;     // the Insert key adds images
  int InsOption = 0;       // 0 choose a new folder, 1 add single images, 2 add a further folder
  int Delimeter = 0;       // CSV field delimiter: 0 comma, 1 semicolon, 2 tab
  bool Vorschau = false;   // show the mini preview window at start-up
  bool Explorer = false;   // show the explorer window at start-up
  // [Ordner]
  bool StdAusgabe = false;  // pre-fill the rename dialog's target folder with StdOrdner
  QString StdOrdner;
  bool ZipAusgabe = false;  // pre-fill the rename dialog's zip output folder with ZipOrdner
  QString ZipOrdner;
  bool Start = false;       // read StartOrdner into the photo list at start-up
  QString StartOrdner;
  // [Programme]
  bool EigenBTSoft = false;  // previews open in the viewer BTSoft
  QString BASoft;            // image editing program
  QString BTSoft;            // image viewer
  QString GeoTagger;         // geotagging program

  bool operator==(const AppSettings&) const = default;
};

enum class SettingType { Flag, Number, Text };

// One key of the INI file and the AppSettings field it fills; exactly one member pointer is set.
struct SettingKey {
  const char* section;
  const char* key;
  SettingType type;
  bool AppSettings::*flag = nullptr;
  int AppSettings::*number = nullptr;
  QString AppSettings::*text = nullptr;
};

// Every key of the sections Allgemein, Ordner and Programme, in reading and writing order.
// The default of each is the zero-filled value of AppSettings.
inline constexpr std::array<SettingKey, 27> kSettingKeys{{
    {"Allgemein", "Beenden", SettingType::Flag, &AppSettings::Beenden},
    {"Allgemein", "Position", SettingType::Flag, &AppSettings::Position},
    {"Allgemein", "AutoSave", SettingType::Flag, &AppSettings::AutoSave},
    {"Allgemein", "ShowSave", SettingType::Flag, &AppSettings::ShowSave},
    {"Allgemein", "Gitter", SettingType::Flag, &AppSettings::Gitter},
    {"Allgemein", "ClearView", SettingType::Flag, &AppSettings::ClearView},
    {"Allgemein", "PlayEnd", SettingType::Flag, &AppSettings::PlayEnd},
    {"Allgemein", "KlangEnd", SettingType::Text, nullptr, nullptr, &AppSettings::KlangEnd},
    {"Allgemein", "PlayErr", SettingType::Flag, &AppSettings::PlayErr},
    {"Allgemein", "KlangErr", SettingType::Text, nullptr, nullptr, &AppSettings::KlangErr},
    {"Allgemein", "Norton", SettingType::Flag, &AppSettings::Norton},
    {"Allgemein", "Delete", SettingType::Flag, &AppSettings::Delete},
    {"Allgemein", "Insert", SettingType::Flag, &AppSettings::Insert},
    {"Allgemein", "InsOption", SettingType::Number, nullptr, &AppSettings::InsOption},
    {"Allgemein", "Delimeter", SettingType::Number, nullptr, &AppSettings::Delimeter},
    {"Allgemein", "Vorschau", SettingType::Flag, &AppSettings::Vorschau},
    {"Allgemein", "Explorer", SettingType::Flag, &AppSettings::Explorer},
    {"Ordner", "StdAusgabe", SettingType::Flag, &AppSettings::StdAusgabe},
    {"Ordner", "StdOrdner", SettingType::Text, nullptr, nullptr, &AppSettings::StdOrdner},
    {"Ordner", "ZipAusgabe", SettingType::Flag, &AppSettings::ZipAusgabe},
    {"Ordner", "ZipOrdner", SettingType::Text, nullptr, nullptr, &AppSettings::ZipOrdner},
    {"Ordner", "Start", SettingType::Flag, &AppSettings::Start},
    {"Ordner", "StartOrdner", SettingType::Text, nullptr, nullptr, &AppSettings::StartOrdner},
    {"Programme", "EigenBTSoft", SettingType::Flag, &AppSettings::EigenBTSoft},
    {"Programme", "BASoft", SettingType::Text, nullptr, nullptr, &AppSettings::BASoft},
    {"Programme", "BTSoft", SettingType::Text, nullptr, nullptr, &AppSettings::BTSoft},
    {"Programme", "GeoTagger", SettingType::Text, nullptr, nullptr, &AppSettings::GeoTagger},
}};
