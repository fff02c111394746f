// The CSV commands of zq4071-cli, run as a user runs them.
#include <gtest/gtest.h>

#include "datafile/test_support.h"
#include "support/cli_runner.h"

namespace zq {
namespace {

using testing::CliRun;

constexpr const char* kHeaderLine =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,"
    "Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

class CsvCommands : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(Cli("new -o a.dat").exitCode, 0) << "is zq4071-cli built?"; }
  CliRun Cli(const std::string& args) { return testing::RunCli(dir_.path(), args); }
  std::filesystem::path At(const std::string& name) const { return dir_ / name; }
  void Write(const std::string& name, const std::string& text) const { test::WriteText(At(name), text); }

  test::TempFolder dir_;
};

TEST_F(CsvCommands, ImportedChannelsExportAndTravelToAnotherBand) {
  Write("in.csv",
        "Location,Frequency,Duplex,Tone,rToneFreq,cToneFreq,DtcsCode,RxDtcsCode,CrossMode,Mode,Skip,Power,Comment\n"
        "1,28.5,+,Tone,100.0,,,,,USB,,High,\n"
        "7,29.1,,TSQL,,67.0,,,,FM,S,Low,\n"
        "99,28.0125,-,Cross,,,023,754,DTCS->DTCS,FM,,Mid,PA\n");
  CliRun import = Cli("import-csv a.dat --band HF --group MEM in.csv -o b.dat");
  EXPECT_EQ(import.exitCode, 0) << import.err;
  EXPECT_EQ(import.out, "Channels imported: 3 new, 0 changed, 0 lines skipped.\n");
  EXPECT_EQ(import.err, "");

  // Offset is the radio-wide repeater offset of the new document (0.1 MHz).
  CliRun exported = Cli("export-csv b.dat --band hf --group mem");
  ASSERT_EQ(exported.exitCode, 0);
  EXPECT_EQ(exported.out,
            std::string(kHeaderLine) +
                "1,M1,28.500000,+,0.100000,Tone,100.0,100.0,023,NN,023,Tone->Tone,USB,10.00,,High,,,,,\r\n"
                "7,M7,29.100000,,0.000000,TSQL,67.0,67.0,023,NN,023,Tone->Tone,FM,10.00,S,Low,,,,,\r\n"
                "99,M99,28.012500,-,0.100000,Cross,88.5,88.5,023,NN,754,DTCS->DTCS,FM,2.50,,Mid,PA,,,,\r\n");

  // The same file carries the channels into a HAM group; over themselves it changes nothing.
  ASSERT_EQ(Cli("export-csv b.dat --band HF --group 16 -o mem.csv").exitCode, 0);
  EXPECT_EQ(test::ReadText(At("mem.csv")), exported.out);
  ASSERT_EQ(Cli("import-csv b.dat --band HAM --group MEM mem.csv").exitCode, 0);
  CliRun ham = Cli("export-csv b.dat --band HAM --group 13");
  EXPECT_EQ(ham.out, exported.out);

  auto before = test::ReadBytes(At("b.dat"));
  CliRun again = Cli("import-csv b.dat --band HF --group MEM mem.csv -o c.dat");
  EXPECT_EQ(again.exitCode, 0);
  EXPECT_EQ(again.out, "Channels imported: 0 new, 0 changed, 0 lines skipped.\n");
  EXPECT_EQ(again.err, "No channel was added or changed: the data file was not written.\n");
  EXPECT_FALSE(std::filesystem::exists(At("c.dat")));
  EXPECT_EQ(test::ReadBytes(At("b.dat")), before);
}

