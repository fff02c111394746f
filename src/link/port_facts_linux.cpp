// The facts of a serial device on Linux, from sysfs, udev's database and /proc.
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "link/port_diagnosis.h"
#include "link/port_list.h"
#include "link/port_refusal.h"
#include "text/plain_text.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

std::string FileLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return std::string(Trim(line));
}

std::optional<uint16_t> HexNumber(const std::string& text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  unsigned value = 0;
  for (char c : text) {
    int digit = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : -1;
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(digit);
  }
  return static_cast<uint16_t>(value);
}

// The USB device is the first folder above the tty that carries vendor and product ids.
std::optional<UsbFacts> UsbFactsAbove(const fs::path& ttyDevice) {
  constexpr int kLevelsUp = 5;
  std::error_code ec;
  fs::path folder = fs::canonical(ttyDevice, ec);
  for (int level = 0; !ec && level < kLevelsUp && folder.has_relative_path(); ++level, folder = folder.parent_path()) {
    auto vendor = HexNumber(FileLine(folder / "idVendor"));
    auto product = HexNumber(FileLine(folder / "idProduct"));
    if (!vendor || !product) continue;
    UsbFacts usb;
    usb.vendor = *vendor;
    usb.product = *product;
    usb.revision = HexNumber(FileLine(folder / "bcdDevice"));
    usb.usbVersion = FileLine(folder / "version");
    usb.manufacturer = FileLine(folder / "manufacturer");
    usb.productName = FileLine(folder / "product");
    usb.serialNumber = FileLine(folder / "serial");
    return usb;
  }
  return std::nullopt;
}

// udev keeps what its rules gave a device in a file named for the device's
// numbers ("c188:0"): tags on "G:" lines, properties on "E:" lines.
struct UdevRecord {
  bool uaccess = false;
  bool modemManagerIgnores = false;
};

UdevRecord UdevRecordOf(const SystemFolders& folders, const std::string& deviceNumbers) {
  UdevRecord record;
  if (deviceNumbers.empty()) return record;
  std::ifstream in(folders.udevData / ("c" + deviceNumbers));
  for (std::string line; std::getline(in, line);) {
    std::string_view entry = Trim(line);
    if (entry == "G:uaccess" || entry == "Q:uaccess") record.uaccess = true;
    if (entry == "E:ID_MM_DEVICE_IGNORE=1") record.modemManagerIgnores = true;
  }
  return record;
}

bool UdevRuleInstalled(const SystemFolders& folders) {
  std::error_code ec;
  return std::ranges::any_of(folders.udevRules,
                             [&](const fs::path& folder) { return fs::exists(folder / kUdevRuleFile, ec); });
}

// Every process folder of /proc, with its name.
std::vector<ProcessName> Processes(const fs::path& proc) {
  std::vector<ProcessName> processes;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(proc, ec)) {
    std::string name = entry.path().filename().string();
    if (!IsAllDigits(name) || name.size() > 9) continue;
    processes.push_back({static_cast<int>(*ParseInteger(name)), FileLine(entry.path() / "comm")});
  }
  std::ranges::sort(processes, {}, &ProcessName::pid);
  return processes;
}

// The number of a pseudo-terminal's device ("3" for /dev/pts/3); empty for any other device.
std::string PseudoTerminalIndex(const SystemFolders& folders, const fs::path& device) {
  if (device.parent_path() != folders.dev / "pts") return {};
  std::string index = device.filename().string();
  return IsAllDigits(index) ? index : std::string();
}

// Whether the descriptor is the master side of pseudo-terminal `index`: the
// system names it in the descriptor's fdinfo.
bool ServesPseudoTerminal(const fs::path& fd, const std::string& index) {
  std::ifstream info(fd.parent_path().parent_path() / "fdinfo" / fd.filename());
  for (std::string line; std::getline(info, line);)
    if (line.starts_with("tty-index:")) return Trim(std::string_view(line).substr(10)) == index;
  return false;
}

// The processes with a file descriptor on the device. Only the user's own
// processes (all of them for root) let their descriptors be read. A
// pseudo-terminal's far end (the process holding its master side) usually
// keeps the device open too; that one is the line's other end, not a rival.
void FindHolders(const SystemFolders& folders, const std::vector<ProcessName>& processes, PortFacts& facts) {
  std::error_code ec;
  const fs::path target = fs::canonical(facts.device, ec);
  if (ec) return;
  const std::string ptyIndex = PseudoTerminalIndex(folders, facts.device);
  const fs::path masters[] = {folders.dev / "ptmx", folders.dev / "pts" / "ptmx"};
  const int self = static_cast<int>(::getpid());
  for (const ProcessName& process : processes) {
    if (process.pid == self) continue;
    bool holds = false, serves = false;
    for (const auto& fd : fs::directory_iterator(folders.proc / std::to_string(process.pid) / "fd", ec)) {
      std::error_code linkError;
      fs::path opened = fs::read_symlink(fd.path(), linkError);
      if (linkError) continue;
      if (opened.is_relative()) opened = fd.path().parent_path() / opened;
      if (opened == target || fs::weakly_canonical(opened, linkError) == target) holds = true;
      if (!ptyIndex.empty() && std::ranges::find(masters, opened) != std::end(masters) &&
          ServesPseudoTerminal(fd.path(), ptyIndex))
        serves = true;
    }
    if (serves)
      facts.ptyServer = process;
    else if (holds)
      facts.holders.push_back(process);
  }
}

