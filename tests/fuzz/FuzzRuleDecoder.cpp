// Feeds arbitrary bytes to the reader of stored rule lists, as found in the preferences. Whatever
// it accepts must write back and read again to the same rules, byte for byte.
#include <cstdint>
#include <cstdlib>

#include "Models/GestureJson.h"
#include "Models/GestureMapping.h"
#include "RoundTripCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillorbitex::fuzzing::checkListDecoder<quillorbitex::GestureMapping>(data, size);
    return 0;
}
