// Any options file: loading never crashes and always gives indices a radio group can show.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "mixdesign/calc/OptionsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto record = orvan::mix::decodeOptionsRecord(bytes);
    if (size < 48) {
        if (record) std::abort();
        return 0;
    }
    if (!record) std::abort();
    if (orvan::mix::encodeOptionsRecord(*record) != bytes.substr(0, 48)) std::abort();
    const auto options = orvan::mix::applyOptionsRecord(orvan::mix::ProportioningOptions{}, *record,
                                                        orvan::NumberFormat{});
    for (int index : {options.waterTightness, options.frostResistance, options.reinforcement,
                      options.steaming, options.cementSaving, options.aggregateKind})
        if (index < -1 || index > 1) std::abort();
    return 0;
}
