#pragma once

#include <cstddef>
#include <cstdint>

// CRC-8 with polynomial 0x07, initial value 0, no reflection, no final XOR,
// computed through a 256-entry table.
class Crc8
{
public:
    static uint8_t compute(const unsigned char* data, size_t length);
};