TEST_F(CsvCommands, ExportWritesEveryChannelOfACbPlanAndReportsWhatItCannotWrite) {
  CliRun de = Cli("export-csv a.dat --band CB --group 3 -o de.csv");
  EXPECT_EQ(de.exitCode, 0);
  std::string text = test::ReadText(At("de.csv"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 80);
  EXPECT_NE(text.find("\r\n80,80,"), std::string::npos);

  CliRun nowhere = Cli("export-csv a.dat --band CB --group 1 -o no-such-folder/x.csv");
  EXPECT_EQ(nowhere.exitCode, 4);
  EXPECT_EQ(nowhere.err, "The file cannot be written: no-such-folder/x.csv\n");
  EXPECT_EQ(Cli("export-csv missing.dat --band CB --group 1").exitCode, 3);
}

TEST_F(CsvCommands, BandsAndGroupsTheRadioLacksAreUsageErrors) {
  struct Case {
    const char* args;
    const char* message;
  };
  for (const Case& c : {Case{"--band UHF --group 1", "The band must be CB, HF or HAM.\n"},
                        Case{"--band CB --group MEM", "The group must be a number from 1 to 7.\n"},
                        Case{"--band CB --group 8", "The group must be a number from 1 to 7.\n"},
                        Case{"--band HF --group 18", "The group must be a number from 1 to 17, MEM or VFO.\n"},
                        Case{"--band HAM --group 0", "The group must be a number from 1 to 14, MEM or VFO.\n"},
                        Case{"--band HAM --group 1x", "The group must be a number from 1 to 14, MEM or VFO.\n"}}) {
    CliRun run = Cli(std::string("export-csv a.dat ") + c.args);
    EXPECT_EQ(run.exitCode, 2) << c.args;
    EXPECT_EQ(run.err, c.message) << c.args;
    EXPECT_EQ(Cli(std::string("import-csv a.dat x.csv ") + c.args).err, c.message) << c.args;
  }
  EXPECT_EQ(Cli("export-csv a.dat --band HF").exitCode, 2);
}

TEST_F(CsvCommands, RefusedFilesChangeNothingAndSayWhy) {
  Write("ok.csv", "Location,Frequency\n1,28.5\n");
  Write("header.csv", "Channel,Frequency\n1,28.5\n");
  Write("empty.csv", "");
  Write("binary.csv", std::string("Location,Frequency\n1,28.5\0\n", 26));
  std::string large = "Location,Frequency\n";
  for (int k = 0; k < 1000; ++k) large += "1,28.5\n";
  Write("large.csv", large);
  Write("semicolons.csv", "Location;Name;Frequency\n1;A;28,5\n");
  struct Case {
    const char* args;
    int exitCode;
    const char* message;
  };
  const char* header = "The first line of the file must name the columns, among them Location and Frequency.\n";
  for (const Case& c :
       {Case{"ok.csv --band CB --group 1", 21,
             "CB channel frequencies are fixed: channels can be imported only into an HF or HAM group.\n"},
        Case{"header.csv --band HF --group 1", 20, header}, Case{"empty.csv --band HF --group 1", 20, header},
        Case{"binary.csv --band HF --group 1", 20, "The file is not a CSV text file.\n"},
        Case{"semicolons.csv --band HF --group 1 --renumber", 20,
             "The first line has no Location and Frequency columns separated by commas, but it holds semicolons. "
             "Save the file again with commas between the values (in a spreadsheet: CSV, comma-delimited).\n"},
        Case{"large.csv --band HF --group 1", 20,
             "The file is too large for a channel file (at most 1 MB and 1000 lines).\n"},
        Case{"missing.csv --band HF --group 1", 3, "The file cannot be read: missing.csv\n"}}) {
    CliRun run = Cli(std::string("import-csv a.dat -o b.dat ") + c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args;
    EXPECT_EQ(run.err, c.message) << c.args;
    EXPECT_EQ(run.out, "") << c.args;
    EXPECT_FALSE(std::filesystem::exists(At("b.dat"))) << c.args;
  }
  CliRun noData = Cli("import-csv missing.dat ok.csv --band HF --group 1");
  EXPECT_EQ(noData.exitCode, 3);
  EXPECT_EQ(noData.err, "file error. missing.dat\n");
}

// A file as another programmer writes it for a 10-metre rig: numbered from 0
// and past 40, power in watts, names, comments and per-channel offsets.
TEST_F(CsvCommands, AnotherProgrammersFileIsTakenInFileOrderAndWhatTheRadioCannotHoldIsNamed) {
  Write("rig.csv",
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,"
        "Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n"
        "0,CALL,28.400000,,0.000000,,88.5,88.5,023,NN,USB,5.00,,50W,Calling,,,,\n"
        "1,RPT A,29.620000,-,0.100000,Tone,88.5,88.5,023,NN,FM,5.00,,5.0W,,,,,\n"
        "2,RPT B,29.640000,-,0.600000,Tone,88.5,88.5,023,NN,FM,5.00,,15W,,,,,\n"
        "40,3,28.300000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,High,,,,,\n"
        "41,41,29.000000,,0.000000,,88.5,88.5,023,NN,AM,5.00,,0.5W,,,,,\n");
  // By Location, lines 0 and 41 do not fit the group. The new document's radio-wide offset is 0.1 MHz.
  CliRun byLocation = Cli("import-csv a.dat --band HAM --group 1 rig.csv -o b.dat");
  EXPECT_EQ(byLocation.exitCode, 22);
  EXPECT_EQ(byLocation.out,
            "Channels imported: 3 new, 0 changed, 2 lines skipped.\n"
            "Left out, as the radio cannot hold them: 2 names, 0 comments, 1 repeater offset other than the "
            "radio-wide 0.1000 MHz.\n");

  // In file order, into the free rows around a channel already at row 2.
  Write("two.csv", "Location,Frequency\n2,28.5\n");
  ASSERT_EQ(Cli("import-csv b.dat --band HAM --group 2 two.csv").exitCode, 0);
  CliRun inOrder = Cli("import-csv b.dat --band HAM --group 2 rig.csv --renumber");
  EXPECT_EQ(inOrder.exitCode, 0) << inOrder.err;
  EXPECT_EQ(inOrder.err, "");
  EXPECT_EQ(inOrder.out,
            "Channels imported: 5 new, 0 changed, 0 lines skipped.\n"
            "Left out, as the radio cannot hold them: 3 names, 1 comment, 1 repeater offset other than the "
            "radio-wide 0.1000 MHz.\n");
  CliRun exported = Cli("export-csv b.dat --band HAM --group 2");
  EXPECT_EQ(exported.out, std::string(kHeaderLine) +
                              "1,1,28.400000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,USB,10.00,,High,,,,,\r\n"
                              "2,2,28.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,10.00,,High,,,,,\r\n"
                              "3,3,29.620000,-,0.100000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,10.00,,Low,,,,,\r\n"
                              "4,4,29.640000,-,0.100000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,10.00,,Mid,,,,,\r\n"
                              "5,5,28.300000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,10.00,,High,,,,,\r\n"
                              "6,6,29.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,10.00,,Low,,,,,\r\n");

  // A group with fewer free rows than lines takes the first lines and names the others.
  CliRun vfo = Cli("import-csv b.dat --band HAM --group VFO rig.csv --renumber");
  EXPECT_EQ(vfo.exitCode, 22);
  EXPECT_EQ(vfo.out.substr(0, 54), "Channels imported: 1 new, 0 changed, 4 lines skipped.\n");
  EXPECT_EQ(vfo.err,
            "Line 3: The group has no free channel.\nLine 4: The group has no free channel.\n"
            "Line 5: The group has no free channel.\nLine 6: The group has no free channel.\n");
}

TEST_F(CsvCommands, SkippedLinesAreListedAndTheOthersSaved) {
  Write("mixed.csv",
        "Location,Frequency,Mode\n"
        "1,28.5,USB\n"
        "2,99,FM\n"
        "41,28.6,FM\n"
        "3,28.7,DIG\n");
  CliRun run = Cli("import-csv a.dat mixed.csv --band HAM --group 4");
  EXPECT_EQ(run.exitCode, 22);
  EXPECT_EQ(run.err,
            "Line 3: Frequency 99 MHz is out of range (28.0000 - 29.7000 MHz).\n"
            "Line 4: Location 41 is not a channel of this group (1 to 40).\n"
            "Line 5: Mode \"DIG\" is not supported: use FM, AM, USB, LSB or CW.\n");
  EXPECT_EQ(run.out, "Channels imported: 1 new, 0 changed, 3 lines skipped.\n");
  CliRun saved = Cli("export-csv a.dat --band HAM --group 4");
  EXPECT_NE(saved.out.find("\r\n1,1,28.500000,"), std::string::npos) << saved.out;
  EXPECT_EQ(std::count(saved.out.begin(), saved.out.end(), '\n'), 2);

  // Nothing taken: the data file stays as it was.
  Write("bad.csv", "Location,Frequency\n5,12\n");
  auto before = test::ReadBytes(At("a.dat"));
  CliRun none = Cli("import-csv a.dat bad.csv --band HAM --group 4");
  EXPECT_EQ(none.exitCode, 22);
  EXPECT_EQ(none.out, "Channels imported: 0 new, 0 changed, 1 line skipped.\n");
  EXPECT_NE(none.err.find("No channel was added or changed: the data file was not written.\n"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(At("a.dat")), before);
}

}  // namespace
}  // namespace zq
