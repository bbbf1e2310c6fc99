#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "Models/GestureJson.h"

namespace quillorbitex::fuzzing {

// Decodes `data` as a list of T both ways (whole and element by element) and checks that they
// agree, and that whatever was read writes back and reads again to the same values and bytes.
template <typename T>
void checkListDecoder(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto whole = GestureJson::decode<std::vector<T>>(bytes);
    const auto each = GestureJson::decodeEach<T>(bytes);
    if (whole.ok() != each.isComplete()) {
        fail("whole and element-wise reading disagree on success");
    }
    if (!whole.ok()) {
        if (whole.error().description.isEmpty()) {
            fail("an error without a description");
        }
        return;
    }
    if (whole.value() != each.values) {
        fail("whole and element-wise reading disagree on values");
    }
    // Everything read is finite text and numbers, so it can always be written again.
    const auto written = GestureJson::encode(whole.value());
    if (!written) {
        fail("a decoded list could not be encoded");
    }
    const auto reread = GestureJson::decode<std::vector<T>>(*written);
    if (!reread.ok() || reread.value() != whole.value()) {
        fail("an encoded list did not read back to the same values");
    }
    if (GestureJson::encode(reread.value()) != written) {
        fail("writing the list again gave other bytes");
    }
}

}  // namespace quillorbitex::fuzzing
