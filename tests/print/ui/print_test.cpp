// Printing and PDF files: the pages a printout takes, the fonts it carries, and
// the File menu's Print and Print to PDF through the real main window.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

#include "platform/local_date.h"
#include "print/print_job.h"
#include "print/ui/pdf_file.h"
#include "print/ui/print_choice_dialog.h"
#include "support/main_window_fixture.h"
#include "support/scripted_print_chooser.h"

namespace zq {
namespace {

using testing::MainWindowFixture;
using testing::ScriptedPrintChooser;

QByteArray ReadAll(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Page objects of a PDF: "/Type /Page", not the "/Type /Pages" of the page tree.
int PdfPageCount(const QByteArray& pdf) {
  const QByteArray marker("/Type /Page");
  int count = 0;
  for (qsizetype at = pdf.indexOf(marker); at >= 0; at = pdf.indexOf(marker, at + 1))
    if (at + marker.size() < pdf.size() && pdf[at + marker.size()] != 's') ++count;
  return count;
}

// The pages one table of `rows` rows with a header row takes, worked out from the heights alone.
int PagesOfOneTable(const PageMetrics& m, int rows) {
  int first = (m.bodyHeight - m.titleHeight - m.tableGap - m.headingHeight - m.rowHeight) / m.rowHeight;
  int later = (m.bodyHeight - m.headingHeight - m.rowHeight) / m.rowHeight;
  return rows <= first ? 1 : 1 + (rows - first + later - 1) / later;
}

class PrintTest : public MainWindowFixture {
 protected:
  QString Path(const std::string& name) const { return QString::fromStdString((folder.root() / name).string()); }
  PrintDocument Document(PrintChoice choice, int language = kEnglish) {
    return BuildPrintDocument(app().config, app().document, choice, {language, LocalToday()});
  }
  ScriptedPrintChooser chooser;
};

TEST_F(PrintTest, AMemGroupOf99ChannelsSpansThePagesItsRowsNeed) {
  PaintedDocument mem = WritePdfFile(Document({PrintKind::ChannelTable, kHF, 16}), Path("mem.pdf"), kEnglish);
  ASSERT_TRUE(mem.ok);
  QByteArray pdf = ReadAll(Path("mem.pdf"));
  ASSERT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(PdfPageCount(pdf), static_cast<int>(mem.pages.size()));
  EXPECT_EQ(static_cast<int>(mem.pages.size()), PagesOfOneTable(mem.metrics, 99));
  EXPECT_GE(mem.pages.size(), 2u);
  // Every page after the first repeats the table's heading and header row.
  for (std::size_t p = 1; p < mem.pages.size(); ++p) EXPECT_TRUE(mem.pages[p].slices.at(0).continued);

  PaintedDocument plain = WritePdfFile(Document({PrintKind::ChannelTable, kHF, 1}), Path("plain.pdf"), kEnglish);
  ASSERT_TRUE(plain.ok);
  EXPECT_EQ(PdfPageCount(ReadAll(Path("plain.pdf"))), PagesOfOneTable(plain.metrics, 40));
  EXPECT_LT(plain.pages.size(), mem.pages.size());
}

TEST_F(PrintTest, AChinesePrintoutCarriesTheChineseFont) {
  ASSERT_TRUE(WritePdfFile(Document({PrintKind::Summary}, kChinese), Path("zh.pdf"), kChinese).ok);
  ASSERT_TRUE(WritePdfFile(Document({PrintKind::Summary}, kEnglish), Path("en.pdf"), kEnglish).ok);
  QByteArray zh = ReadAll(Path("zh.pdf")), en = ReadAll(Path("en.pdf"));
  EXPECT_GE(PdfPageCount(zh), 1);
  EXPECT_TRUE(zh.contains("/FontFile2")) << "fonts are embedded";
  EXPECT_TRUE(zh.contains("WenQuanYi"));
  EXPECT_FALSE(en.contains("WenQuanYi"));
}

TEST_F(PrintTest, APdfThatCannotBeWrittenLeavesNoFile) {
  PaintedDocument painted = WritePdfFile(Document({PrintKind::Summary}), Path("no-such-folder/x.pdf"), kEnglish);
  EXPECT_FALSE(painted.ok);
  EXPECT_FALSE(std::filesystem::exists(folder.root() / "no-such-folder"));
}

TEST_F(PrintTest, TheFileMenuOffersPrintAndPrintToPdfBeforeExit) {
  QMenu* file = main->menuBar()->actions().at(0)->menu();
  QStringList texts;
  for (QAction* a : file->actions())
    if (!a->isSeparator()) texts << a->text();
  ASSERT_GE(texts.size(), 3);
  EXPECT_EQ(texts.mid(texts.size() - 3), (QStringList{"&Print", "Print to P&DF", "E&xit"}));
  app().settings.language = kChinese;
  main->Change_Language();
  EXPECT_EQ(main->action(Command::PrintToPdf)->text(), QStringLiteral("打印到 PDF(&D)"));
  EXPECT_EQ(main->action(Command::Print)->text(), QStringLiteral("打印(&P)"));
}

TEST_F(PrintTest, PrintToPdfAsksWhatAndWhereThenWritesTheFile) {
  chooser.Choose({PrintKind::ChannelTable, kHF, 16});
  prompter.SaveFile(Path("table.pdf"));
  main->action(Command::PrintToPdf)->trigger();
  ASSERT_EQ(chooser.captions, QStringList{"Print to PDF"});
  EXPECT_EQ(chooser.presets.at(0), (PrintChoice{PrintKind::ChannelTable, kCB, 1}));
  EXPECT_EQ(prompter.filters.back(), QStringLiteral("PDF File (*.pdf)"));
  EXPECT_EQ(prompter.savePresets.back(), QStringLiteral("new.pdf"));
  EXPECT_TRUE(prompter.shown.isEmpty()) << prompter.shown.join("|").toStdString();
  PaintedDocument expected = WritePdfFile(Document({PrintKind::ChannelTable, kHF, 16}), Path("same.pdf"), kEnglish);
  EXPECT_EQ(PdfPageCount(ReadAll(Path("table.pdf"))), static_cast<int>(expected.pages.size()));

  // The next time the last choice is offered; cancelling it asks for no file.
  main->action(Command::PrintToPdf)->trigger();
  EXPECT_EQ(chooser.presets.at(1), (PrintChoice{PrintKind::ChannelTable, kHF, 16}));
  EXPECT_EQ(prompter.savePresets.size(), 1);

  // Cancelling the file dialog writes nothing; a file that cannot be made is reported.
  chooser.Choose({PrintKind::Summary});
  main->action(Command::PrintToPdf)->trigger();
  EXPECT_EQ(prompter.savePresets.size(), 2);
  EXPECT_TRUE(prompter.shown.isEmpty());
  chooser.Choose({PrintKind::Summary});
  prompter.SaveFile(Path("missing/summary.pdf"));
  main->action(Command::PrintToPdf)->trigger();
  ASSERT_EQ(prompter.shown.size(), 1);
  EXPECT_EQ(prompter.shown[0], QStringLiteral("The printout could not be made: ") + Path("missing/summary.pdf"));
}

TEST_F(PrintTest, PrintPaintsOnThePrinterTheUserSetsUp) {
  chooser.Choose({PrintKind::Summary});
  main->action(Command::Print)->trigger();  // the printer dialog is cancelled
  EXPECT_EQ(chooser.printersSetUp, 1);
  EXPECT_EQ(chooser.captions, QStringList{"Print"});

  chooser.Choose({PrintKind::Summary});
  chooser.printerFile = Path("printer.pdf");
  main->action(Command::Print)->trigger();
  EXPECT_EQ(chooser.printersSetUp, 2);
  QByteArray pdf = ReadAll(Path("printer.pdf"));
  EXPECT_GE(PdfPageCount(pdf), 1);
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(PrintTest, TheChoiceWindowOffersTheGroupsOfTheChosenBand) {
  PrintChoiceDialog dialog(QStringLiteral("Print"), {PrintKind::ChannelTable, kHF, 16}, app().config, kEnglish);
  auto* band = dialog.findChild<QComboBox*>("printBand");
  auto* group = dialog.findChild<QComboBox*>("printGroup");
  auto* summary = dialog.findChild<QRadioButton*>("printSummary");
  ASSERT_TRUE(band && group && summary);
  EXPECT_EQ(band->currentText(), QStringLiteral("HF -- 24.7150 - 30.1050 MHz"));
  EXPECT_EQ(group->count(), 17);
  EXPECT_EQ(group->currentText(), QStringLiteral("16  MEM"));
  EXPECT_EQ(group->itemText(16), QStringLiteral("17  VFO"));
  EXPECT_EQ(dialog.choice(), (PrintChoice{PrintKind::ChannelTable, kHF, 16}));

  band->setCurrentIndex(BandIndex(kCB));
  EXPECT_EQ(group->count(), 7);
  EXPECT_EQ(group->itemText(0), QStringLiteral("1  US"));
  group->setCurrentIndex(6);
  EXPECT_EQ(dialog.choice(), (PrintChoice{PrintKind::ChannelTable, kCB, 7}));

  summary->setChecked(true);
  EXPECT_FALSE(band->isEnabled());
  EXPECT_FALSE(group->isEnabled());
  EXPECT_EQ(dialog.choice().kind, PrintKind::Summary);

  PrintChoiceDialog chinese(QStringLiteral("打印"), {PrintKind::Summary, kCB, 1}, app().config, kChinese);
  EXPECT_EQ(chinese.findChild<QRadioButton*>("printSummary")->text(), QStringLiteral("配置摘要"));
  EXPECT_TRUE(chinese.findChild<QRadioButton*>("printSummary")->isChecked());
  EXPECT_FALSE(chinese.findChild<QComboBox*>("printBand")->isEnabled());
}

}  // namespace
}  // namespace zq
