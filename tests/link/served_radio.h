#pragma once
// The simulated radio served on a real pseudo-terminal from its own thread,
// for the length of a test.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

#include "link/pty_radio_server.h"
#include "link/simulated_radio.h"

namespace zq::test {

class ServedRadio {
 public:
  explicit ServedRadio(MemoryImage memory, RadioBehaviour behaviour = {})
      : radio_(std::move(memory), {"VESTRAX", true, "V100"}, std::move(behaviour)) {
    std::string error;
    server_ = PtyRadioServer::Create(error);
    EXPECT_TRUE(server_) << error;
    if (server_) thread_ = std::thread([this] { server_->Serve(radio_); });
  }
  ~ServedRadio() {
    if (server_) server_->Stop();
    if (thread_.joinable()) thread_.join();
  }
  std::string path() const { return server_ ? server_->devicePath() : ""; }
  // Read only once the PC side is done with the radio.
  const SimulatedRadio& radio() const { return radio_; }

 private:
  SimulatedRadio radio_;
  std::unique_ptr<PtyRadioServer> server_;
  std::thread thread_;
};

}  // namespace zq::test
