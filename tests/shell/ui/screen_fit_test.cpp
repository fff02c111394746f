// Every window on the screen the tests were started with (tests/CMakeLists.txt
// runs this suite on a 1366 x 768 screen at scale 1, 1920 x 1080 at 1.5 and
// 2560 x 1440 at 2): it opens whole, its buttons in sight, no text cut, elided or
// clipped where Qt can tell (captions, list entries, headers, cells in sight, tabs).
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionViewItem>
#include <QTabBar>

#include "print/ui/print_choice_dialog.h"
#include "shell/ui/editor_table.h"
#include "shell/ui/frm_check_connection.h"
#include "shell/ui/frm_com_set.h"
#include "shell/ui/frm_compare.h"
#include "shell/ui/frm_progress.h"
#include "shell/ui/frm_radio_series.h"
#include "shell/ui/language_dialog.h"
#include "support/main_window_fixture.h"
#include "widgets/editor_window.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

QString Rect(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString Where(const QWidget& w) { return w.objectName() + QLatin1Char(' ') + Rect(w.geometry()); }

// A caption narrower or lower than it asks for is cut or elided.
bool CaptionCut(const QWidget& w) {
  if (auto* label = qobject_cast<const QLabel*>(&w)) {
    if (label->wordWrap()) return label->heightForWidth(label->width()) > label->height();
    if (label->text().isEmpty()) return false;  // pictures
  } else if (auto* button = qobject_cast<const QAbstractButton*>(&w)) {
    if (button->text().isEmpty()) return false;  // arrows
  } else if (!qobject_cast<const QGroupBox*>(&w)) {
    return false;
  }
  const QSize needed = w.minimumSizeHint();
  return w.width() < needed.width() || w.height() < needed.height();
}

// A list entry wider than the closed box's text field shows cut when chosen.
QString CutComboEntry(const QComboBox& combo) {
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.editable = combo.isEditable();
  option.frame = combo.hasFrame();
  const int field =
      combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo).width();
  for (int i = 0; i < combo.count(); ++i)
    if (combo.fontMetrics().horizontalAdvance(combo.itemText(i)) > field) return combo.itemText(i);
  return {};
}

// A header section narrower than its caption elides it.
QString CutHeaderSection(const QHeaderView& header) {
  if (header.isHidden()) return {};
  const int margin = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
  for (int i = 0; i < header.count(); ++i) {
    if (header.isSectionHidden(i)) continue;
    const QString caption = header.model()->headerData(i, header.orientation()).toString();
    const int needed = header.orientation() == Qt::Horizontal ? header.fontMetrics().horizontalAdvance(caption) + margin
                                                              : header.fontMetrics().height();
    if (!caption.isEmpty() && header.sectionSize(i) < needed) return caption;
  }
  return {};
}

// A cell in sight whose delegate asks for more width than its column has.
QString CutCell(const QAbstractItemView& view) {
  const QAbstractItemModel* model = view.model();
  if (!model) return {};
  QStyleOptionViewItem option;
  option.initFrom(view.viewport());
  option.widget = &view;
  const QRect sight = view.viewport()->rect();
  for (int row = 0; row < model->rowCount(view.rootIndex()); ++row) {
    for (int column = 0; column < model->columnCount(view.rootIndex()); ++column) {
      const QModelIndex index = model->index(row, column, view.rootIndex());
      const QRect cell = view.visualRect(index);
      if (!cell.isValid() || !sight.intersects(cell)) continue;
      option.rect = cell;
      if (view.itemDelegateForIndex(index)->sizeHint(option, index).width() > cell.width())
        return index.data().toString();
    }
  }
  return {};
}

// A tab narrower than its caption elides it.
QString CutTab(const QTabBar& tabs) {
  const int margin = tabs.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &tabs);
  for (int i = 0; i < tabs.count(); ++i)
    if (tabs.tabRect(i).width() < tabs.fontMetrics().horizontalAdvance(tabs.tabText(i)) + margin)
      return tabs.tabText(i);
  return {};
}

