#pragma once
// The radio the program talks to in demonstration mode: a simulated ZQ4071
// that can work all bands, holding the Initial Setting configuration.
#include <filesystem>
#include <memory>

#include "link/simulated_radio.h"

namespace zq {

// With `wireSpeed`, replies take as long as the bytes need at 115200 baud, so a
// transfer feels like one over a cable.
std::unique_ptr<SimulatedRadio> MakeDemoRadio(const std::filesystem::path& dataFolder, bool wireSpeed);

}  // namespace zq
