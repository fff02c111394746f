#pragma once
// Driving the special-channel and weather windows as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <initializer_list>

#include "channels/config_fixture.h"
#include "support/main_window_fixture.h"
#include "widgets/editor_window.h"

namespace zq::testing {

// Picks the entry with the given text, as a click in the open list does.
inline void Pick(QComboBox* list, const QString& text) {
  ASSERT_NE(list, nullptr);
  int entry = list->findText(text);
  ASSERT_GE(entry, 0) << text.toStdString() << " is not offered by " << list->objectName().toStdString();
  list->setCurrentIndex(entry);
  emit list->activated(entry);
}

// A double click as the window system delivers it: press, release, press,
// double click, release. (QTest::mouseDClick leaves the second press out.)
inline void DoubleClick(QWidget* widget, QPoint pos) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
  QTest::mousePress(widget, Qt::LeftButton, {}, pos);
  QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(pos), widget->mapToGlobal(QPointF(pos)), Qt::LeftButton,
                    Qt::LeftButton, {});
  QApplication::sendEvent(widget, &event);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

// Lets closed windows go, as the event loop does after a handler returns.
inline void DeleteClosedWindows() {
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QStringList Entries(const QComboBox* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
  return texts;
}

// Runs the event loop until `done` holds; false after the time-out.
inline bool ProcessUntil(const std::function<bool()>& done, int timeoutMs = 20000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

class SpecialWindowFixture : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
  }

  // The group holds exactly these channels, whatever the template put there.
  void SetChannels(BandGroup group, std::initializer_list<int> numbers) {
    app().config.Count(group) = 0;
    for (int number : numbers) AddChannel(app().config, group, number);
  }

  template <class Window>
  Window* Open(std::string_view key) {
    auto* window = dynamic_cast<Window*>(main->OpenEditor(key));
    QApplication::processEvents();
    return window;
  }
};

}  // namespace zq::testing
