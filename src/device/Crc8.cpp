#include "device/Crc8.h"

#include <array>

namespace {

constexpr uint8_t kPolynomial = 0x07;

constexpr std::array<uint8_t, 256> makeTable()
{
    std::array<uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        uint8_t crc = uint8_t(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80) ? uint8_t((crc << 1) ^ kPolynomial) : uint8_t(crc << 1);
        table[size_t(i)] = crc;
    }
    return table;
}

constexpr std::array<uint8_t, 256> kTable = makeTable();

} // namespace

uint8_t Crc8::compute(const unsigned char* data, size_t length)
{
    uint8_t crc = 0;
    for (size_t i = 0; i < length; ++i)
        crc = kTable[crc ^ data[i]];
    return crc;
}
