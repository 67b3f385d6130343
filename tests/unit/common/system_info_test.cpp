#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QRegularExpression>

#include "common/system_info.h"

namespace {

TEST(AVersionText, namesTheKnownWindowsVersionsAndShowsTheNumbers) {
  using P = OsVersion::Platform;
  struct Case {
    OsVersion version;
    const char* text;
  };
  const Case cases[] = {
      {{P::WindowsNT, {}, 5, 1, 2600, "Service Pack 3"},
       "Windows XP, Service Pack 3   (5.1, Build 2600: Service Pack 3)"},
      {{P::WindowsNT, {}, 6, 1, 7601, "Service Pack 1"},
       "Unbekannte Version, Service Pack 1   (6.1, Build 7601: Service Pack 1)"},
      {{P::Windows9x, {}, 4, 10, 1998, ""}, "Windows 98   (4.10, Build 1998: )"},
      {{P::Windows9x, {}, 4, 90, 3000, ""}, "Windows Me   (4.90, Build 3000: )"},
      {{P::WindowsNT, {}, 4, 10, 1, ""}, "Unbekannte Version   (4.10, Build 1: )"},
      {{P::WindowsNT, {}, 3, 51, 1057, ""}, "Windows NT 3.51   (3.51, Build 1057: )"},
      {{P::Other, "Debian GNU/Linux 12 (bookworm)", 6, 1, 0, ""},
       "Debian GNU/Linux 12 (bookworm)   (6.1, Build 0: )"},
      {{P::Other, "", 6, 1, 0, ""}, "Unbekannte Version   (6.1, Build 0: )"},
  };
  for (const Case& c : cases) EXPECT_EQ(VersionText(c.version), QString::fromUtf8(c.text));
}

TEST(ASystemInfo, knowsTheRunningSystemUserAndMachine) {
  const TSysInfo info;
  EXPECT_FALSE(info.UserName().isEmpty());
  EXPECT_EQ(info.UserName(), CurrentUserName());
  EXPECT_FALSE(info.ComputerName().isEmpty());
  EXPECT_TRUE(info.WindowsVersionText().contains(QRegularExpression(R"(   \(\d+\.\d+, Build \d+: \)$)")))
      << info.WindowsVersionText().toStdString();
  const QString addresses = info.IpAddresses();
  if (!addresses.isEmpty()) {
    for (const QString& address : addresses.split(QStringLiteral("\r\n"))) {
      EXPECT_EQ(QHostAddress(address).protocol(), QAbstractSocket::IPv4Protocol) << address.toStdString();
    }
  }
}

TEST(ASystemInfo, givesTheProgramsOwnVersionInformationOnly) {
  const TSysInfo info;
  const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
  EXPECT_TRUE(info.VersionInfoString(program, "ProductVersion").contains(QRegularExpression(R"(^\d+\.\d+)")));
  EXPECT_TRUE(info.VersionInfoString(program, "Stand").contains(QRegularExpression(R"(^\d\d\.\d\d\.\d{4}$)")));
  EXPECT_EQ(info.VersionInfoString(program, "FileDescription"), QString());
  EXPECT_EQ(info.VersionInfoString("/bin/sh", "ProductVersion"), QString());
  EXPECT_EQ(info.VersionInfoString("/gibt/es/nicht", "ProductVersion"), QString());
}

TEST(ADirInfo, givesFoldersWithOneTrailingSeparator) {
  const TDirInfo info;
  EXPECT_EQ(info.TempFolder(), QDir::tempPath() + u'/');
  EXPECT_FALSE(info.TempFolder().endsWith(QStringLiteral("//")));
  const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
  EXPECT_EQ(info.ProgramFolder() + QFileInfo(program).fileName(), program);
}

}  // namespace
