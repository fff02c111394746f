// The channel editor's CSV buttons: the shown group out to a file and back in.
#include <QDir>
#include <QPushButton>
#include <fstream>

#include "channels/ui/channel_editor_fixture.h"

namespace zq {
namespace {

class ChannelCsvTest : public testing::ChannelEditorFixture {
 protected:
  void Click(const char* button) { editor()->findChild<QPushButton*>(button)->click(); }
  QString File(const char* name) { return QString::fromStdString((folder.root() / name).string()); }
};

TEST_F(ChannelCsvTest, AGroupGoesOutAndComesBackIntoAnotherGroup) {
  AllowEveryBand();
  ShowBand(kHAM);
  ShowGroup(1);
  TypeFrequency(3, "28.50000");
  TypeFrequency(7, "29.12000");
  ASSERT_EQ(cfg().Count({kHAM, 1}), 2);

  prompter.SaveFile(File("ham1.csv"));
  Click("exportCsvButton");
  EXPECT_EQ(prompter.savePresets.back(), QStringLiteral("HAM_1.csv"));
  ASSERT_TRUE(std::filesystem::exists(folder.root() / "ham1.csv"));

  ShowGroup(2);
  ASSERT_EQ(cfg().Count({kHAM, 2}), 0);
  prompter.OpenFileWithOption(File("ham1.csv"), false);
  Click("importCsvButton");
  ASSERT_EQ(cfg().Count({kHAM, 2}), 2);
  EXPECT_EQ(cfg().Channel({kHAM, 2}, 1).Number, 3);
  EXPECT_EQ(grid()->item(6, kFrequencyColumn)->text(), QStringLiteral("29.12000"));  // shown at once
  EXPECT_TRUE(prompter.shown.back().startsWith(QStringLiteral("Channels imported")))
      << prompter.shown.back().toStdString();
}

TEST_F(ChannelCsvTest, BadLinesAreReportedAndACbGroupRefusesTheFile) {
  AllowEveryBand();
  std::ofstream(folder.root() / "mixed.csv", std::ios::binary)
      << "Location,Frequency\r\n2,28.400000\r\n3,99.000000\r\nx,28.1\r\n";
  ShowBand(kHF);
  ShowGroup(4);
  prompter.OpenFile(File("mixed.csv"));
  Click("importCsvButton");
  EXPECT_EQ(cfg().Count({kHF, 4}), 1);
  QString report = prompter.shown.back();
  EXPECT_TRUE(report.contains(QStringLiteral("Line 3: "))) << report.toStdString();
  EXPECT_TRUE(report.contains(QStringLiteral("Line 4: "))) << report.toStdString();

  ShowBand(kCB);
  RadioConfig before = cfg();
  prompter.OpenFile(File("mixed.csv"));
  Click("importCsvButton");
  EXPECT_TRUE(cfg() == before);
  EXPECT_FALSE(prompter.shown.back().startsWith(QStringLiteral("Channels imported")));
}

// The import dialog's check box places the lines in free rows in file order,
// and the report names what the radio cannot hold. The dialog starts in the
// data file's folder.
TEST_F(ChannelCsvTest, TheImportDialogsCheckBoxTakesLinesInFileOrder) {
  AllowEveryBand();
  app().document.fileName = (folder.root() / "kept.dat").string();
  app().document.untitled = false;
  std::ofstream(folder.root() / "rig.csv") << "Location,Name,Frequency,Comment\r\n"
                                              "0,CALL,28.400000,\r\n"
                                              "60,,29.100000,beacon\r\n";
  ShowBand(kHAM);
  ShowGroup(3);
  TypeFrequency(1, "28.20000");
  prompter.OpenFileWithOption(File("rig.csv"), true);
  Click("importCsvButton");
  EXPECT_EQ(prompter.openFolders.back(), QDir::fromNativeSeparators(QString::fromStdString(folder.root().string())));
  EXPECT_EQ(prompter.options.back(),
            QStringLiteral("Place the lines in free channels in file order (Location not used)"));
  EXPECT_FALSE(prompter.optionsOffered.back());
  ASSERT_EQ(cfg().Count({kHAM, 3}), 3);
  EXPECT_EQ(grid()->Frequency(2), QStringLiteral("28.40000"));
  EXPECT_EQ(grid()->Frequency(3), QStringLiteral("29.10000"));
  EXPECT_EQ(prompter.shown.back(),
            QStringLiteral("Channels imported: 2 new, 0 changed, 0 lines skipped.\n"
                           "Left out, as the radio cannot hold them: 1 name, 1 comment, 0 repeater offsets other "
                           "than the radio-wide 0.1000 MHz."));

  prompter.OpenFile(QString());  // the dialog cancelled: it opened with the box as the user left it
  Click("importCsvButton");
  EXPECT_TRUE(prompter.optionsOffered.back());
  EXPECT_EQ(cfg().Count({kHAM, 3}), 3);
}

}  // namespace
}  // namespace zq
