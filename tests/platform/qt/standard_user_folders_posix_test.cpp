// A system install's two programs find the user's folders in two ways: the
// desktop program through the toolkit, the command line from the environment.
// They must agree, or the command line would not see the program's settings
// and backups.
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/qt/standard_user_folders.h"
#include "platform/user_folders.h"

namespace zq {
namespace {

class SavedVariable {
 public:
  explicit SavedVariable(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) value_ = value;
  }
  ~SavedVariable() {
    if (value_)
      setenv(name_, value_->c_str(), 1);
    else
      unsetenv(name_);
  }
  void Set(const char* value) const {
    if (value)
      setenv(name_, value, 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> value_;
};

TEST(UserFolders, TheCommandLineFindsTheFoldersTheToolkitFinds) {
  SavedVariable home("HOME"), config("XDG_CONFIG_HOME"), data("XDG_DATA_HOME");
  QStandardPaths::setTestModeEnabled(false);
  home.Set("/tmp/zq4071-home");
  struct Case {
    const char* config;
    const char* data;
    const char* expectedConfig;
  };
  for (Case c : {Case{nullptr, nullptr, "/tmp/zq4071-home/.config"}, Case{"", "", "/tmp/zq4071-home/.config"},
                 Case{"/srv/cfg/", "/srv/data", "/srv/cfg/"}, Case{"cfg", "data", "/tmp/zq4071-home/.config"}}) {
    SCOPED_TRACE(c.config ? c.config : "(unset)");
    config.Set(c.config);
    data.Set(c.data);
    UserFolders plain = UserFoldersFromEnvironment();
    UserFolders toolkit = StandardUserFolders();
    EXPECT_EQ(plain.config, c.expectedConfig);
    EXPECT_EQ(plain.config, toolkit.config);
    EXPECT_EQ(plain.data, toolkit.data);
  }
  QStandardPaths::setTestModeEnabled(true);
}

}  // namespace
}  // namespace zq
