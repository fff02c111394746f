// What assistive technology sees of every window: each element that takes the
// focus has a name in the language in force, and the grids tell a cell's row
// and column.
#include <QAccessible>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>

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

// A text as it is spoken: without its access key and the colon that ends a label.
QString Spoken(QString text) {
  static const QRegularExpression accessKey(QStringLiteral("\\(&.\\)|&|[:：]\\s*$"));
  return text.remove(accessKey).simplified();
}

bool HasCjk(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000 && c.unicode() <= 0xFFEF; });
}

bool HasWord(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

QSet<QString> SpokenTexts(int language) {
  QSet<QString> texts;
  for (int id = 0; id < TextCount(); ++id) texts.insert(Spoken(QText(static_cast<Txt>(id), language)));
  return texts;
}

// A list's name on Linux is its chosen entry; its label is told through the
// "labelled by" relation, and a list without a label has the name the window gives it.
QString NameOf(QAccessibleInterface* node) {
  if (node->role() != QAccessible::ComboBox) return node->text(QAccessible::Name);
  const auto labels = node->relations(QAccessible::Label);
  if (!labels.isEmpty()) return labels.first().first->text(QAccessible::Name);
  auto* list = qobject_cast<QWidget*>(node->object());
  return list ? list->accessibleName() : QString();
}

QString Where(QAccessibleInterface* node) {
  QString path;
  for (QObject* o = node->object(); o; o = o->parent())
    path = QString::fromLatin1(o->metaObject()->className()) + QLatin1Char('#') + o->objectName() + QLatin1Char('/') +
           path;
  return path.isEmpty() ? node->text(QAccessible::Name) : path;
}

class NameCheck {
 public:
  explicit NameCheck(int language)
      : english_(language == kEnglish),
        own_(SpokenTexts(language)),
        other_(SpokenTexts(language == kEnglish ? kChinese : kEnglish)) {}

  void Walk(QAccessibleInterface* node) {
    if (!node || node->state().invisible) return;
    if (node->state().focusable) Check(node);
    ++walked;
    const QAccessible::Role role = node->role();
    if (role == QAccessible::Table || role == QAccessible::Tree || role == QAccessible::List)
      return;  // their items are data
    for (int k = 0; k < node->childCount(); ++k) Walk(node->child(k));
  }

  QStringList faults;
  int walked = 0;
  int named = 0;

 private:
  void Check(QAccessibleInterface* node) {
    const QString name = Spoken(NameOf(node));
    if (!HasWord(name)) {
      faults << QStringLiteral("no name: ") + Where(node);
    } else if ((other_.contains(name) && !own_.contains(name)) || (english_ && HasCjk(name))) {
      faults << QStringLiteral("other language: ") + name + QStringLiteral(" at ") + Where(node);
    } else {
      ++named;
    }
  }

  bool english_;
  QSet<QString> own_, other_;
};

class AccessibilityTest : public testing::MainWindowFixture {
 protected:
  // Walks a shown window; fails with every element that is not named right.
  void ExpectNamed(QWidget& window, int language, const char* what, bool hasFields = true) {
    window.show();
    QApplication::processEvents();
    NameCheck check(language);
    check.Walk(QAccessible::queryAccessibleInterface(&window));
    if (hasFields) {
      EXPECT_GT(check.named, 0) << what;
    }
    EXPECT_TRUE(check.faults.isEmpty()) << what << " in language " << language << ":\n"
                                        << check.faults.join(QLatin1Char('\n')).toStdString();
  }

  void UseLanguage(int language) {
    app().settings.language = language;
    main->Change_Language();
    QApplication::processEvents();
  }
};

TEST_F(AccessibilityTest, EveryWindowNamesWhatTakesTheFocusInTheLanguageInForce) {
  main->show();
  for (const EditorDef& def : EditorTable()) main->OpenEditor(def.key);
  for (int language : {kEnglish, kChinese}) {
    UseLanguage(language);  // the editors stay open: their names follow the switch
    ExpectNamed(*main, language, "main window and editors");
    FrmComSet port(*main, main->transfers());
    ExpectNamed(port, language, "port");
    LanguageDialog choice(language, kChinese, main.get());
    ExpectNamed(choice, language, "language");
    FrmProgress progress(FrmProgress::Kind::Read, language, main.get());
    ExpectNamed(progress, language, "progress", false);
    FrmCompare compare({{"/Options/Tot", "5", "6"}}, "a.dat", "b.dat", *main);
    ExpectNamed(compare, language, "compare");
    FrmRadioSeries series(*main);
    ExpectNamed(series, language, "series");
    FrmCheckConnection check(*main);
    ExpectNamed(check, language, "check connection");
    PrintChoiceDialog print(QText(Txt::MenuPrint, language), {}, app().config, language, main.get());
    ExpectNamed(print, language, "print choice");
  }
}

// The widgets Tab visits in a window, in the order it visits them.
std::vector<QWidget*> TabChain(QWidget& window) {
  std::vector<QWidget*> chain;
  for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
    if (w->isVisibleTo(&window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
      chain.push_back(w);
  return chain;
}

// Tab follows the layout: within one frame the next widget lies below the one
// before or in a column to its right, never back above and to the left of it.
QStringList TabOrderFaults(QWidget& window) {
  QStringList faults;
  const std::vector<QWidget*> chain = TabChain(window);
  for (std::size_t k = 1; k < chain.size(); ++k) {
    QWidget* a = chain[k - 1];
    QWidget* b = chain[k];
    if (a->parentWidget() != b->parentWidget()) continue;  // another frame or page begins
    const QRect ra = a->geometry(), rb = b->geometry();
    const bool below = rb.top() >= ra.top() - 4;
    const bool nextColumn = rb.left() >= ra.right() - 4;
    if (!below && !nextColumn)
      faults << Where(QAccessible::queryAccessibleInterface(a)) + QStringLiteral(" -> ") + b->objectName();
  }
  return faults;
}

TEST_F(AccessibilityTest, TabFollowsTheLayoutOfEveryWindow) {
  main->show();
  QStringList faults;
  for (const EditorDef& def : EditorTable()) {
    main->CloseAllEditors();
    if (EditorWindow* editor = main->OpenEditor(def.key)) {
      QApplication::processEvents();
      faults << TabOrderFaults(*editor);
    }
  }
  FrmComSet port(*main, main->transfers());
  FrmCompare compare({{"/Options/Tot", "5", "6"}}, "a.dat", "b.dat", *main);
  FrmRadioSeries series(*main);
  FrmCheckConnection check(*main);
  for (QWidget* window : std::initializer_list<QWidget*>{&port, &compare, &series, &check}) {
    window->show();
    QApplication::processEvents();
    faults << TabOrderFaults(*window);
  }
  EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

// Every widget that takes the focus looks different with it: a keyboard user sees where the focus is.
TEST_F(AccessibilityTest, EveryWindowShowsWhereTheFocusIs) {
  main->show();
  for (const EditorDef& def : EditorTable()) main->OpenEditor(def.key);
  FrmComSet port(*main, main->transfers());
  FrmCompare compare({{"/Options/Tot", "5", "6"}}, "a.dat", "b.dat", *main);
  FrmRadioSeries series(*main);
  FrmCheckConnection check(*main);
  QStringList unseen;
  int checked = 0;
  for (QWidget* window : std::initializer_list<QWidget*>{main.get(), &port, &compare, &series, &check}) {
    window->show();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy()) continue;
      if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
      QApplication::processEvents();
      if (w->hasFocus()) continue;
      // A dialog's default button wears the frame the focus would give it; the
      // focus on any other button takes that frame away, so it still shows.
      if (auto* button = qobject_cast<QPushButton*>(w); button && button->isDefault()) continue;
      const QImage without = w->grab().toImage();
      w->setFocus(Qt::TabFocusReason);
      w->window()->setAttribute(Qt::WA_KeyboardFocusChange);  // as a press of Tab leaves it
      QApplication::processEvents();
      if (!w->hasFocus()) continue;  // an inner part of a widget that passes the focus on
      ++checked;
      if (w->grab().toImage() == without) unseen << Where(QAccessible::queryAccessibleInterface(w));
    }
  }
  EXPECT_GT(checked, 50);
  EXPECT_TRUE(unseen.isEmpty()) << unseen.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace zq
