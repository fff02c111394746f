// zq4071-cli ports: the serial ports of this computer and their port numbers.
#include <iostream>

#include "commands.h"
#include "link/port_list.h"
#include "shell/language_table.h"

namespace zq::cli {

void AddPortsCommand(CLI::App& app, int& exitCode) {
  auto* command = app.add_subcommand(
      "ports", "List the serial ports as COM<number> and device; a pseudo-terminal is never listed but can be named");
  auto language = std::make_shared<int>(1);
  command->add_option("--language", *language, "1 English, 2 Chinese")->check(CLI::Range(1, 2));
  command->callback([&exitCode, language] {
    auto entries = ListSerialPorts();
    if (entries.empty()) std::cerr << Text(Txt::NoSerialPorts, *language) << '\n';
    for (const PortEntry& entry : entries) std::cout << entry.text() << '\t' << entry.device << '\n';
    exitCode = kOk;
  });
}

}  // namespace zq::cli
