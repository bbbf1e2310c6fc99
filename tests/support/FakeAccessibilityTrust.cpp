#include "support/FakeAccessibilityTrust.h"

namespace quillorbitex::testing {

bool FakeAccessibilityTrust::requestTrust() {
    ++promptCount_;
    return trusted_;
}

}  // namespace quillorbitex::testing
