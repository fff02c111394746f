// The weather-channel window: its grid, the cell editors and the settings lists.
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

#include "channels/ui/emg_dw_mem_window_helpers.h"
#include "channels/ui/frm_tvch.h"

namespace zq {
namespace {

using testing::Entries;
using testing::Pick;

constexpr int kFrequency = 1;
constexpr int kBandwidth = 3;

class WeatherWindowTest : public testing::SpecialWindowFixture {
 protected:
  void SetUp() override {
    SpecialWindowFixture::SetUp();
    window = Open<FrmTVCH>("N7");
    ASSERT_NE(window, nullptr);
    grid = window->grid();
  }

  QPoint CellCentre(int row, int column) {
    grid->scrollToItem(grid->item(row, column));
    return grid->visualItemRect(grid->item(row, column)).center();
  }
  void DoubleClick(int row, int column) {
    testing::DoubleClick(grid->viewport(), CellCentre(row, column));
    QApplication::processEvents();
  }
  void ClickCell(int row, int column) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    QApplication::processEvents();
  }
  QLineEdit* FrequencyBox() { return window->findChild<QLineEdit*>("txtFrequency"); }
  // Double-clicks the frequency of a row, types the text and presses Enter.
  void TypeFrequency(int row, const QString& text) {
    DoubleClick(row, kFrequency);
    ASSERT_TRUE(FrequencyBox()->isVisible());
    QTest::keyClick(FrequencyBox(), Qt::Key_Backspace);  // the whole text is selected
    QTest::keyClicks(FrequencyBox(), text);
    QTest::keyClick(FrequencyBox(), Qt::Key_Return);
    QApplication::processEvents();
  }
  QComboBox* Setting(const char* name) { return window->findChild<QComboBox*>(name); }
  OptionFeatures& opt() { return app().config.Options; }

  FrmTVCH* window = nullptr;
  QTableWidget* grid = nullptr;
};

TEST_F(WeatherWindowTest, ShowsFortyChannelsAndTheVfoWithTheirSettings) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Weather Channel"));
  ASSERT_EQ(grid->rowCount(), 41);
  EXPECT_EQ(grid->item(39, 0)->text(), QStringLiteral("40"));
  EXPECT_EQ(grid->item(40, 0)->text(), QStringLiteral("VFO"));
  EXPECT_EQ(grid->item(0, kFrequency)->text(), QStringLiteral("162.55000"));
  EXPECT_EQ(grid->item(10, kFrequency)->text(), QString());
  EXPECT_EQ(grid->item(0, kBandwidth)->text(), QStringLiteral("Wide"));
  EXPECT_TRUE(grid->isColumnHidden(2));
  EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), QStringLiteral("W/N"));
  EXPECT_EQ(Entries(Setting("CurrentWeatherChannel")), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(Setting("WxStepLabel")->currentText(), QStringLiteral("5KHz"));
}

TEST_F(WeatherWindowTest, ATypedFrequencyIsPutOnTheRasterAndOfferedAsCurrentChannel) {
  TypeFrequency(11, "16a2.4321");  // the letter is not taken
  EXPECT_FALSE(FrequencyBox()->isVisible());
  EXPECT_EQ(opt().WxInUse(12), 1);
  EXPECT_DOUBLE_EQ(opt().WxFrequency(12), 162.43);
  EXPECT_EQ(opt().WxBandwidth(12), 1);
  EXPECT_EQ(grid->item(11, kFrequency)->text(), QStringLiteral("162.43000"));
  EXPECT_TRUE(Entries(Setting("CurrentWeatherChannel")).contains("12"));
  EXPECT_EQ(grid->currentRow(), 12);  // Enter moves on to the next channel

  TypeFrequency(12, "162.4375");
  EXPECT_DOUBLE_EQ(opt().WxFrequency(13), 162.4375);
  TypeFrequency(13, "130");
  EXPECT_DOUBLE_EQ(opt().WxFrequency(14), 136.0);
  TypeFrequency(14, "180");
  EXPECT_DOUBLE_EQ(opt().WxFrequency(15), 174.0);
}

TEST_F(WeatherWindowTest, AnEmptyEntryEmptiesTheChannelAndTakesItOutOfTheCurrentList) {
  TypeFrequency(2, "");
  EXPECT_EQ(opt().WxInUse(3), 0);
  EXPECT_EQ(grid->item(2, kFrequency)->text(), QString());
  EXPECT_FALSE(Entries(Setting("CurrentWeatherChannel")).contains("3"));
}

