#pragma once
// The USB serial adapters programming cables are built on: who makes the chip,
// which family it belongs to, and the revisions that current drivers refuse.
// The udev rule of data/udev names the same vendor and product ids.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zq {

enum class AdapterCaveat {
  None,
  // An end-of-life chip revision (and the one counterfeit chips report): the
  // maker's current Windows drivers refuse to start it.
  RefusedRevision,
};

struct UsbAdapter {
  uint16_t vendor;
  uint16_t product;
  std::string_view maker;
  std::string_view chipFamily;
  // When set, the row holds only for this device release (bcdDevice) on a bus
  // of this USB version (the "version" the device reports, as "1.10"); a
  // row without them holds for every revision.
  std::optional<uint16_t> revision = std::nullopt;
  std::string_view usbVersion = {};
  AdapterCaveat caveat = AdapterCaveat::None;
};

std::span<const UsbAdapter> UsbAdapterTable();

// The row that fits best: one for this very revision before one for every
// revision of that vendor and product; nothing for an adapter outside the table.
const UsbAdapter* FindUsbAdapter(uint16_t vendor, uint16_t product, std::optional<uint16_t> revision = std::nullopt,
                                 std::string_view usbVersion = {});

// The row of a refused revision of that vendor, product and release, whatever
// the bus version: where the system does not tell it (Windows), a driver that
// would not start the chip is the other half of the evidence.
const UsbAdapter* FindRefusedRevision(uint16_t vendor, uint16_t product, std::optional<uint16_t> revision);

}  // namespace zq
