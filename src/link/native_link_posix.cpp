#include "link/native_link.h"

#include "link/posix_event_loop.h"

namespace zq {

NativeLink MakeNativeLink() {
  auto port = std::make_unique<PosixSerialPort>();
  auto loop = std::make_unique<PosixEventLoop>(*port);
  return {std::move(port), std::move(loop)};
}

}  // namespace zq