TEST_F(WeatherWindowTest, TheVfoRowEditsTheLastRecord) {
  TypeFrequency(40, "150.00625");
  EXPECT_DOUBLE_EQ(opt().WxFrequency(41), 150.00625);
  EXPECT_EQ(grid->item(40, kFrequency)->text(), QStringLiteral("150.00625"));
  EXPECT_FALSE(Entries(Setting("CurrentWeatherChannel")).contains("41"));
}

TEST_F(WeatherWindowTest, ClickingTheGridOrClosingTheWindowStoresTheOpenEditor) {
  DoubleClick(20, kFrequency);
  QTest::keyClicks(FrequencyBox(), "163.5");
  EXPECT_EQ(opt().WxInUse(21), 0);
  ClickCell(5, 0);
  EXPECT_EQ(opt().WxInUse(21), 1);
  EXPECT_DOUBLE_EQ(opt().WxFrequency(21), 163.5);

  DoubleClick(22, kFrequency);
  QTest::keyClicks(FrequencyBox(), "164");
  main->OpenEditorWindow("N7")->parentWidget()->close();
  testing::DeleteClosedWindows();
  EXPECT_EQ(main->OpenEditorWindow("N7"), nullptr);
  EXPECT_DOUBLE_EQ(opt().WxFrequency(23), 164.0);
}

// Only a typed entry or a pick stores: looking at a cell leaves a frequency off
// the raster, W/N, On/Off and an out-of-list value as they were.
TEST_F(WeatherWindowTest, ACellEditorLeftUntouchedStoresNothing) {
  opt().WxFrequency(5) = 162.4321;
  opt().WxOnOff(5) = 1;
  opt().WxBandwidth(5) = 0;
  opt().WxScan(6) = 7;
  window->Reload();
  const RadioConfig before = app().config;
  ASSERT_EQ(grid->item(4, kFrequency)->text(), QStringLiteral("162.43210"));

  DoubleClick(4, kFrequency);
  ASSERT_TRUE(FrequencyBox()->isVisible());
  ClickCell(8, 0);
  DoubleClick(4, kFrequency);
  QTest::keyClick(FrequencyBox(), Qt::Key_Return);
  DoubleClick(5, 4);
  ASSERT_TRUE(window->findChild<QComboBox*>("cmbCell")->isVisible());
  ClickCell(8, 0);
  DoubleClick(4, kBandwidth);
  window->CommitPendingEdit();  // as before a write to the radio
  EXPECT_TRUE(app().config == before);
  EXPECT_EQ(grid->item(4, kFrequency)->text(), QStringLiteral("162.43210"));
}

TEST_F(WeatherWindowTest, EscapeGivesTheCellUpWithoutStoring) {
  DoubleClick(0, kFrequency);
  QTest::keyClicks(FrequencyBox(), "170");
  QTest::keyClick(FrequencyBox(), Qt::Key_Escape);
  ClickCell(3, 0);
  EXPECT_DOUBLE_EQ(opt().WxFrequency(1), 162.55);
}

TEST_F(WeatherWindowTest, ListCellsStoreThePickedPosition) {
  DoubleClick(0, kBandwidth);
  auto* list = window->findChild<QComboBox*>("cmbCell");
  ASSERT_TRUE(list->isVisible());
  EXPECT_EQ(list->currentText(), QStringLiteral("Wide"));
  Pick(list, "Narrow");
  EXPECT_EQ(opt().WxBandwidth(1), 0);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(grid->item(0, kBandwidth)->text(), QStringLiteral("Narrow"));

  DoubleClick(1, 4);
  Pick(list, "Del");
  EXPECT_EQ(opt().WxScan(2), 0);
}

TEST_F(WeatherWindowTest, SettingsAreStoredAtOnce) {
  Pick(Setting("WxStepLabel"), "6.25KHz");
  EXPECT_EQ(opt().WxStep(), 3);
  Pick(Setting("WxSqlLabel"), "9");
  EXPECT_EQ(opt().WxSql(), 9);
  Pick(Setting("CurrentWeatherChannel"), "7");
  EXPECT_EQ(opt().WxCurrentChannel(), 6);
  Pick(Setting("WxAlertLabel"), "On");
  EXPECT_EQ(opt().WxAlert(), 1);
}

TEST_F(WeatherWindowTest, ChineseTextsAfterALanguageChange) {
  app().settings.language = kChinese;
  main->Change_Language();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("气象信道"));
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("信道"));
  EXPECT_EQ(grid->item(0, kBandwidth)->text(), QStringLiteral("宽带"));
  EXPECT_EQ(Setting("WxOnOffLabel")->itemText(1), QStringLiteral("开"));
}

}  // namespace
}  // namespace zq
