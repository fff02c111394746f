#pragma once
// The serial port the windows reach the radio through, driven by Qt's event
// loop. POSIX systems use QSerialPort; Windows uses our own Win32 port, polled
// from the event loop (QSerialPort's overlapped waits never complete under Wine,
// and the same port serves the command line, so one Win32 path is tested).
#include <memory>

#include "link/serial_port.h"

namespace zq {

std::unique_ptr<SerialPort> MakeEventLoopPort();

}  // namespace zq
