// velmora-cli scan PATH...: reads folders and single files into one photo list, as the main
// window does, and prints the list: one line per row, its ten cells joined by a TAB.

#include "catalogue/catalogue_scan.h"
#include "catalogue/photo_list.h"
#include "cli_command.h"

#include <QTextStream>

#include <cstdio>

namespace {

int RunScan(const QStringList& args) {
  if (args.isEmpty()) return cli::UsageError(*cli::FindCommand("scan"), "PFAD fehlt");

  PhotoList list;
  QuietScanHost host;
  const QStringList missing = ReadPathsIntoList(list, args, host);
  if (!missing.isEmpty()) {
    QTextStream err(stderr);
    for (const QString& path : missing)
      err << "velmora-cli: \"" << path << "\" existiert nicht und wird übergangen\n";
  }

  // One buffer for all lines: thousands of rows print in a few writes.
  QByteArray out;
  out.reserve(list.rowCount() * 160);
  for (int i = 0; i < list.rowCount(); ++i) {
    const PhotoRow& row = list.row(i);
    for (int column = 0; column < kPhotoColumnCount; ++column) {
      if (column > 0) out += '\t';
      out += row.Cell(column).toUtf8();
    }
    out += '\n';
  }
  std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
  std::fflush(stdout);
  return cli::kExitOk;
}

}  // namespace

VELMORA_CLI_COMMAND("scan", "scan PFAD...       Ordner und Bilder einlesen, je Zeile die zehn Spalten (TAB-getrennt)", RunScan);
