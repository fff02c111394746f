// The channel window across the main window's commands: it opens again on a
// read from the radio, a new document, an open, Initial Setting and a language
// change, and stores a pending entry before the configuration moves on.
#include <QAction>
#include <QElapsedTimer>
#include <QPointer>

#include "channels/config_fixture.h"
#include "channels/ui/channel_editor_fixture.h"
#include "config/channel_slots.h"
#include "datafile/data_file.h"
#include "image/image_codec.h"
#include "shell/demo_radio.h"
#include "shell/ui/transfer_controller.h"

namespace zq {
namespace {

using testing::ChannelEditorFixture;

class ChannelWindowLifecycleTest : public ChannelEditorFixture {
 protected:
  void ReadDemoRadio() { ReadRadio(MakeDemoRadio(folder.program(), false)); }
  void ReadRadio(std::unique_ptr<SimulatedRadio> radio) {
    main->transfers().AttachDemoRadio(std::move(radio));
    RunTransfer(Command::ReadFromRadio);
  }
  void RunTransfer(Command command) {
    if (command == Command::ReadFromRadio && !IsUnchanged(cfg(), app().working))
      prompter.Answer(Answer::No);  // a read offers to save changes first
    prompter.Answer(Answer::Ok);
    main->action(command)->trigger();
    QElapsedTimer clock;
    clock.start();
    while (main->transfers().busy() && clock.elapsed() < 20000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_FALSE(main->transfers().busy());
  }
};

TEST_F(ChannelWindowLifecycleTest, AReadFromTheRadioShowsItsChannels) {
  cfg().Count({kCB, 1}) = 0;
  Reopen();
  ASSERT_EQ(grid()->Frequency(1), QString());
  QPointer<frmCommChInfo> before = editor();

  ReadDemoRadio();
  ASSERT_TRUE(prompter.shown.contains(QStringLiteral("Read Data Completed.")));
  ASSERT_NE(editor(), nullptr);
  // The old editor is gone (its address may well be reused by the new one).
  EXPECT_TRUE(before.isNull());
  EXPECT_EQ(main->OpenEditorCount(), 1);
  EXPECT_EQ(grid()->Frequency(1), QStringLiteral("26.96500"));
  EXPECT_EQ(grid()->Frequency(40), QStringLiteral("27.40500"));
  ASSERT_TRUE(editor()->bandSelector()->isEnabled());  // the radio can work HF
  ShowBand(kHAM);
  ShowGroup(1);
  EXPECT_EQ(grid()->Frequency(1), QStringLiteral("28.30000"));
  EXPECT_EQ(grid()->Frequency(8), QStringLiteral("29.64000"));
}

// Relinking CB memories read from a radio changes their links only: the write
// gives the radio back every memory slot it held, and no new one.
TEST_F(ChannelWindowLifecycleTest, CbMemoryLinksEditedAfterAReadKeepEveryMemorySlotOfTheRadio) {
  RadioConfig held;
  DecodeImage(MakeDemoRadio(folder.program(), false)->memory(), held);
  auto inUse = [](int n) { return n % 3 != 0; };
  for (int n = 1; n <= kSpecialSlots; ++n) {
    ChannelRecord& memory = held.Special(n);
    memory = NewChannelRecord(n);
    memory.Enabled = inUse(n) ? 1 : 0;
    memory.RxFrequency = std::to_string(26965000 + 5000 * n);
    memory.CbMemChannel = static_cast<int16_t>(n % 40 + 1);
  }
  MemoryImage image;
  EncodeImage(held, image);
  ReadRadio(std::make_unique<SimulatedRadio>(image, RadioIdentity{kModelName, true, kDataVersion}));
  ASSERT_TRUE(prompter.shown.contains(QStringLiteral("Read Data Completed.")));

  ShowGroup(2);                                                  // PL: rows M1-M16 are special slots 17-32
  EXPECT_EQ(grid()->Frequency(44), QStringLiteral("27.06500"));  // slot 20's own frequency
  EXPECT_EQ(grid()->Frequency(45), QString());                   // slot 21 is not in use
  SelectRow(43);
  Pick(Detail(Txt::DetailCbMemChannel), 0);  // slot 19: "Off"
  SelectRow(44);
  PickText(Detail(Txt::DetailCbMemChannel), "5");
  SelectRow(45);
  PickText(Detail(Txt::DetailCbMemChannel), "7");
  ShowGroup(7);  // the memory rows of plan 5, slots 65-80
  SelectRow(42);
  Pick(Detail(Txt::DetailCbMemChannel), 0);  // slot 66, not in use
  SelectRow(43);
  Pick(Detail(Txt::DetailCbMemChannel), 0);  // slot 67

  RunTransfer(Command::WriteToRadio);
  ASSERT_TRUE(prompter.shown.contains(QStringLiteral("Write Data Completed.")));
  const MemoryImage& radio = main->transfers().demoRadio()->memory();
  for (int n = 1; n <= kSpecialSlots; ++n) {
    bool enabled = radio.Get(0x16400 + (n - 1) / 8) & (1 << ((n - 1) % 8));
    EXPECT_EQ(enabled, inUse(n)) << "special slot " << n;
    if (inUse(n)) {
      EXPECT_EQ(radio.Get(0x10000 + (n - 1) * 16), 0x26 + (n >= 7 ? 1 : 0)) << "special slot " << n;
    }
  }
  EXPECT_EQ(radio.Get(0x10600 + 18), 0xFF);  // slot 19: no link
  EXPECT_EQ(radio.Get(0x10600 + 19), 4);     // slot 20: channel 5
  EXPECT_EQ(radio.Get(0x10600 + 20), 6);     // slot 21: channel 7, still not in use
  EXPECT_EQ(radio.Get(0x10600 + 66), 0xFF);  // slot 67
}

TEST_F(ChannelWindowLifecycleTest, NewOpenAndInitialSettingOpenTheWindowAgainOnTheNewData) {
  std::string path = (folder.root() / "plan.dat").string();
  cfg().Count({kCB, 1}) = 3;
  ASSERT_TRUE(SaveDataFile(path, app()).ok());

  main->toolbarAction(Command::New)->trigger();
  EXPECT_EQ(grid()->Frequency(40), QStringLiteral("27.40500"));

  prompter.OpenFile(QString::fromStdString(path));
  main->action(Command::Open)->trigger();
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(grid()->Frequency(3), QStringLiteral("26.98500"));
  EXPECT_EQ(grid()->Frequency(4), QString());

  main->action(Command::InitialSetting)->trigger();
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(grid()->Frequency(40), QStringLiteral("27.40500"));
  EXPECT_EQ(main->OpenEditorCount(), 1);
}

TEST_F(ChannelWindowLifecycleTest, ALanguageChangeOpensTheWindowAgainInTheNewLanguage) {
  QPointer<frmCommChInfo> before = editor();
  app().settings.language = kChinese;
  main->CheckLanguageChange();
  ASSERT_NE(editor(), nullptr);
  EXPECT_TRUE(before.isNull());  // closed; the new window may reuse its address
  EXPECT_EQ(editor()->windowTitle(), QStringLiteral("信道信息"));
  EXPECT_EQ(editor()->groupPanel()->title(), QStringLiteral("组 -- US"));
  EXPECT_EQ(editor()->detailPanel()->title(), QStringLiteral("详细信息 -- 信道 1"));
}

TEST_F(ChannelWindowLifecycleTest, APendingEntryIsStoredBeforeTheConfigurationIsReplacedOrWritten) {
  AllowEveryBand();
  ShowBand(kHF);
  SelectRow(3);
  QTest::keyClick(grid(), Qt::Key_Return);
  QTest::keyClicks(box(), "27.125");
  main->CommitEditors();  // as before a write to the radio
  EXPECT_EQ(cfg().Count({kHF, 1}), 1);
  EXPECT_EQ(cfg().Channel({kHF, 1}, 1).RxFrequency.str(), "2712500 ");
}

TEST_F(ChannelWindowLifecycleTest, ReloadShowsAReplacedConfiguration) {
  testing::AddChannel(cfg(), {kCB, 2}, 41, "2700000 ");
  cfg().Options.WorkGroup(kCB) = 2;
  editor()->Reload();
  EXPECT_EQ(editor()->group(), 2);
  EXPECT_EQ(grid()->Frequency(41), QString());  // a memory row, not a channel
  cfg().Count({kCB, 2}) = 0;
  editor()->Reload();
  EXPECT_EQ(grid()->Frequency(1), QString());
}

}  // namespace
}  // namespace zq
