#pragma once

#include <string>
#include <vector>

// Xlib's own declaration; the X headers stay out of our headers because their macros (None, Bool,
// Status, ...) clash with Qt.
struct _XDisplay;

namespace quillorbitex::x11 {

// Xlib reports failed requests and lost connections through process-wide handlers whose defaults
// end the process. Connections opened here have their errors recorded instead, and a connection
// whose server went away is only marked broken; handlers installed by others still see the errors
// of every other connection.
namespace X11ErrorTrap {

// Opens a connection to `displayName` (empty: $DISPLAY); nothing when it cannot.
_XDisplay* openDisplay(const std::string& displayName);
// The same for a display that offers synthetic input (XTEST); nothing for one without.
_XDisplay* openDisplayWithXTest(const std::string& displayName);
void closeDisplay(_XDisplay* display);

// The error code of the last failed request on `display` since the previous call; 0 for none.
// Call it after XSync to learn whether the requests before it succeeded.
int takeLastError(_XDisplay* display);
// The serial numbers (NextRequest before the call) of the requests on `display` that failed since
// the previous call, oldest first; the most recent 256 at most. Call it after XSync to learn which
// of a batch of requests failed.
std::vector<unsigned long> takeFailedRequests(_XDisplay* display);
// True once the connection to the server is lost; every later request does nothing.
bool isBroken(_XDisplay* display);

}  // namespace X11ErrorTrap

}  // namespace quillorbitex::x11
