#pragma once
// The channel information window inside a main window on a throw-away
// installation, with helpers that act as the user does.
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "channels/detail_fields.h"
#include "channels/ui/channel_detail_panel.h"
#include "channels/ui/channel_grid.h"
#include "channels/ui/frequency_edit_box.h"
#include "channels/ui/frm_comm_ch_info.h"
#include "channels/ui/group_panel.h"
#include "channels/ui/list_edit_menu.h"
#include "shell/ui/editor_table.h"
#include "support/main_window_fixture.h"
#include "widgets/filtered_line_edit.h"

namespace zq::testing {

class ChannelEditorFixture : public MainWindowFixture {
 protected:
  // Shown and active, so that visibility and focus behave as on a desktop.
  void SetUp() override {
    MainWindowFixture::SetUp();
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  }

  frmCommChInfo* editor() const { return static_cast<frmCommChInfo*>(main->OpenEditorWindow(kChannelEditorKey)); }
  RadioConfig& cfg() { return app().config; }

  // As after an HF-capable radio answered: the window opens again with every band.
  void AllowEveryBand() {
    app().identity.hfCapable = true;
    Reopen();
  }
  void Reopen() {
    main->CloseAllEditors();
    main->OpenEditor(kChannelEditorKey);
  }

  // A pick in a list, as the user makes it.
  static void Pick(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
  static void PickNumber(QComboBox* list, int number) { Pick(list, list->findData(number)); }
  static void PickText(QComboBox* list, const char* text) {
    int index = list->findText(QString::fromUtf8(text));
    ASSERT_GE(index, 0) << text;
    Pick(list, index);
  }
  void ShowBand(Band band) { Pick(editor()->bandSelector(), BandIndex(band)); }
  void ShowGroup(int group) { PickNumber(editor()->groupPanel()->groupSelector(), group); }

  // The detail list labelled `label` (the second "CTC/DCS" is occurrence 1).
  QComboBox* Detail(Txt label, int occurrence = 0) const {
    auto fields = DetailFields();
    for (int k = 0; k < static_cast<int>(fields.size()); ++k)
      if (fields[k].label == label && occurrence-- == 0) return editor()->detailPanel()->list(k);
    return nullptr;
  }
  static QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int k = 0; k < list->count(); ++k) items << list->itemText(k);
    return items;
  }

  ChannelGrid* grid() const { return editor()->grid(); }
  FrequencyEditBox* box() const { return grid()->editBox(); }
  void SelectRow(int row) { grid()->setCurrentCell(row - 1, kFrequencyColumn); }
  // Enter on the row's frequency cell, the text typed, then the box left.
  void TypeFrequency(int row, const char* text) {
    SelectRow(row);
    QTest::keyClick(grid(), Qt::Key_Return);
    box()->selectAll();
    QTest::keyClick(box(), Qt::Key_Delete);
    QTest::keyClicks(box(), text);
    editor()->CommitPendingEdit();
  }
};

}  // namespace zq::testing
