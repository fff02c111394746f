#include "channels/ui/frm_tvch.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

#include "channels/list_entries.h"
#include "channels/ui/weather_frequency_edit.h"
#include "channels/weather_rules.h"
#include "platform/qt/window_placement.h"
#include "widgets/editor_host.h"
#include "widgets/guarded.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

constexpr int kHeaderHeightTwips = 510;
constexpr int kWeatherFrequencyColumn = 1;
constexpr int kGridVisibleRows = 14;

}  // namespace

FrmTVCH::FrmTVCH(EditorHost& host) : EditorWindow(nullptr), host_(host) {
  setObjectName("FrmTVCH");
  Guarded(this, "FrmTVCH_Form_Load", [&] {
    Build();
    ApplyLanguage();
  });
}

int FrmTVCH::language() const { return host_.Language(); }

void FrmTVCH::Build() {
  BuildGrid();
  auto* panel = new QWidget(this);
  BuildSettings(panel);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addWidget(panel, 0, Qt::AlignTop);
}

void FrmTVCH::BuildGrid() {
  grid_ = new QTableWidget(kWeatherRecords, kWeatherColumnCount, this);
  grid_->setObjectName("gridWeather");
  grid_->verticalHeader()->hide();
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->horizontalHeader()->setFixedHeight(kHeaderHeightTwips / kTwipsPerPixel);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  int width = 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < kWeatherColumnCount; ++c) {
    int columnWidth = kWeatherColumns[c].widthTwips / kTwipsPerPixel;
    grid_->setColumnWidth(c, columnWidth);
    grid_->setColumnHidden(c, columnWidth == 0);
    width += columnWidth;
    for (int r = 0; r < kWeatherRecords; ++r) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignCenter);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      grid_->setItem(r, c, item);
    }
  }
  grid_->setMinimumSize(width, grid_->horizontalHeader()->height() + kGridVisibleRows * grid_->rowHeight(0));

  frequencyEditor_ = new WeatherFrequencyEdit(grid_->viewport());
  frequencyEditor_->setObjectName("txtFrequency");
  frequencyEditor_->hide();
  listEditor_ = new QComboBox(grid_->viewport());
  listEditor_->setObjectName("cmbCell");
  listEditor_->hide();

  connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
    Guarded(this, "FrmTVCH_Grid_DblClick", [&] {
      Save_TVChannel();
      OpenCellEditor(row, column);
    });
  });
  // A press, not a click: the release that ends a double click must not store the editor it opened.
  connect(grid_, &QTableWidget::cellPressed, this, [this] { Save_TVChannel(); });
  connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { Save_TVChannel(); });
  connect(frequencyEditor_, &QLineEdit::returnPressed, this, [this] {
    Guarded(this, "FrmTVCH_Text1_KeyPress", [&] {
      int row = editRow_;
      Save_TVChannel();
      GoToRow((row + 1) % kWeatherRecords);
    });
  });
  connect(frequencyEditor_, &WeatherFrequencyEdit::cancelled, this, [this] { CloseCellEditor(); });
  connect(listEditor_, &QComboBox::activated, this, [this] {
    listPicked_ = true;
    Save_TVChannel();
  });
}

void FrmTVCH::BuildSettings(QWidget* panel) {
  auto* layout = new QGridLayout(panel);
  for (std::size_t i = 0; i < std::size(kWeatherSettings); ++i) {
    auto* label = new QLabel(panel);
    auto* list = new QComboBox(panel);
    list->setObjectName(QUtf8(TextName(kWeatherSettings[i].label)));
    label->setBuddy(list);
    layout->addWidget(label, static_cast<int>(i), 0);
    layout->addWidget(list, static_cast<int>(i), 1);
    int index = static_cast<int>(i);
    connect(list, &QComboBox::activated, this, [this, index](int entry) { OnSettingPicked(index, entry); });
    settingLabels_[i] = label;
    settingLists_[i] = list;
  }
}

void FrmTVCH::ApplyLanguage() {
  Guarded(this, "FrmTVCH_ChangeLanguage", [&] {
    setWindowTitle(QText(Txt::TreeWeather, language()));
    grid_->setAccessibleName(windowTitle());
    QStringList headers;
    for (const WeatherColumn& column : kWeatherColumns) headers << QText(column.header, language());
    grid_->setHorizontalHeaderLabels(headers);
    for (std::size_t i = 0; i < std::size(kWeatherSettings); ++i)
      settingLabels_[i]->setText(QText(kWeatherSettings[i].label, language()));
    FillGrid();
    FillSettings();
  });
}

