#pragma once
// Reading and writing AppSettings and the main window's position in "Velmora.ini".

#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

#include "settings/app_settings.h"
#include "settings/user_data_folder.h"
#include "settings/window_placement.h"

// UserDataFolder() + "Velmora.ini".
QString SettingsFilePath();

// Reads the keys of Allgemein, Ordner and Programme in table order. Each missing key or
// unreadable number keeps the value of `current` (a text keeps it trimmed); flags are numbers,
// true when not 0; "0x"/"0X" numbers are hexadecimal; texts are taken as stored (at most 2047
// characters). A missing or unreadable file yields `current` with trimmed texts.
AppSettings LoadSettings(const QString& iniPath = SettingsFilePath(),
                         const AppSettings& current = AppSettings());

// Reads section Position; missing keys give the defaults of StoredWindowPosition. Start-up
// calls it only when AppSettings::Position is true, and places the window with PlaceMainWindow.
StoredWindowPosition LoadWindowPosition(const QString& iniPath = SettingsFilePath());

// Where start-up puts the main window: nothing when settings.Position is false (the window keeps
// its designed size, centred), otherwise the stored position clamped to the screen size.
std::optional<WindowPlacement> LoadMainWindowPlacement(const AppSettings& settings,
                                                       const QSize& screenSize,
                                                       const QString& iniPath = SettingsFilePath());

// Writes every key of Allgemein, Ordner and Programme from `settings` (texts trimmed), leaving
// section Position and everything else in the file untouched. The new file replaces the old one
// in one step; on failure a FileError is thrown and the old file stays as it was.
void SaveSettings(const AppSettings& settings, const QString& iniPath = SettingsFilePath());

// Only when settings.Position is true: writes Left, Top, Width and Height from the normal
// bounds when the window is not maximized, then Maximized. Throws FileError like SaveSettings.
void SaveWindowPosition(const AppSettings& settings, const QRect& normalBounds, bool maximized,
                        const QString& iniPath = SettingsFilePath());
