// libFuzzer target: any bytes as script/player. Reading never overflows a
// field, and what is read writes out and reads back the same.
#include "screens/player_file.h"
#include "screens/save_name.h"

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::ostream discard(nullptr);
    PlayerSave slots;
    ParsePlayerSlots(text, "player", slots, discard);
    for (const SlotSave& slot : slots.slots) {
        if (slot.name.size() > kSlotNameBytes ||
            SanitiseName(slot.name, kSlotNameBytes) != slot.name) {
            __builtin_trap();
        }
    }
    const std::string written = FormatPlayerSlots(slots);
    PlayerSave again;
    ParsePlayerSlots(written, "player", again, discard);
    if (FormatPlayerSlots(again) != written) {
        __builtin_trap();
    }
    return 0;
}
