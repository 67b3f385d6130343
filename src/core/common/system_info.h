#pragma once
// Facts about the user, the machine and the program, as the info dialog, the JobLog's start
// line and the start-up read them.

#include <QString>

// The logged-on user's name; empty when the system cannot tell.
QString CurrentUserName();
// The computer's network (host) name; empty when the system cannot tell.
QString CurrentComputerName();

// The operating system's version numbers, as the version text is made from them.
struct OsVersion {
  enum class Platform { Windows9x, WindowsNT, Other };
  Platform platform = Platform::Other;
  QString productName;  // the platform's own name of the system (used for Platform::Other)
  int major = 0;
  int minor = 0;
  int build = 0;
  QString servicePack;
};

// The system's version text: the name of a known Windows version, the product name on other
// platforms, or "Unbekannte Version"; then ", " and the service pack text when there is one;
// then "   (major.minor, Build n: servicePack)".
QString VersionText(const OsVersion& version);

class TSysInfo {
 public:
  // The per-user application data folder, without trailing separator.
  QString AppDataFolder() const;
  QString UserName() const;
  QString ComputerName() const;
  // Every IPv4 address of the machine's network interfaces (loopback only when there is no
  // other), dotted, joined by CR LF; empty when there is none.
  QString IpAddresses() const;
  // VersionText of the running system (product name and kernel version on Linux).
  QString WindowsVersionText() const;
  // The version information of the program file: "ProductVersion" gives the program version,
  // "Stand" the build date, every other key an empty text. A file that is not the running
  // program has no version information (empty text).
  QString VersionInfoString(const QString& file, const QString& key) const;
};

class TDirInfo {
 public:
  // The system's temporary folder, with one trailing separator.
  QString TempFolder() const;
  // The folder of the running program's file, with one trailing separator.
  QString ProgramFolder() const;
};
