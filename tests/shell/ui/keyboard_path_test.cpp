// The program used with the keyboard alone: every step goes through key events
// sent where the focus is, as a user without a mouse works.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "channels/ui/channel_grid.h"
#include "channels/ui/frequency_edit_box.h"
#include "channels/ui/frm_comm_ch_info.h"
#include "channels/ui/group_panel.h"
#include "config/channel_slots.h"
#include "image/image_codec.h"
#include "shell/demo_radio.h"
#include "shell/ui/editor_table.h"
#include "shell/ui/transfer_controller.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"

namespace zq {
namespace {

using testing::ProcessEventsUntil;
using testing::WhenModalShown;

class KeyboardPathTest : public testing::MainWindowFixture {
 protected:
  static QWidget* Focus() { return QApplication::focusWidget(); }

  // A key where a user's key would go: the open menu, else the focused widget.
  static QWidget* KeyTarget() {
    if (QWidget* menu = QApplication::activePopupWidget()) return menu;
    if (Focus()) return Focus();
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
  }
  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = KeyTarget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
    QApplication::processEvents();
  }
  // Each character goes where the focus is by then: the first may open a box.
  static void Type(const char* text) {
    for (const char* c = text; *c; ++c) {
      QWidget* target = KeyTarget();
      ASSERT_NE(target, nullptr);
      QTest::keyClick(target, *c);
    }
  }

  // Alt and the menu's access key, then the entry's access key.
  void Menu(Qt::Key menu, Qt::Key entry) {
    // The offscreen platform has no window manager to give the main window back its
    // activation when a dialog closes; a desktop does.
    if (!QApplication::activeWindow()) {
      main->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }
    Press(menu, Qt::AltModifier);
    ASSERT_TRUE(qobject_cast<QMenu*>(QApplication::activePopupWidget())) << "no menu for Alt+" << menu;
    Press(entry);
  }

  // Tab until the widget has the focus; false when the tab order never reaches it.
  static bool TabTo(QWidget* widget) {
    for (int k = 0; k < 200 && Focus() != widget; ++k) Press(Qt::Key_Tab);
    return Focus() == widget;
  }

  template <typename Done>
  static bool PressUntil(Qt::Key key, Done done) {
    for (int k = 0; k < 40 && !done(); ++k) Press(key);
    return done();
  }

