// Read from Radio and Write to Radio through the system's own serial port, with
// the simulated radio of another process behind it. scripts/test-windows.sh runs
// this under Wine, where COM5 leads to zq4071-radiosim on a pseudo-terminal, and
// names in the environment the port (ZQ_TEST_RADIO_PORT, a COM number), the
// radio's image (ZQ_TEST_RADIO_IMAGE) and where the image the encoder makes for
// the write goes (ZQ_TEST_ENCODED_IMAGE), to be compared with what the radio kept.
#include <QAction>
#include <cstdlib>

#include "image/image_codec.h"
#include "image/image_file.h"
#include "link/test_images.h"
#include "shell/ui/transfer_controller.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"

namespace zq {
namespace {

class RadioPort : public testing::MainWindowFixture {
 protected:
  bool RunTransfer(Command command) {
    main->action(command)->trigger();
    return testing::ProcessEventsUntil([&] { return !main->transfers().busy(); }, 60000);
  }
};

TEST_F(RadioPort, ReadsAndWritesTheRadioThroughTheWindows) {
  const char* port = std::getenv("ZQ_TEST_RADIO_PORT");
  const char* radioImage = std::getenv("ZQ_TEST_RADIO_IMAGE");
  const char* encodedImage = std::getenv("ZQ_TEST_ENCODED_IMAGE");
  ASSERT_TRUE(port && radioImage && encodedImage) << "ZQ_TEST_RADIO_PORT, ZQ_TEST_RADIO_IMAGE, ZQ_TEST_ENCODED_IMAGE";
  std::optional<MemoryImage> radio = LoadImageFile(radioImage);
  ASSERT_TRUE(radio);
  app().settings.portNumber = std::atoi(port);

  prompter.Answer(Answer::Ok);
  ASSERT_TRUE(RunTransfer(Command::ReadFromRadio));
  ASSERT_FALSE(prompter.shown.isEmpty());
  EXPECT_EQ(prompter.shown.back(), QStringLiteral("Read Data Completed."));
  EXPECT_TRUE(test::SameInRanges(app().image, *radio));

  app().config.Options.Tot() = 33;
  app().settings.verifyWrite = true;
  prompter.Answer(Answer::Ok);
  ASSERT_TRUE(RunTransfer(Command::WriteToRadio));
  EXPECT_EQ(prompter.shown.back(), QStringLiteral("Write Data Completed."));
  RadioConfig copy = app().config;
  MemoryImage expected;
  EncodeImage(copy, expected);
  EXPECT_FALSE(test::SameInRanges(expected, *radio));
  EXPECT_TRUE(SaveImageFile(encodedImage, expected));
}

}  // namespace
}  // namespace zq
