#pragma once
// The parts of the radio's memory a transfer moves. Everything between them is
// skipped in both directions and keeps, after a read, the cleared value 0x00.
#include <cstdint>

#include "image/memory_image.h"

namespace zq {

struct AddressRange {
  uint32_t first, last;  // both inclusive
};

inline constexpr AddressRange kTransferRanges[] = {
    {0x00000, 0x00C7F}, {0x02000, 0x0277F}, {0x04000, 0x04C7F}, {0x06000, 0x06C7F}, {0x08000, 0x08C7F},
    {0x0A000, 0x0A9FF}, {0x0C000, 0x0C9FF}, {0x0E000, 0x0E9FF}, {0x10000, 0x107FF}, {0x12000, 0x1264F},
    {0x14000, 0x1464F}, {0x16000, 0x1614F}, {0x16200, 0x1633F}, {0x16400, 0x1646F}, {0x18000, 0x1814F},
    {0x1C000, 0x1C18F}, {0x20000, 0x201FF}, {0x22000, 0x2208F}, {0x22100, 0x2216F},
};

// The address itself when it lies in a range, else the start of the next range,
// else the size of the whole space (the transfer is complete).
int32_t NextBlockAddress(int32_t address);
bool InTransferRanges(uint32_t address);
// Blocks of 16 bytes a whole transfer moves.
int TransferBlockCount();
// What of the image a transfer moves: the bytes outside the ranges cleared.
MemoryImage TransferredPart(const MemoryImage& image);

}  // namespace zq
