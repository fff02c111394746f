// The channel window across the main window's commands: it opens again on a
// read from the radio, a new document, an open, Initial Setting and a language
// change, and stores a pending entry before the configuration moves on.
#include <QAction>
#include <QElapsedTimer>

#include "config/channel_slots.h"
#include "channels/config_fixture.h"
#include "channels/ui/channel_editor_fixture.h"
#include "datafile/data_file.h"
#include "shell/demo_radio.h"
#include "shell/ui/transfer_controller.h"

namespace zq {
namespace {

using testing::ChannelEditorFixture;

class ChannelWindowLifecycleTest : public ChannelEditorFixture {
 protected:
  void ReadDemoRadio() {
    main->transfers().AttachDemoRadio(MakeDemoRadio(folder.program(), false));
    prompter.Answer(Answer::Ok);
    main->action(Command::ReadFromRadio)->trigger();
    QElapsedTimer clock;
    clock.start();
    while (main->transfers().running() && clock.elapsed() < 20000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_FALSE(main->transfers().running());
  }
};

TEST_F(ChannelWindowLifecycleTest, AReadFromTheRadioShowsItsChannels) {
  cfg().Count(kCB, 1) = 0;
  Reopen();
  ASSERT_EQ(grid()->Frequency(1), QString());
  frmCommChInfo* before = editor();

  ReadDemoRadio();
  ASSERT_TRUE(prompter.shown.contains(QStringLiteral("Read Data Completed.")));
  ASSERT_NE(editor(), nullptr);
  EXPECT_NE(editor(), before);
  EXPECT_EQ(main->OpenEditorCount(), 1);
  EXPECT_EQ(grid()->Frequency(1), QStringLiteral("26.96500"));
  EXPECT_EQ(grid()->Frequency(40), QStringLiteral("27.40500"));
  ASSERT_TRUE(editor()->bandSelector()->isEnabled());  // the radio can work HF
  ShowBand(kHAM);
  ShowGroup(1);
  EXPECT_EQ(grid()->Frequency(1), QStringLiteral("28.30000"));
  EXPECT_EQ(grid()->Frequency(8), QStringLiteral("29.64000"));
}

TEST_F(ChannelWindowLifecycleTest, NewOpenAndInitialSettingOpenTheWindowAgainOnTheNewData) {
  std::string path = (folder.root() / "plan.dat").string();
  cfg().Count(kCB, 1) = 3;
  ASSERT_TRUE(SaveDataFile(path, cfg(), app().document, app().working).ok());

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
  frmCommChInfo* before = editor();
  app().settings.language = kChinese;
  main->CheckLanguageChange();
  ASSERT_NE(editor(), nullptr);
  EXPECT_NE(editor(), before);
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
  EXPECT_EQ(cfg().Count(kHF, 1), 1);
  EXPECT_EQ(cfg().Channel(kHF, 1, 1).RxFrequency.str(), "2712500 ");
}

TEST_F(ChannelWindowLifecycleTest, ReloadShowsAReplacedConfiguration) {
  testing::AddChannel(cfg(), kCB, 2, 41, "2700000 ");
  cfg().Options.WorkGroup(kCB) = 2;
  editor()->Reload();
  EXPECT_EQ(editor()->group(), 2);
  EXPECT_EQ(grid()->Frequency(41), QString());  // a memory row, not a channel
  cfg().Count(kCB, 2) = 0;
  editor()->Reload();
  EXPECT_EQ(grid()->Frequency(1), QString());
}

}  // namespace
}  // namespace zq