void FrmTVCH::Reload() {
  CloseCellEditor();
  ApplyLanguage();
}

void FrmTVCH::CommitPendingEdit() { Save_TVChannel(); }

void FrmTVCH::closeEvent(QCloseEvent* event) {
  Save_TVChannel();
  EditorWindow::closeEvent(event);
}

void FrmTVCH::FillGrid() {
  const OptionFeatures& opt = host_.Config().Options;
  for (int r = 0; r < kWeatherRecords; ++r)
    for (int c = 0; c < kWeatherColumnCount; ++c)
      grid_->item(r, c)->setText(QUtf8(WeatherCellText(opt, r + 1, kWeatherColumns[c], language())));
}

void FrmTVCH::FillSettings() {
  const OptionFeatures& opt = host_.Config().Options;
  for (std::size_t i = 0; i < std::size(kWeatherSettings); ++i) {
    Choices choices = WeatherSettingChoices(opt, kWeatherSettings[i].choices, language());
    QComboBox* list = settingLists_[i];
    list->clear();
    for (const Choice& c : choices) list->addItem(QUtf8(c.text), c.value);
    list->setCurrentIndex(ShownChoice(choices, opt.GetInt(kWeatherSettings[i].field)));
  }
}

void FrmTVCH::OnSettingPicked(int index, int entry) {
  GuardedEdit(this, "FrmTVCH_Combo_Click", host_.Config(), [&] {
    host_.Config().Options.SetInt(kWeatherSettings[index].field, settingLists_[index]->itemData(entry).toInt());
  });
}

void FrmTVCH::OpenCellEditor(int row, int column) {
  const WeatherColumn& def = kWeatherColumns[column];
  if (def.kind == WeatherColumnKind::Number) return;
  editRow_ = row;
  editColumn_ = column;
  QRect cell = grid_->visualItemRect(grid_->item(row, column));
  if (def.kind == WeatherColumnKind::Frequency) {
    frequencyEditor_->setText(grid_->item(row, column)->text());
    frequencyEditor_->setGeometry(cell);
    frequencyEditor_->show();
    frequencyEditor_->setFocus();
    frequencyEditor_->selectAll();
    return;
  }
  Choices choices = WeatherColumnChoices(def, language());
  listEditor_->clear();
  for (const Choice& c : choices) listEditor_->addItem(QUtf8(c.text), c.value);
  listEditor_->setCurrentIndex(ShownChoice(choices, host_.Config().Options.GetInt(def.field, row + 1)));
  listEditor_->setGeometry(cell);
  listEditor_->show();
  listEditor_->setFocus();
}

void FrmTVCH::CloseCellEditor() {
  editRow_ = editColumn_ = -1;
  listPicked_ = false;
  frequencyEditor_->hide();
  listEditor_->hide();
}

void FrmTVCH::StoreCellEditor() {
  OptionFeatures& opt = host_.Config().Options;
  const WeatherColumn& def = kWeatherColumns[editColumn_];
  int record = editRow_ + 1;
  if (def.kind == WeatherColumnKind::Frequency)
    StoreWeatherFrequency(opt, record, frequencyEditor_->text().toStdString());
  else
    opt.SetInt(def.field, listEditor_->currentData().toInt(), record);
}

// Only what the user typed or picked: storing a frequency also resets W/N and
// On/Off and puts it on the raster, which a mere look at a cell must not do.
bool FrmTVCH::CellEditorChanged() const {
  return kWeatherColumns[editColumn_].kind == WeatherColumnKind::Frequency ? frequencyEditor_->isModified()
                                                                           : listPicked_;
}

void FrmTVCH::Save_TVChannel() {
  if (editColumn_ < 0) return;
  if (CellEditorChanged()) GuardedEdit(this, "FrmTVCH_Save_TVChannel", host_.Config(), [&] { StoreCellEditor(); });
  CloseCellEditor();
  FillGrid();
  FillSettings();
}

void FrmTVCH::GoToRow(int row) {
  grid_->setCurrentCell(row, kWeatherFrequencyColumn);
  grid_->setFocus();
}

}  // namespace zq
