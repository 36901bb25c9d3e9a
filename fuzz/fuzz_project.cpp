// Feeds arbitrary bytes to the project reader. Refusal with one of the system's errors is the
// expected outcome; anything else (a crash, a sanitizer report, another exception) is a finding.
// A file that loads must also survive a save and a second load unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/PMClasses.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    TPMData record;
    try {
        record.LoadProjectFromBytes(bytes);
    } catch (const EPelmarkError&) {
        return 0;
    }
    const std::vector<std::uint8_t> saved = record.SaveProjectToBytes();
    TPMData again;
    again.LoadProjectFromBytes(saved);
    if (again.SaveProjectToBytes() != saved)
        std::abort();
    return 0;
}
