#include "settings/settings_store.h"

#include <array>
#include <limits>

#include "common/file_error.h"
#include "settings/ini_file.h"

namespace {

constexpr char kSettingsFileName[] = "Velmora.ini";
constexpr char kPositionSection[] = "Position";
// At most this many characters of a text setting are read.
constexpr int kMaxTextLength = 2047;

// The number keys of section Position; Maximized is a flag of its own.
struct PositionKey {
  const char* key;
  int StoredWindowPosition::*field;
};
// In writing order.
constexpr std::array<PositionKey, 4> kPositionBounds{{
    {"Left", &StoredWindowPosition::Left},
    {"Top", &StoredWindowPosition::Top},
    {"Width", &StoredWindowPosition::Width},
    {"Height", &StoredWindowPosition::Height},
}};
constexpr char kMaximizedKey[] = "Maximized";

// A stored number: decimal with an optional sign, or hexadecimal after "0x"/"0X" when the value
// is longer than two characters (taken as a 32-bit pattern). Anything else is no number.
std::optional<int> ParseStoredNumber(const QString& text) {
  bool ok = false;
  if (text.size() > 2 && text.at(0) == u'0' && (text.at(1) == u'x' || text.at(1) == u'X')) {
    const QStringView digits = QStringView(text).mid(2);
    if (digits.startsWith(u'+') || digits.startsWith(u'-')) return std::nullopt;
    const qulonglong value = digits.toULongLong(&ok, 16);
    if (!ok || value > std::numeric_limits<quint32>::max()) return std::nullopt;
    return static_cast<int>(static_cast<quint32>(value));
  }
  const int value = text.toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return value;
}

int ReadNumber(const IniFile& ini, const char* section, const char* key, int fallback) {
  const std::optional<QString> text = ini.Value(QLatin1String(section), QLatin1String(key));
  if (!text) return fallback;
  return ParseStoredNumber(*text).value_or(fallback);
}

QString FlagText(bool flag) { return flag ? QStringLiteral("1") : QStringLiteral("0"); }

// Reads the file for an update; a file that exists but cannot be read is not overwritten.
IniFile ReadForUpdate(const QString& iniPath) {
  IniFile ini;
  QString reason;
  if (!ini.Read(iniPath, &reason)) {
    throw FileError(QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden: %2")
                        .arg(iniPath, reason));
  }
  return ini;
}

}  // namespace

QString SettingsFilePath() { return UserDataFolder() + QLatin1String(kSettingsFileName); }

AppSettings LoadSettings(const QString& iniPath, const AppSettings& current) {
  IniFile ini;
  if (!ini.Read(iniPath)) ini = IniFile();  // an unreadable file counts as missing
  AppSettings settings = current;
  for (const SettingKey& key : kSettingKeys) {
    switch (key.type) {
      case SettingType::Flag:
        settings.*key.flag = ReadNumber(ini, key.section, key.key, current.*key.flag ? 1 : 0) != 0;
        break;
      case SettingType::Number:
        settings.*key.number = ReadNumber(ini, key.section, key.key, current.*key.number);
        break;
      case SettingType::Text: {
        const std::optional<QString> text =
            ini.Value(QLatin1String(key.section), QLatin1String(key.key));
        settings.*key.text = text ? text->left(kMaxTextLength) : (current.*key.text).trimmed();
        break;
      }
    }
  }
  return settings;
}

StoredWindowPosition LoadWindowPosition(const QString& iniPath) {
  IniFile ini;
  if (!ini.Read(iniPath)) ini = IniFile();
  StoredWindowPosition position;
  for (const PositionKey& key : kPositionBounds)
    position.*key.field = ReadNumber(ini, kPositionSection, key.key, position.*key.field);
  position.Maximized = ReadNumber(ini, kPositionSection, kMaximizedKey, 0) != 0;
  return position;
}

std::optional<WindowPlacement> LoadMainWindowPlacement(const AppSettings& settings,
                                                       const QSize& screenSize,
                                                       const QString& iniPath) {
  if (!settings.Position) return std::nullopt;
  return PlaceMainWindow(LoadWindowPosition(iniPath), screenSize);
}

void SaveSettings(const AppSettings& settings, const QString& iniPath) {
  IniFile ini = ReadForUpdate(iniPath);
  for (const SettingKey& key : kSettingKeys) {
    QString value;
    switch (key.type) {
      case SettingType::Flag: value = FlagText(settings.*key.flag); break;
      case SettingType::Number: value = QString::number(settings.*key.number); break;
      case SettingType::Text: value = (settings.*key.text).trimmed(); break;
    }
    ini.SetValue(QLatin1String(key.section), QLatin1String(key.key), value);
  }
  ini.Write(iniPath);
}

void SaveWindowPosition(const AppSettings& settings, const QRect& normalBounds, bool maximized,
                        const QString& iniPath) {
  if (!settings.Position) return;
  IniFile ini = ReadForUpdate(iniPath);
  // A maximized window leaves the last normal bounds in the file.
  if (!maximized) {
    const StoredWindowPosition bounds{normalBounds.top(), normalBounds.left(), normalBounds.width(),
                                      normalBounds.height(), false};
    for (const PositionKey& key : kPositionBounds)
      ini.SetValue(QLatin1String(kPositionSection), QLatin1String(key.key),
                   QString::number(bounds.*key.field));
  }
  ini.SetValue(QLatin1String(kPositionSection), QLatin1String(kMaximizedKey), FlagText(maximized));
  ini.Write(iniPath);
}
