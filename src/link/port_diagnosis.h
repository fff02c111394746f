#pragma once
// What can be learnt of a serial device before a single byte is sent to it:
// what it is, who may open it, who holds it, and what stands in the way, each
// obstacle with its remedy. The connection doctor of the command line and of
// Help > Check Connection shows it; docs/connection-doctor.md describes it.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "text/language_table.h"

namespace zq {

struct ProcessName {
  int pid = 0;
  std::string name;
};

struct UsbFacts {
  uint16_t vendor = 0;
  uint16_t product = 0;
  std::optional<uint16_t> revision;  // bcdDevice
  std::string usbVersion;            // the bus version the device reports ("1.10", "2.00")
  std::string manufacturer, productName, serialNumber;
};

struct PortFacts {
  std::string device;         // as opened: "/dev/ttyUSB0", "\\.\COM5"
  std::optional<int> number;  // its COM number, when the port-number table has one
  std::string description;    // the adapter's own name, when it gives one
  std::string stableName;     // Linux: its serial/by-id link
  bool present = false;       // the device exists
  bool serial = false;        // the system knows it as a serial port (a tty)
  std::optional<UsbFacts> usb;
  std::string driver;  // the driver serving it ("ftdi_sio", "FTSER2K")
  // Access. `accessKnown` is false where the system has no such rule (Windows).
  bool accessKnown = false;
  bool mayOpen = true;
  std::string group;                  // the group whose members may open it; empty when no group would help
  bool inGroup = false;               // this session counts that group
  bool groupAfterLogin = false;       // the user was added to the group, but this session began before
  bool uaccessTagged = false;         // udev gave it the uaccess tag (the user at the computer's seat gets access)
  bool uaccessRuleInstalled = false;  // the program's udev rule is installed
  // Who holds it: the processes the system names; `heldUnnamed` when it says
  // only that someone does.
  std::vector<ProcessName> holders;
  bool heldUnnamed = false;
  // A pseudo-terminal: the process at its other end (a simulated radio, say).
  std::optional<ProcessName> ptyServer;
  // Linux: ModemManager runs, and nothing tells it to leave this device alone.
  bool modemManagerRunning = false;
  bool modemManagerIgnores = false;
  // Windows: the device manager's problem code (28 no driver, 10 cannot start); 0 for none.
  int systemProblemCode = 0;
};

// Each obstacle with the values it names, and its remedy in one sentence.
struct PortProblem {
  Txt text;
  std::vector<std::string> values;
  Txt remedy;
  std::vector<std::string> remedyValues;
  // Opening or greeting the radio cannot work until it is removed.
  bool blocksHandshake = false;
};

struct PortDiagnosis {
  PortFacts facts;
  std::vector<PortProblem> problems;
};

// The facts of every serial port of the system, in port-number order.
std::vector<PortFacts> ReadAllPortFacts();
// The facts of one device named by its path, listed or not (a pseudo-terminal, a typo).
PortFacts ReadPortFacts(const std::string& device);

// Linux: the folders the facts are read from, so that tests can lay out a
// system of their own.
struct SystemFolders {
  std::filesystem::path sys = "/sys";
  std::filesystem::path dev = "/dev";
  std::filesystem::path proc = "/proc";
  std::filesystem::path udevData = "/run/udev/data";
  std::vector<std::filesystem::path> udevRules = {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d",
                                                  "/lib/udev/rules.d"};
};
std::vector<PortFacts> ReadAllPortFactsIn(const SystemFolders& folders);
PortFacts ReadPortFactsIn(const SystemFolders& folders, const std::string& device);

// The name of the udev rule file the package installs (data/udev).
inline constexpr std::string_view kUdevRuleFile = "70-zq4071-serial-cables.rules";

// The obstacles the facts show, the blocking ones first.
PortDiagnosis Diagnose(PortFacts facts);

// One line of a report: a label ("Driver") and its value, both in the user's language.
struct ReportLine {
  std::string label;
  std::string value;
};
// The facts as the doctor shows them, one line each; lines with nothing to say are left out.
std::vector<ReportLine> FactLines(const PortFacts& facts, int language);
// "COM100  /dev/ttyUSB0", or the device alone when it has no number.
std::string PortHeading(const PortFacts& facts);
std::string ProblemText(const PortProblem& problem, int language);
std::string RemedyText(const PortProblem& problem, int language);

}  // namespace zq
