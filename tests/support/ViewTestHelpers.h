#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

#include "Models/GestureDescriptor.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex::testing {

inline const GestureDescriptor kUpDown = GestureDescriptor::directional(GesturePattern::upThenDown);

// Runs what the widgets queued (layout and focus requests, widgets deleted later), a few rounds
// since a layout change travels one level per round; never waits.
inline void settle() {
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The theme's animations off while it lives: widgets reach their end state at once.
struct AnimationsOff {
    AnimationsOff() { Theme::setAnimationsEnabled(false); }
    ~AnimationsOff() { Theme::setAnimationsEnabled(true); }
    AnimationsOff(const AnimationsOff&) = delete;
    AnimationsOff& operator=(const AnimationsOff&) = delete;
};

// Widgets over a model on the environment's test doubles, animations off; the widgets a test
// keeps as members go before the model.
class WidgetTest : public ::testing::Test {
protected:
    AnimationsOff animationsOff;
    AppModelTestEnvironment env;
};

}  // namespace quillorbitex::testing
