// Text to number and back: no crash, no undefined behaviour, and the properties the reports
// rely on - a converted text is finite, and a finite number is never written as NAN or INF.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const orvan::NumberFormat format{data[0] & 1 ? ',' : '.'};
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (auto value = orvan::tryTextToFloat(text, format)) {
        if (!std::isfinite(*value)) std::abort();
        for (int decimals = 0; decimals <= 6; ++decimals) {
            std::string written = orvan::formatFixed(*value, decimals, format);
            if (written.find("NAN") != std::string::npos || written.find("INF") != std::string::npos)
                std::abort();
            if (written == "-" || written.empty()) std::abort();
        }
        std::string general = orvan::formatGeneral15(*value, format);
        auto back = orvan::tryTextToFloat(general, format);
        if (!back) std::abort();
    }
    (void)orvan::tryTextToInt(text);
    return 0;
}
