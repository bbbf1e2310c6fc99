// Feeds arbitrary bytes to the reader of stored gesture lists (the switched-off presets), which
// also reads the older shape without a type tag.
#include <cstdint>

#include "Models/GestureDescriptor.h"
#include "Models/GestureJson.h"
#include "RoundTripCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillorbitex::fuzzing::checkListDecoder<quillorbitex::GestureDescriptor>(data, size);
    return 0;
}
