// Settings edited in the special-channel and weather windows reach the radio.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "channels/ui/emg_dw_mem_window_helpers.h"
#include "channels/ui/frm_dw.h"
#include "channels/ui/frm_emg.h"
#include "channels/ui/frm_mem.h"
#include "channels/ui/frm_tvch.h"
#include "shell/demo_radio.h"
#include "shell/ui/transfer_controller.h"

namespace zq {
namespace {

using testing::Pick;
using testing::ProcessUntil;

class SpecialWriteTest : public testing::SpecialWindowFixture {
 protected:
  QComboBox* List(QWidget* window, const char* name) { return window->findChild<QComboBox*>(name); }
  void Save(QWidget* window) {
    window->findChild<QPushButton*>("cmdSave")->click();
    testing::DeleteClosedWindows();
  }
};

TEST_F(SpecialWriteTest, AWriteCarriesTheSavedSettingsAndTheWeatherTableIntoTheRadio) {
  SetChannels({kCB, 2}, {2, 7});
  SetChannels({kHF, 4}, {21});
  main->transfers().AttachDemoRadio(MakeDemoRadio(folder.program(), false));

  auto* emg = Open<frm_emg>("N3");
  Pick(List(emg, "PL Emg Channel 1"), "7");
  Pick(List(emg, "PL Emg Channel 2 Work Mode"), "CW");
  Save(emg);
  auto* dw = Open<frm_dw>("N4");
  Pick(List(dw, "HF DW Band"), "D");
  Pick(List(dw, "HF DW Channel Work Mode"), "LSB");
  Save(dw);
  auto* mem = Open<frm_MEM>("N6");
  Pick(List(mem, "HAM MEM Channel State"), "On");
  Save(mem);
  mem = Open<frm_MEM>("N6");
  Pick(List(mem, "Eu MEM Channel State"), "On");  // not saved: the window is closed without Save
  mem->findChild<QPushButton*>("cmdClose")->click();
  testing::DeleteClosedWindows();

  auto* weather = Open<FrmTVCH>("N7");
  QTableWidget* grid = weather->grid();
  grid->scrollToItem(grid->item(11, 1));
  testing::DoubleClick(grid->viewport(), grid->visualItemRect(grid->item(11, 1)).center());
  QTest::keyClicks(weather->findChild<QLineEdit*>("txtFrequency"), "162.4321");  // still open at the write
  Pick(List(weather, "WxStepLabel"), "6.25KHz");
  Pick(List(weather, "CurrentWeatherChannel"), "3");

  prompter.Answer(Answer::Ok);
  main->action(Command::WriteToRadio)->trigger();
  ASSERT_TRUE(ProcessUntil([&] { return prompter.shown.contains(QStringLiteral("Write Data Completed.")); }))
      << prompter.shown.join(" | ").toStdString();

  const MemoryImage& radio = main->transfers().demoRadio()->memory();
  EXPECT_EQ(radio.Get(0x18042), 6);     // PL emergency channel 1: channel 7
  EXPECT_EQ(radio.Get(0x1804F), 4);     // PL emergency channel 2 work mode: CW
  EXPECT_EQ(radio.Get(0x1808C), 3);     // HF dual-watch band: group D
  EXPECT_EQ(radio.Get(0x1808D), 20);    // its channel moved onto group D's channel 21
  EXPECT_EQ(radio.Get(0x1808E), 3);     // LSB
  EXPECT_EQ(radio.Get(0x180CE), 1);     // HAM memory channel on
  EXPECT_EQ(radio.Get(0x180C0), 0);     // Eu memory channel state was not saved
  EXPECT_EQ(radio.Get(0x1C058), 0x16);  // weather channel 12: 162.43 MHz
  EXPECT_EQ(radio.Get(0x1C059), 0x24);
  EXPECT_EQ(radio.Get(0x1C05A), 0x30);
  EXPECT_EQ(radio.Get(0x1C05B), 0x00);
  EXPECT_EQ(radio.Get(0x1C05C), 1);            // wide
  EXPECT_EQ(radio.Get(0x2206D) & 0x08, 0x08);  // in use
  EXPECT_EQ(radio.Get(0x22060), 2);            // current weather channel 3
  EXPECT_EQ(radio.Get(0x22075), 3);            // step 6.25 kHz
}

}  // namespace
}  // namespace zq
