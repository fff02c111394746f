// zq4071-cli ports: the serial ports of this computer and their port numbers.
#include <iostream>

#include "commands.h"
#include "data_commands.h"
#include "link/port_list.h"

namespace zq::cli {

void AddPortsCommand(CLI::App& app, int& exitCode) {
  auto* command = app.add_subcommand("ports", Say(Txt::CliPortsHelp));
  command->callback([&exitCode] {
    auto entries = ListSerialPorts();
    if (entries.empty()) Complain(Say(Txt::NoSerialPorts));
    for (const PortEntry& entry : entries)
      std::cout << entry.text() << '\t' << entry.device << '\t' << entry.description << '\t' << entry.stableName
                << '\n';
    exitCode = kOk;
  });
}

}  // namespace zq::cli
