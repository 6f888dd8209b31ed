#include "plugin/samples/sample_conversion_tables.h"

#include <cstdint>
#include <mutex>

float unsigned8Table[256];
float signed8Table[256];
float signed16Table[65536];

void fillSampleConversionTables()
{
    static std::once_flag filled;
    std::call_once(filled, [] {
        constexpr float kByteScale = 0.0078125f;      // 1 / 128
        constexpr float kWordScale = 3.0517578125e-5f; // 1 / 32768
        for (int u = 0; u < 256; ++u) {
            unsigned8Table[u] = static_cast<float>(u - 128) * kByteScale;
            signed8Table[u] = static_cast<float>(static_cast<std::int8_t>(u)) * kByteScale;
        }
        for (int w = 0; w < 65536; ++w)
            signed16Table[w] = static_cast<float>(static_cast<std::int16_t>(w)) * kWordScale;
    });
}
