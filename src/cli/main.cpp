// velmora-cli: the command-line companion. Subcommands register themselves (cli_command.h).

#include "cli_command.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace cli {

std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

const Command* FindCommand(const QString& name) {
  for (const Command& command : Registry())
    if (name == QLatin1String(command.name)) return &command;
  return nullptr;
}

int UsageError(const Command& command, const QString& message) {
  QTextStream err(stderr);
  err << "velmora-cli: " << message << "\n" << "Aufruf: " << QString::fromUtf8(command.usage) << "\n";
  return kExitUsage;
}

}  // namespace cli

namespace {

void PrintUsage(QTextStream& out) {
  std::vector<cli::Command> commands = cli::Registry();
  std::sort(commands.begin(), commands.end(),
            [](const cli::Command& a, const cli::Command& b) { return std::string_view(a.name) < b.name; });
  out << "Velmora " << QCoreApplication::applicationVersion() << " - Kommandozeile\n\n"
      << "Aufruf: velmora-cli BEFEHL [OPTIONEN] ...\n\nBefehle:\n";
  for (const cli::Command& command : commands) out << "  " << QString::fromUtf8(command.usage) << "\n";
  out << "  --help\n";
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("Velmora");
  QCoreApplication::setOrganizationName("Quenbrook");
  QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_CLI_VERSION));

  QStringList args = QCoreApplication::arguments().mid(1);
  if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
    QTextStream out(args.isEmpty() ? stderr : stdout);
    PrintUsage(out);
    return args.isEmpty() ? cli::kExitUsage : cli::kExitOk;
  }
  const cli::Command* command = cli::FindCommand(args.first());
  if (!command) {
    QTextStream err(stderr);
    err << "velmora-cli: unbekannter Befehl \"" << args.first() << "\"\n";
    PrintUsage(err);
    return cli::kExitUsage;
  }
  args.removeFirst();
  if (args.contains("--help")) {
    QTextStream(stdout) << "Aufruf: " << QString::fromUtf8(command->usage) << "\n";
    return cli::kExitOk;
  }
  return command->run(args);
}
