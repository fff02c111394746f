// Program > Write to Group of Radios as a programming station: two simulated
// radios on two pseudo-terminals, each port a series of its own in the window's
// one event loop.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "datafile/test_support.h"
#include "image/sha256.h"
#include "link/served_radio.h"
#include "platform/ini_file.h"
#include "shell/ui/frm_radio_series.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"
#include "support/pdf_text.h"

namespace zq {
namespace {

using namespace std::chrono_literals;
using testing::ProcessEventsUntil;
namespace fs = std::filesystem;

bool MemoryHolds(const MemoryImage& memory, const std::string& text) {
  return std::search(memory.bytes().begin(), memory.bytes().end(), text.begin(), text.end()) != memory.bytes().end();
}

class StationWindow : public testing::MainWindowFixture {
 protected:
  // The window, with only the given devices chosen.
  FrmRadioSeries* OpenWith(const std::vector<std::string>& devices) {
    main->action(Command::WriteToGroup)->trigger();
    auto* window = main->findChild<FrmRadioSeries*>();
    if (!window) return nullptr;
    for (int k = 0; k < window->portList()->count(); ++k) window->portList()->item(k)->setCheckState(Qt::Unchecked);
    for (const std::string& device : devices) window->AddPort(QString::fromStdString(device));
    return window;
  }
  QString Cell(FrmRadioSeries* window, int row, int column) { return window->portTable()->item(row, column)->text(); }
  static MemoryImage Blank() {
    MemoryImage memory;
    return memory;
  }
};

TEST_F(StationWindow, TwoPortsCountApartInOneLogAndAFailureOnOneLeavesTheOtherWriting) {
  RadioBehaviour steady;
  steady.series = {2, 100ms, 1300ms, {}};
  RadioBehaviour dying;
  dying.stopAfterFrames = 30;  // answers no more in the middle of its write
  test::ServedRadio a(Blank(), steady), b(Blank(), dying);
  FrmRadioSeries* window = OpenWith({a.path(), b.path()});
  ASSERT_NE(window, nullptr);
  const std::string log = (folder.root() / "day.csv").string();
  window->SetLogFile(QString::fromStdString(log));
  ASSERT_EQ(window->portTable()->rowCount(), 2);
  EXPECT_EQ(Cell(window, 0, 0).toStdString(), a.path());
  EXPECT_EQ(Cell(window, 1, 1), QStringLiteral("not started"));

  window->findChild<QPushButton*>("start")->click();
  ASSERT_TRUE(window->running());
  ASSERT_TRUE(ProcessEventsUntil(
      [&] { return window->countLabel()->text() == QStringLiteral("Radios written: 2, failed: 1."); }, 40000))
      << window->countLabel()->text().toStdString();
  EXPECT_EQ(Cell(window, 0, 2), QStringLiteral("2"));
  EXPECT_EQ(Cell(window, 1, 2), QStringLiteral("0"));
  EXPECT_EQ(Cell(window, 1, 3), QStringLiteral("failed: no response"));
  ASSERT_EQ(window->failedList()->count(), 1);
  EXPECT_TRUE(window->failedList()->item(0)->text().startsWith(QString::fromStdString(b.path() + ": Radio 1 (")));
  if (qEnvironmentVariableIsSet("ZQ_SCREENSHOT_DIR"))  // the picture of docs/programming-station.md
    window->grab().save(qEnvironmentVariable("ZQ_SCREENSHOT_DIR") + QStringLiteral("/station-en.png"));
  // Both series still wait for their next radio; stopping one leaves the other.
  window->portTable()->setCurrentCell(1, 0);
  window->findChild<QPushButton*>("stopPort")->click();
  EXPECT_EQ(Cell(window, 1, 1), QStringLiteral("The series has stopped."));
  EXPECT_TRUE(window->running());
  EXPECT_FALSE(window->findChild<QPushButton*>("close")->isEnabled());
  window->findChild<QPushButton*>("stop")->click();
  EXPECT_FALSE(window->running());
  EXPECT_EQ(window->statusLabel()->text(), QStringLiteral("The series has stopped."));

  const std::vector<std::string> lines = test::ReadLines(log);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(lines[0].starts_with("Time,Radio,Identity,Firmware version,Result,Port,")) << lines[0];
  int onA = 0, onB = 0;
  for (std::size_t k = 1; k < lines.size(); ++k) {
    onA += lines[k].find(",written," + a.path() + ",") != std::string::npos;
    onB += lines[k].find(",failed: no response," + b.path() + ",") != std::string::npos;
  }
  EXPECT_EQ(onA, 2);
  EXPECT_EQ(onB, 1);
}

TEST_F(StationWindow, AUnitsListGivesEachRadioItsOwnRowAndSheetAndABadListIsRefusedBeforeAnyWrite) {
  test::ServedRadio a(Blank()), b(Blank());  // one radio on each port, staying for good
  FrmRadioSeries* window = OpenWith({a.path(), b.path()});
  ASSERT_NE(window, nullptr);
  auto* units = window->findChild<QLineEdit*>("unitsFile");
  const QString empty = units->text();

  const fs::path list = folder.root() / "units.csv";
  std::ofstream(list) << "/Options/BtDeviceName,/Options/Tot\nSHOP-0001,1\nSHOP-0002,x\n";
  prompter.OpenFile(QString::fromStdString(list.string()));
  window->findChild<QPushButton*>("loadUnits")->click();
  ASSERT_FALSE(prompter.shown.isEmpty());
  EXPECT_TRUE(prompter.shown.back().contains(QStringLiteral("units.csv: Line 3, column 2: ")))
      << prompter.shown.back().toStdString();
  EXPECT_EQ(units->text(), empty);
  EXPECT_EQ(window->station(), nullptr);  // nothing started, nothing written

  std::ofstream(list) << "/Options/BtDeviceName\nSHOP-0001\nSHOP-0002\n";
  ASSERT_TRUE(window->LoadUnits(QString::fromStdString(list.string())));
  EXPECT_EQ(units->text(), QStringLiteral("units.csv: 2 of 2 rows left"));
  const fs::path sheets = folder.root() / "sheets";
  fs::create_directories(sheets);
  prompter.Folder(QString::fromStdString(sheets.string()));
  window->findChild<QPushButton*>("chooseSheetFolder")->click();
  EXPECT_TRUE(window->findChild<QCheckBox*>("sheets")->isChecked());
  window->findChild<QLineEdit*>("operator")->setText(QStringLiteral("Ann Lee"));

  window->findChild<QPushButton*>("start")->click();
  ASSERT_TRUE(window->running());
  // Two rows for two radios: the list is used up and both series stop by themselves.
  ASSERT_TRUE(ProcessEventsUntil([&] { return !window->running(); }, 40000));
  EXPECT_EQ(window->statusLabel()->text(), QStringLiteral("The list of per-unit values is used up; the series stops."));
  EXPECT_EQ(units->text(), QStringLiteral("units.csv: 0 of 2 rows left"));
  EXPECT_EQ(window->countLabel()->text(), QStringLiteral("Radios written: 2, failed: 0."));
  EXPECT_NE(MemoryHolds(a.radio().memory(), "SHOP-0001"), MemoryHolds(a.radio().memory(), "SHOP-0002"));
  EXPECT_NE(MemoryHolds(b.radio().memory(), "SHOP-0001"), MemoryHolds(b.radio().memory(), "SHOP-0002"));
  EXPECT_NE(MemoryHolds(a.radio().memory(), "SHOP-0001"), MemoryHolds(b.radio().memory(), "SHOP-0001"));
  EXPECT_EQ(ReadProfileString(folder.settingsFile(), "language", "SeriesOperator"), "Ann Lee");

  // Both ports' first radio is radio 1: the second sheet takes the next free name.
  ASSERT_EQ(window->station()->sheets().size(), 2u);
  EXPECT_EQ(window->station()->sheets()[0].filename(), "radio-0001.pdf");
  EXPECT_EQ(window->station()->sheets()[1].filename(), "radio-0001-2.pdf");
  std::set<std::string> unitsOnSheets;
  for (const fs::path& sheet : window->station()->sheets()) {
    EXPECT_GT(fs::file_size(sheet), 10000u);
    const std::string text = testing::PdfText(sheet);
    EXPECT_NE(text.find("Hand-over sheet: radio 1"), std::string::npos) << text;
    EXPECT_NE(text.find("Operator: Ann Lee"), std::string::npos) << text;
    const bool onA = text.find("Port: " + a.path()) != std::string::npos;
    const MemoryImage& memory = (onA ? a : b).radio().memory();
    const std::string held = MemoryHolds(memory, "SHOP-0001") ? "SHOP-0001" : "SHOP-0002";
    EXPECT_NE(text.find(held), std::string::npos) << text;
    EXPECT_NE(text.find("Image SHA-256: " + Sha256Hex(memory.bytes())), std::string::npos) << text;
    unitsOnSheets.insert(held);
  }
  EXPECT_EQ(unitsOnSheets, (std::set<std::string>{"SHOP-0001", "SHOP-0002"}));
}

}  // namespace
}  // namespace zq
