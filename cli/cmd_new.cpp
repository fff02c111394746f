// zq4071-cli new [--range N] -o FILE.dat: the configuration a new document starts with.
#include "commands.h"
#include "data_commands.h"
#include "datafile/init_defaults.h"
#include "platform/local_date.h"

namespace zq::cli {

void AddNewCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("new", Say(Txt::CliNewHelp));
  static std::filesystem::path output;
  static int range = -1;
  AddFileOption(*cmd, "-o,--output", output, Say(Txt::CliOutputHelp))->required();
  cmd->add_option("--range", range, Say(Txt::CliRangeHelp));
  cmd->callback([&exitCode] {
    if (range != -1 && (range < 0 || range > 2)) {
      Complain(Say(Txt::CliRangeInvalid));
      exitCode = kUsage;
      return;
    }
    ProgramState& state = StartedState();
    bool fromTemplate = state.templateLoaded;
    if (range != -1) {
      // Start from the template of the chosen range, then keep that range.
      state.document.rangeText = RangeTextOfIndex(range);
      fromTemplate = InitDefaults(Layout().dataFolder, LocalToday(), state);
      state.config.RangeType = {static_cast<int16_t>(range), static_cast<int16_t>(range)};
      state.document.rangeText = RangeTextOfIndex(range);
    }
    // Without its template a new configuration has no channels: no file is better than that one.
    if (!fromTemplate) {
      ComplainTemplateMissing(state.document.rangeText);
      exitCode = kInputError;
      return;
    }
    if (!SaveForCommand(output, state)) exitCode = kOutputError;
  });
}

}  // namespace zq::cli
