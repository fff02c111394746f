// Every window on the screen the tests were started with (tests/CMakeLists.txt
// runs this suite on a 1366 x 768 screen at scale 1, 1920 x 1080 at 1.5 and
// 2560 x 1440 at 2): it opens whole, its buttons in sight, no caption cut.
#include <QAbstractButton>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QScreen>

#include "print/ui/print_choice_dialog.h"
#include "shell/ui/editor_table.h"
#include "shell/ui/frm_com_set.h"
#include "shell/ui/frm_compare.h"
#include "shell/ui/frm_progress.h"
#include "shell/ui/frm_check_connection.h"
#include "shell/ui/frm_radio_series.h"
#include "shell/ui/language_dialog.h"
#include "support/main_window_fixture.h"
#include "widgets/editor_window.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

QString Rect(const QRect& r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

// Captions narrower than they ask for are cut or elided.
QStringList CutCaptions(QWidget& window) {
  QStringList cut;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window) || (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w))) continue;
    if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap()) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->text().isEmpty()) continue;  // arrows
    if (w->width() < w->minimumSizeHint().width()) cut << w->objectName() + QLatin1Char(' ') + Rect(w->geometry());
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
    EXPECT_TRUE(CutCaptions(window).isEmpty()) << what << ": " << CutCaptions(window).join(QLatin1Char('|')).toStdString();
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
      EXPECT_TRUE(CutCaptions(*editor).isEmpty()) << def.key << ": " << CutCaptions(*editor).join(QLatin1Char('|')).toStdString();
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
