// The windows under a dark system palette (Fusion style): no widget keeps a light
// colour of its own that would leave its text unreadable. With ZQ_SCREENSHOT_DIR
// set, the main window with every editor is kept there as dark-palette.png.
#include <QPalette>
#include <QStyleFactory>
#include <cmath>

#include "shell/ui/editor_table.h"
#include "support/main_window_fixture.h"
#include "widgets/editor_window.h"

namespace zq {
namespace {

double Luminance(const QColor& c) {
  auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette DarkPalette() {
  QPalette p;
  const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::ToolTipBase, base);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::Highlight, QColor(42, 130, 218));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 140, 140));
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(140, 140, 140));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(140, 140, 140));
  return p;
}

class DarkPaletteTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    style_ = QApplication::style()->name();
    palette_ = QApplication::palette();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(DarkPalette());
    MainWindowFixture::SetUp();
  }
  void TearDown() override {
    MainWindowFixture::TearDown();
    QApplication::setStyle(QStyleFactory::create(style_));
    QApplication::setPalette(palette_);
  }
  QString style_;
  QPalette palette_;
};

TEST_F(DarkPaletteTest, EveryWindowKeepsItsTextReadable) {
  main->resize(1280, 720);
  main->show();
  for (const EditorDef& def : EditorTable()) main->OpenEditor(def.key);
  QApplication::processEvents();
  QStringList unreadable;
  int looked = 0;
  for (QWidget* w : main->findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    const QPalette& p = w->palette();
    const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
    const double contrast = Contrast(p.color(group, w->foregroundRole()), p.color(group, w->backgroundRole()));
    ++looked;
    if (contrast < (w->isEnabled() ? 4.5 : 2.0))
      unreadable << w->metaObject()->className() + QLatin1Char('#') + w->objectName();
  }
  EXPECT_GT(looked, 100);
  EXPECT_TRUE(unreadable.isEmpty()) << unreadable.join(QLatin1Char('\n')).toStdString();
  if (qEnvironmentVariableIsSet("ZQ_SCREENSHOT_DIR"))
    main->grab().save(qEnvironmentVariable("ZQ_SCREENSHOT_DIR") + QStringLiteral("/dark-palette.png"));
}

}  // namespace
}  // namespace zq
