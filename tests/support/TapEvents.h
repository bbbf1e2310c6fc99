#pragma once

#include "Platform/EventPoster.h"
#include "Platform/EventTap.h"

namespace quillorbitex::testing {

// Short names for the events tests send through a SimulatedEventTap.
inline TapEvent tapEvent(TapEventType type, Point location) {
    TapEvent event;
    event.type = type;
    event.location = location;
    return event;
}
inline TapEvent buttonDown(Point at) {
    return tapEvent(TapEventType::secondaryButtonDown, at);
}
inline TapEvent drag(Point at) {
    return tapEvent(TapEventType::secondaryButtonDragged, at);
}
inline TapEvent buttonUp(Point at) {
    return tapEvent(TapEventType::secondaryButtonUp, at);
}

// A posted mouse event as a tap of this program would see it come back.
inline TapEvent asSeenByTap(const SyntheticEvent& posted) {
    TapEvent event = tapEvent(posted.type == SyntheticEventType::secondaryButtonDown
                                  ? TapEventType::secondaryButtonDown
                                  : TapEventType::secondaryButtonUp,
                              posted.location);
    event.sourceUserData = posted.sourceUserData;
    event.clickState = posted.clickState;
    return event;
}

}  // namespace quillorbitex::testing