bool IsTerminal(const std::string& device) {
  int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  bool terminal = ::isatty(fd) != 0;
  ::close(fd);
  return terminal;
}

// Whether this session counts the group, and whether the user was added to it since logging in.
void GroupMembership(const std::string& device, PortFacts& facts) {
  struct stat info {};
  if (::stat(device.c_str(), &info) != 0) return;
  std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
  int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
  groups.resize(static_cast<std::size_t>(std::max(count, 0)));
  facts.inGroup = info.st_gid == ::getegid() || std::ranges::find(groups, info.st_gid) != groups.end();
  if (facts.inGroup || facts.group.empty()) return;
  const struct passwd* user = ::getpwuid(::geteuid());
  const struct group* group = ::getgrgid(info.st_gid);
  if (!user || !group) return;
  for (char** member = group->gr_mem; member && *member; ++member)
    if (std::string_view(*member) == user->pw_name) facts.groupAfterLogin = true;
}

PortFacts FactsOf(const SystemFolders& folders, const std::string& device, const std::vector<ProcessName>& processes,
                  bool modemManagerRunning, bool ruleInstalled) {
  PortFacts facts;
  facts.device = device;
  const std::string name = fs::path(device).filename().string();
  // A test's device folder stands for /dev: its devices are numbered by name.
  facts.number = fs::path(device).parent_path() == folders.dev ? PortNumberOfDevice(name) : PortNumberOfDevice(device);
  std::error_code ec;
  facts.present = fs::exists(device, ec);
  facts.accessKnown = true;
  facts.modemManagerRunning = modemManagerRunning;
  facts.uaccessRuleInstalled = ruleInstalled;
  if (!facts.present) return facts;

  // A device the tty class knows by its name is a serial port with hardware behind it.
  const fs::path ttyFolder = folders.sys / "class" / "tty" / name;
  const bool listed = fs::exists(ttyFolder / "device", ec);
  facts.serial = listed || IsTerminal(device);
  if (listed) {
    facts.driver = fs::read_symlink(ttyFolder / "device" / "driver", ec).filename().string();
    facts.usb = UsbFactsAbove(ttyFolder / "device");
    UdevRecord udev = UdevRecordOf(folders, FileLine(ttyFolder / "dev"));
    facts.uaccessTagged = udev.uaccess;
    facts.modemManagerIgnores = udev.modemManagerIgnores;
    for (const PortEntry& entry : ListSerialPortsIn(folders.sys / "class" / "tty", folders.dev)) {
      if (entry.device != device) continue;
      facts.description = entry.description;
      facts.stableName = entry.stableName;
    }
  }
  facts.mayOpen = ::access(device.c_str(), R_OK | W_OK) == 0;
  facts.group = GroupThatMayOpen(device);
  GroupMembership(device, facts);
  FindHolders(folders, processes, facts);
  return facts;
}

bool ModemManagerRuns(const std::vector<ProcessName>& processes) {
  return std::ranges::any_of(processes, [](const ProcessName& p) { return p.name == "ModemManager"; });
}

}  // namespace

PortFacts ReadPortFactsIn(const SystemFolders& folders, const std::string& device) {
  auto processes = Processes(folders.proc);
  return FactsOf(folders, device, processes, ModemManagerRuns(processes), UdevRuleInstalled(folders));
}

std::vector<PortFacts> ReadAllPortFactsIn(const SystemFolders& folders) {
  auto processes = Processes(folders.proc);
  const bool modemManager = ModemManagerRuns(processes), rule = UdevRuleInstalled(folders);
  std::vector<PortFacts> all;
  for (const PortEntry& entry : ListSerialPortsIn(folders.sys / "class" / "tty", folders.dev))
    all.push_back(FactsOf(folders, entry.device, processes, modemManager, rule));
  return all;
}

std::vector<PortFacts> ReadAllPortFacts() { return ReadAllPortFactsIn({}); }
PortFacts ReadPortFacts(const std::string& device) { return ReadPortFactsIn({}, device); }

}  // namespace zq
