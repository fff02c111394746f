// The connection doctor's facts from a system laid out by the test: sysfs,
// udev's database, /proc and the udev rule folders.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "link/port_diagnosis.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

struct FakeSystem {
  fs::path root = fs::temp_directory_path() / ("zq-doctor-" + std::to_string(::getpid()));
  SystemFolders folders{root / "sys", root / "dev", root / "proc", root / "run/udev/data", {root / "etc/udev/rules.d"}};

  FakeSystem() {
    fs::remove_all(root);
    for (const fs::path& folder : {folders.dev, folders.proc, folders.udevData, folders.udevRules[0]})
      fs::create_directories(folder);
  }
  ~FakeSystem() { fs::remove_all(root); }

  // A USB serial adapter as the kernel shows it: the USB device with its ids,
  // the interface, the tty under it with its driver, its node and udev record.
  void AddUsbTty(const std::string& name, const std::string& bus, const std::string& vendor, const std::string& product,
                 const std::string& release, const std::string& usbVersion, const std::string& driver,
                 const std::string& numbers, const std::string& udevLines) {
    fs::path usb = folders.sys / "devices/pci0000:00/usb1" / bus;
    fs::path tty = usb / (bus + ":1.0") / name;
    fs::create_directories(tty);
    std::ofstream(usb / "idVendor") << vendor << "\n";
    std::ofstream(usb / "idProduct") << product << "\n";
    std::ofstream(usb / "bcdDevice") << release << "\n";
    std::ofstream(usb / "version") << usbVersion << "\n";
    std::ofstream(usb / "product") << "USB-Serial Controller\n";
    fs::create_directories(folders.sys / "bus/usb-serial/drivers" / driver);
    fs::create_directory_symlink(folders.sys / "bus/usb-serial/drivers" / driver, tty / "driver");
    fs::path classFolder = folders.sys / "class/tty" / name;
    fs::create_directories(classFolder);
    fs::create_directory_symlink(tty, classFolder / "device");
    std::ofstream(classFolder / "dev") << numbers << "\n";
    std::ofstream(folders.dev / name) << "";
    std::ofstream(folders.udevData / ("c" + numbers)) << udevLines;
  }

  void AddProcess(int pid, const std::string& name, const std::vector<fs::path>& opened = {}) {
    fs::path folder = folders.proc / std::to_string(pid);
    fs::create_directories(folder / "fd");
    std::ofstream(folder / "comm") << name << "\n";
    int fd = 3;
    for (const fs::path& file : opened) fs::create_symlink(file, folder / "fd" / std::to_string(fd++));
  }
};

bool HasProblem(const PortDiagnosis& d, Txt text) {
  return std::ranges::any_of(d.problems, [&](const PortProblem& p) { return p.text == text; });
}

std::string LineOf(const PortFacts& facts, Txt label) {
  for (const ReportLine& line : FactLines(facts, kEnglish))
    if (line.label == Text(label, kEnglish)) return line.value;
  return "(none)";
}

TEST(PortFacts, AdapterHoldersUdevAndModemManagerComeFromTheSystemFolders) {
  FakeSystem system;
  system.AddUsbTty("ttyUSB0", "1-2", "0403", "6001", "0600", " 2.00", "ftdi_sio", "188:0", "G:uaccess\nQ:uaccess\n");
  // The old PL2303 revision, which ModemManager is told to leave alone.
  system.AddUsbTty("ttyUSB1", "1-3", "067b", "2303", "0300", " 1.10", "pl2303", "188:1", "E:ID_MM_DEVICE_IGNORE=1\n");
  system.AddProcess(4242, "minicom", {system.folders.dev / "null-device", system.folders.dev / "ttyUSB0"});
  system.AddProcess(777, "ModemManager");

  std::vector<PortFacts> all = ReadAllPortFactsIn(system.folders);
  ASSERT_EQ(all.size(), 2u);
  const PortFacts& ftdi = all[0];
  EXPECT_EQ(ftdi.number, 100);
  ASSERT_TRUE(ftdi.usb);
  EXPECT_EQ(ftdi.usb->vendor, 0x0403);
  EXPECT_EQ(ftdi.usb->product, 0x6001);
  EXPECT_EQ(ftdi.driver, "ftdi_sio");
  EXPECT_EQ(LineOf(ftdi, Txt::DoctorUsbId), "0403:6001, release 6.00, USB 2.00");
  EXPECT_EQ(LineOf(ftdi, Txt::DoctorChip), "FTDI FT232R / FT232BM / FT245");
  EXPECT_TRUE(ftdi.uaccessTagged);
  EXPECT_FALSE(ftdi.uaccessRuleInstalled);
  ASSERT_EQ(ftdi.holders.size(), 1u);
  EXPECT_EQ(ftdi.holders[0].pid, 4242);
  EXPECT_EQ(ftdi.holders[0].name, "minicom");
  EXPECT_EQ(LineOf(ftdi, Txt::DoctorModemManager), "running; may probe this device");

  PortDiagnosis held = Diagnose(ftdi);
  ASSERT_FALSE(held.problems.empty());
  EXPECT_EQ(ProblemText(held.problems[0], kEnglish),
            (system.folders.dev / "ttyUSB0").string() + " is held by minicom (process 4242).");
  EXPECT_EQ(RemedyText(held.problems[0], kEnglish), "Close minicom or make it let go of the port, then check again.");
  EXPECT_TRUE(held.problems[0].blocksHandshake);
  EXPECT_TRUE(HasProblem(held, Txt::DoctorModemManagerProbes));
  EXPECT_FALSE(HasProblem(held, Txt::DoctorRefusedRevision));

  // The rule installed now; the second adapter is the refused revision, held by nobody.
  std::ofstream(system.folders.udevRules[0] / kUdevRuleFile) << "";
  PortFacts prolific = ReadPortFactsIn(system.folders, (system.folders.dev / "ttyUSB1").string());
  EXPECT_EQ(prolific.number, 101);
  EXPECT_TRUE(prolific.uaccessRuleInstalled);
  EXPECT_TRUE(prolific.holders.empty());
  EXPECT_EQ(LineOf(prolific, Txt::DoctorChip), "Prolific PL2303 HXA / XA");
  PortDiagnosis old = Diagnose(prolific);
  EXPECT_TRUE(HasProblem(old, Txt::DoctorRefusedRevision));
  EXPECT_FALSE(HasProblem(old, Txt::DoctorModemManagerProbes));
  EXPECT_TRUE(std::ranges::none_of(old.problems, &PortProblem::blocksHandshake));
  EXPECT_NE(ProblemText(old.problems[0], kChinese), ProblemText(old.problems[0], kEnglish));

  // Gone from the system: missing, and nothing else is claimed of it.
  PortDiagnosis missing = Diagnose(ReadPortFactsIn(system.folders, (system.folders.dev / "ttyUSB7").string()));
  ASSERT_EQ(missing.problems.size(), 1u);
  EXPECT_EQ(missing.problems[0].text, Txt::PortMissing);
}

}  // namespace
}  // namespace zq
