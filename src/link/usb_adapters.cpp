#include "link/usb_adapters.h"

#include <algorithm>
#include <array>

#include "text/plain_text.h"

namespace zq {
namespace {

constexpr uint16_t kFtdi = 0x0403, kProlific = 0x067b, kSiliconLabs = 0x10c4, kWch = 0x1a86;

constexpr std::array kAdapters = {
    UsbAdapter{kFtdi, 0x6001, "FTDI", "FT232R / FT232BM / FT245"},
    UsbAdapter{kFtdi, 0x6010, "FTDI", "FT2232"},
    UsbAdapter{kFtdi, 0x6011, "FTDI", "FT4232"},
    UsbAdapter{kFtdi, 0x6014, "FTDI", "FT232H"},
    UsbAdapter{kFtdi, 0x6015, "FTDI", "FT-X (FT230X / FT231X)"},
    UsbAdapter{kProlific, 0x2303, "Prolific", "PL2303 (HX / TA / TB / HXD)"},
    // Release 3.00 on a USB 1.1 bus is the old PL2303HXA / XA, which counterfeit chips also claim to be.
    UsbAdapter{kProlific, 0x2303, "Prolific", "PL2303 HXA / XA", 0x0300, "1.10", AdapterCaveat::RefusedRevision},
    UsbAdapter{kProlific, 0x23a3, "Prolific", "PL2303GC"},
    UsbAdapter{kProlific, 0x23b3, "Prolific", "PL2303GB"},
    UsbAdapter{kProlific, 0x23c3, "Prolific", "PL2303GT"},
    UsbAdapter{kProlific, 0x23d3, "Prolific", "PL2303GL"},
    UsbAdapter{kProlific, 0x23e3, "Prolific", "PL2303GE"},
    UsbAdapter{kProlific, 0x23f3, "Prolific", "PL2303GS"},
    UsbAdapter{kSiliconLabs, 0xea60, "Silicon Labs", "CP210x (CP2102 / CP2104)"},
    UsbAdapter{kSiliconLabs, 0xea70, "Silicon Labs", "CP2105"},
    UsbAdapter{kSiliconLabs, 0xea71, "Silicon Labs", "CP2108"},
    UsbAdapter{kWch, 0x7523, "WCH", "CH340"},
    UsbAdapter{kWch, 0x5523, "WCH", "CH341"},
    UsbAdapter{kWch, 0x55d3, "WCH", "CH343"},
    UsbAdapter{kWch, 0x55d4, "WCH", "CH9102"},
};

}  // namespace

std::span<const UsbAdapter> UsbAdapterTable() { return kAdapters; }

const UsbAdapter* FindUsbAdapter(uint16_t vendor, uint16_t product, std::optional<uint16_t> revision,
                                 std::string_view usbVersion) {
  const UsbAdapter* general = nullptr;
  for (const UsbAdapter& row : kAdapters) {
    if (row.vendor != vendor || row.product != product) continue;
    if (!row.revision) {
      if (!general) general = &row;
      continue;
    }
    if (revision == row.revision && Trim(usbVersion) == row.usbVersion) return &row;
  }
  return general;
}

const UsbAdapter* FindRefusedRevision(uint16_t vendor, uint16_t product, std::optional<uint16_t> revision) {
  auto row = std::ranges::find_if(kAdapters, [&](const UsbAdapter& a) {
    return a.vendor == vendor && a.product == product && a.revision && a.revision == revision &&
           a.caveat == AdapterCaveat::RefusedRevision;
  });
  return row == kAdapters.end() ? nullptr : &*row;
}

}  // namespace zq
