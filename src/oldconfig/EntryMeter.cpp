#include "oldconfig/EntryMeter.h"

namespace quorvix {

std::string entryCountText(std::size_t entries)
{
    return std::to_string(entries) + " Eintr\u00E4ge in der neuen Config";
}

Rating rateConfig(std::size_t entries)
{
    if (entries < kEntryThreshold)
        return {"*rofl*Weniger als 200 Eintr\u00E4ge...*nap like*", 0xFF0000};
    return {"*Yeah* 1337 Config []-[]4Xx0R", 0x0000FF};
}

} // namespace quorvix
