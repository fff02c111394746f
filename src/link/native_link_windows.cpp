#include "link/native_link.h"

#include "link/windows_event_loop.h"

namespace zq {

NativeLink MakeNativeLink() {
  auto port = std::make_unique<WindowsSerialPort>();
  auto loop = std::make_unique<WindowsEventLoop>(*port);
  return {std::move(port), std::move(loop)};
}

}  // namespace zq