  const ChannelRecord* Channel(BandGroup group, int row) {
    int position = FindSlotOfNumber(app().config, group, row);
    return position ? &app().config.Channel(group, position) : nullptr;
  }
};

TEST_F(KeyboardPathTest, ReadEditUndoSaveAndSetAnOptionWithKeysAlone) {
  auto radio = MakeDemoRadio(folder.program(), false);
  main->transfers().AttachDemoRadio(
      std::make_unique<SimulatedRadio>(radio->memory(), RadioIdentity{kModelName, true, kDataVersion}));
  main->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  main->tree()->setFocus();  // where the focus is when the program starts

  // Setup > Communication Port: first a port typed in, then the simulated radio picked from the list.
  WhenModalShown([](QWidget* dialog) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    Press(Qt::Key_End);
    Press(Qt::Key_Home, Qt::ShiftModifier);
    Type("COM3");
    Press(Qt::Key_Return);
  });
  Menu(Qt::Key_S, Qt::Key_C);
  ASSERT_FALSE(main->transfers().demoChosen());
  WhenModalShown([](QWidget* dialog) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    auto* list = dialog->findChild<QComboBox*>("portList");
    EXPECT_TRUE(Focus() == list || list->isAncestorOf(Focus()));
    for (int k = 0; k < list->count(); ++k) Press(Qt::Key_Down);  // the simulated radio comes last
    Press(Qt::Key_Return);
  });
  Menu(Qt::Key_S, Qt::Key_C);
  ASSERT_TRUE(main->transfers().demoChosen());

  // Program > Read from Radio; the question is answered, the transfer runs to its end.
  prompter.Answer(Answer::Ok);
  Menu(Qt::Key_P, Qt::Key_R);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !main->transfers().busy(); }, 20000));
  ASSERT_EQ(prompter.shown.back(), QStringLiteral("Read Data Completed."));

  // Edit > Channel Information; HAM group 1, channel 3 through the tab order and the arrows.
  Menu(Qt::Key_E, Qt::Key_C);
  auto* editor = static_cast<frmCommChInfo*>(main->OpenEditorWindow(kChannelEditorKey));
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(TabTo(editor->bandSelector()));
  ASSERT_TRUE(PressUntil(Qt::Key_Down, [&] { return editor->band() == kHAM; }));
  ASSERT_TRUE(TabTo(editor->groupPanel()->groupSelector()));
  ASSERT_TRUE(PressUntil(Qt::Key_Up, [&] { return editor->group() == 1; }));
  ASSERT_TRUE(TabTo(editor->grid()));
  Press(Qt::Key_Right);
  ASSERT_TRUE(PressUntil(Qt::Key_Down, [&] { return editor->grid()->CurrentRow() == 3; }));
  Type("28.345");  // a digit opens the box
  ASSERT_TRUE(editor->grid()->IsEditing());
  Press(Qt::Key_Tab);  // the value is stored as the box is left, and the next cell is current
  EXPECT_EQ(editor->grid()->Frequency(3), QStringLiteral("28.34500"));
  ASSERT_NE(Channel({kHAM, 1}, 3), nullptr);
  ASSERT_TRUE(PressUntil(Qt::Key_Up, [&] { return editor->grid()->CurrentRow() == 3; }));

  // Its Power, one step down the list; then undone and done again.
  QComboBox* power = nullptr;
  for (QLabel* label : editor->findChildren<QLabel*>())
    if (label->text() == QStringLiteral("Power") && label->isVisible())
      power = qobject_cast<QComboBox*>(label->buddy());
  ASSERT_NE(power, nullptr);
  ASSERT_TRUE(TabTo(power));
  const auto before = Channel({kHAM, 1}, 3)->PowerLevel;
  Press(power->currentIndex() + 1 < power->count() ? Qt::Key_Down : Qt::Key_Up);
  const auto after = Channel({kHAM, 1}, 3)->PowerLevel;
  ASSERT_NE(after, before);
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Channel({kHAM, 1}, 3)->PowerLevel, before);
  Press(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Channel({kHAM, 1}, 3)->PowerLevel, after);

  // File > Save As, under a new name.
  const std::filesystem::path saved = folder.root() / "by-keyboard.dat";
  prompter.SaveFile(QString::fromStdString(saved.string()));
  Menu(Qt::Key_F, Qt::Key_A);
  EXPECT_TRUE(std::filesystem::exists(saved));

  // Edit > Option Features: TOT one step along its list, then the window closed from its button.
  Menu(Qt::Key_E, Qt::Key_O);
  EditorWindow* options = main->OpenEditorWindow(kOptionEditorKey);
  ASSERT_NE(options, nullptr);
  QComboBox* tot = nullptr;
  for (QLabel* label : options->findChildren<QLabel*>())
    if (label->text() == QStringLiteral("TOT")) tot = qobject_cast<QComboBox*>(label->buddy());
  ASSERT_NE(tot, nullptr);
  ASSERT_TRUE(TabTo(tot));
  const int totBefore = app().config.Options.Tot();
  Press(tot->currentIndex() + 1 < tot->count() ? Qt::Key_Down : Qt::Key_Up);
  EXPECT_NE(app().config.Options.Tot(), totBefore);
  ASSERT_TRUE(TabTo(options->findChild<QPushButton*>("cmdClose")));
  Press(Qt::Key_Space);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(main->OpenEditorWindow(kOptionEditorKey), nullptr);

  // File > Exit, keeping the change out of the file.
  prompter.Answer(Answer::No);
  Menu(Qt::Key_F, Qt::Key_X);
  EXPECT_EQ(prompter.unansweredQuestions(), 0);  // "save it now?" was asked
  EXPECT_FALSE(main->isVisible());
}

}  // namespace
}  // namespace zq
