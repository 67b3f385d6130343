#include "common/system_info.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QStandardPaths>
#include <QStringList>
#include <QSysInfo>
#include <QVersionNumber>
#include <array>

#include "common/path_helpers.h"

#ifndef VELMORA_VERSION_TEXT
#define VELMORA_VERSION_TEXT ""
#endif
#ifndef VELMORA_BUILD_DATE
#define VELMORA_BUILD_DATE ""
#endif

namespace {

struct KnownWindowsVersion {
  OsVersion::Platform platform;
  int major;
  int minor;
  const char* name;
};
// The Windows versions the version text names.
constexpr std::array<KnownWindowsVersion, 8> kKnownWindowsVersions{{
    {OsVersion::Platform::Windows9x, 4, 0, "Windows 95"},
    {OsVersion::Platform::Windows9x, 4, 10, "Windows 98"},
    {OsVersion::Platform::Windows9x, 4, 90, "Windows Me"},
    {OsVersion::Platform::WindowsNT, 3, 51, "Windows NT 3.51"},
    {OsVersion::Platform::WindowsNT, 4, 0, "Windows NT 4"},
    {OsVersion::Platform::WindowsNT, 5, 0, "Windows 2000"},
    {OsVersion::Platform::WindowsNT, 5, 1, "Windows XP"},
    {OsVersion::Platform::WindowsNT, 5, 2, "Windows .NET Server"},
}};

constexpr char kUnknownVersion[] = "Unbekannte Version";
constexpr char kProductVersionKey[] = "ProductVersion";
constexpr char kBuildDateKey[] = "Stand";

QString RunningProgramFile() { return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath(); }

// The running system's version: the product name and the kernel's version numbers.
OsVersion RunningSystemVersion() {
  OsVersion version;
  version.productName = QSysInfo::prettyProductName();
  const QVersionNumber kernel = QVersionNumber::fromString(QSysInfo::kernelVersion());
  version.major = kernel.majorVersion();
  version.minor = kernel.minorVersion();
  version.build = kernel.microVersion();
  return version;
}

}  // namespace

QString CurrentUserName() {
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name)
    return QString::fromLocal8Bit(entry->pw_name);
  return qEnvironmentVariable("USER");
}

QString CurrentComputerName() { return QSysInfo::machineHostName(); }

QString VersionText(const OsVersion& version) {
  QString text = QLatin1String(kUnknownVersion);
  if (version.platform == OsVersion::Platform::Other) {
    if (!version.productName.isEmpty()) text = version.productName;
  } else {
    for (const KnownWindowsVersion& known : kKnownWindowsVersions) {
      if (known.platform == version.platform && known.major == version.major &&
          known.minor == version.minor)
        text = QLatin1String(known.name);
    }
  }
  if (!version.servicePack.isEmpty()) text += QStringLiteral(", ") + version.servicePack;
  text += QStringLiteral("   (%1.%2, Build %3: %4)")
              .arg(version.major)
              .arg(version.minor)
              .arg(version.build)
              .arg(version.servicePack);
  return text;
}

QString TSysInfo::AppDataFolder() const {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  while (folder.size() > 1 && folder.endsWith(kPathSeparator)) folder.chop(1);
  return folder;
}

QString TSysInfo::UserName() const { return CurrentUserName(); }

QString TSysInfo::ComputerName() const { return CurrentComputerName(); }

QString TSysInfo::IpAddresses() const {
  QStringList addresses;
  QStringList loopback;
  for (const QNetworkInterface& device : QNetworkInterface::allInterfaces()) {
    if (!device.flags().testFlag(QNetworkInterface::IsUp)) continue;
    for (const QNetworkAddressEntry& entry : device.addressEntries()) {
      const QHostAddress address = entry.ip();
      if (address.protocol() != QAbstractSocket::IPv4Protocol) continue;
      (address.isLoopback() ? loopback : addresses).append(address.toString());
    }
  }
  return (addresses.isEmpty() ? loopback : addresses).join(QStringLiteral("\r\n"));
}

QString TSysInfo::WindowsVersionText() const { return VersionText(RunningSystemVersion()); }

QString TSysInfo::VersionInfoString(const QString& file, const QString& key) const {
  const QString program = RunningProgramFile();
  if (program.isEmpty() || QFileInfo(file).canonicalFilePath() != program) return {};
  if (key == QLatin1String(kProductVersionKey)) return QStringLiteral(VELMORA_VERSION_TEXT);
  if (key == QLatin1String(kBuildDateKey)) return QStringLiteral(VELMORA_BUILD_DATE);
  return {};
}

QString TDirInfo::TempFolder() const { return WithTrailingBackslash(QDir::tempPath()); }

QString TDirInfo::ProgramFolder() const { return ExtractFolderPart(RunningProgramFile()); }
