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

  // Lines are collected and written in blocks of about 64 KiB.
  QString line;
  QByteArray block;
  for (int i = 0; i < list.rowCount(); ++i) {
    const PhotoRow& row = list.row(i);
    line.clear();
    for (int column = 0; column < kPhotoColumnCount; ++column) {
      if (column > 0) line += u'\t';
      line += row.Cell(column);
    }
    line += u'\n';
    block += line.toUtf8();
    if (block.size() >= 64 * 1024 || i + 1 == list.rowCount()) {
      std::fwrite(block.constData(), 1, static_cast<size_t>(block.size()), stdout);
      block.clear();
    }
  }
  std::fflush(stdout);
  return cli::kExitOk;
}

}  // namespace

VELMORA_CLI_COMMAND("scan", "scan PFAD...       Ordner und Bilder einlesen, je Zeile die zehn Spalten (TAB-getrennt)", RunScan);
