#include "link/qt/event_loop_port.h"

#include "link/qt/qt_serial_port_posix.h"

namespace zq {

std::unique_ptr<SerialPort> MakeEventLoopPort() { return std::make_unique<QtSerialPort>(); }

}  // namespace zq