// A widget reaching out of its parent is clipped by it; scrolled contents are not.
bool ClippedByParent(const QWidget& w) {
  const QWidget* parent = w.parentWidget();
  if (!parent || w.isWindow() || qobject_cast<const QAbstractScrollArea*>(parent->parentWidget())) return false;
  if (qobject_cast<const QAbstractScrollArea*>(parent) || qobject_cast<const QTabBar*>(parent)) return false;
  return !parent->rect().contains(w.geometry());
}

// Every text of the window that shows cut, elided or clipped, where Qt can tell.
QStringList CutTexts(QWidget& window) {
  QStringList cut;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window)) continue;
    if (CaptionCut(*w)) cut << Where(*w);
    if (ClippedByParent(*w)) cut << Where(*w) + QStringLiteral(" outside ") + Where(*w->parentWidget());
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(w)) text = CutComboEntry(*combo);
    if (auto* header = qobject_cast<QHeaderView*>(w)) text = CutHeaderSection(*header);
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && !qobject_cast<QHeaderView*>(w)) text = CutCell(*view);
    if (auto* tabs = qobject_cast<QTabBar*>(w)) text = CutTab(*tabs);
    if (!text.isEmpty()) cut << Where(*w) + QStringLiteral(" \"") + text + QLatin1Char('"');
  }
  return cut;
}

class ScreenFit : public testing::MainWindowFixture {
 protected:
  QRect Available() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

  void ExpectOnScreen(QWidget& window, const char* what) {
    window.show();
    QApplication::processEvents();
    EXPECT_TRUE(Available().contains(window.frameGeometry()))
        << what << ": " << Rect(window.frameGeometry()).toStdString() << " on " << Rect(Available()).toStdString();
    EXPECT_TRUE(CutTexts(window).isEmpty()) << what << ": " << CutTexts(window).join(QLatin1Char('|')).toStdString();
  }
};

TEST_F(ScreenFit, EveryWindowOpensWholeWithItsButtonsInSight) {
  const QSize screen = QGuiApplication::primaryScreen()->size() * QGuiApplication::primaryScreen()->devicePixelRatio();
  std::printf("screen %dx%d, scale %.2f, available %s\n", screen.width(), screen.height(),
              QGuiApplication::primaryScreen()->devicePixelRatio(), qPrintable(Rect(Available())));
  for (int language : {kEnglish, kChinese}) {
    app().settings.language = language;
    StartMainWindow();
    ExpectOnScreen(*main, "main window");
    QWidget* area = main->mdiArea()->viewport();
    for (const EditorDef& def : EditorTable()) {
      EditorWindow* editor = main->OpenEditor(def.key);
      QApplication::processEvents();  // the cascade that follows the first layout
      for (QPushButton* button : editor->findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(editor)) continue;
        QRect shown(button->mapTo(area, QPoint(0, 0)), button->size());
        EXPECT_TRUE(area->rect().contains(shown)) << def.key << " " << button->text().toStdString();
      }
      for (QScrollArea* fields : editor->findChildren<QScrollArea*>())
        EXPECT_FALSE(fields->verticalScrollBar()->isVisibleTo(editor))
            << def.key << " needs scrolling to be seen whole";
      EXPECT_TRUE(CutTexts(*editor).isEmpty())
          << def.key << ": " << CutTexts(*editor).join(QLatin1Char('|')).toStdString();
    }
    FrmComSet port(*main, main->transfers());
    ExpectOnScreen(port, "port");
    LanguageDialog choice(language, kChinese, main.get());
    ExpectOnScreen(choice, "language");
    FrmProgress progress(FrmProgress::Kind::Write, language, main.get());
    ExpectOnScreen(progress, "progress");
    FrmCompare compare({{"/Options/Tot", "5", "6"}}, "a.dat", "b.dat", *main);
    ExpectOnScreen(compare, "compare");
    FrmRadioSeries series(*main);
    ExpectOnScreen(series, "series");
    FrmCheckConnection check(*main);
    ExpectOnScreen(check, "check connection");
    PrintChoiceDialog print(QText(Txt::MenuPrint, language), {}, app().config, language, main.get());
    ExpectOnScreen(print, "print choice");
  }
}

}  // namespace
}  // namespace zq
