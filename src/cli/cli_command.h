#pragma once
// A subcommand of velmora-cli. Each command file registers itself with VELMORA_CLI_COMMAND;
// main() looks the name up and calls the command with the arguments after its name.

#include <QStringList>
#include <functional>
#include <vector>

namespace cli {

// Exit codes shared by all commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailures = 1;  // the command ran, but some item failed
inline constexpr int kExitUsage = 2;     // wrong call

using CommandFn = std::function<int(const QStringList& args)>;

struct Command {
  const char* name;
  const char* usage;  // one or more lines, shown by --help and on a wrong call
  CommandFn run;
};

std::vector<Command>& Registry();

struct Registrar {
  Registrar(const char* name, const char* usage, CommandFn run) {
    Registry().push_back({name, usage, std::move(run)});
  }
};

// Writes "velmora-cli: <message>" and the command's usage to stderr; returns kExitUsage.
int UsageError(const Command& command, const QString& message);
const Command* FindCommand(const QString& name);

}  // namespace cli

#define VELMORA_CLI_CONCAT2(a, b) a##b
#define VELMORA_CLI_CONCAT(a, b) VELMORA_CLI_CONCAT2(a, b)
#define VELMORA_CLI_COMMAND(name, usage, fn) \
  static ::cli::Registrar VELMORA_CLI_CONCAT(cliRegistrar_, __LINE__)(name, usage, fn)
