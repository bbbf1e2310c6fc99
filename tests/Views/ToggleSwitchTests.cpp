#include "Views/Components/ToggleSwitch.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "Views/Theme/Theme.h"

namespace quillorbitex {
namespace {

using Token = ThemePalette::Token;

TEST(ToggleSwitch, ClicksSpaceAndTheModelMoveTheKnobOfAnEnabledSwitch) {
    Theme::setAnimationsEnabled(false);
    struct Case {
        const char* name;
        bool enabled;
        std::function<void(ToggleSwitch&)> act;
        bool checkedAfter;
        int signals;
    };
    const auto click = [](ToggleSwitch& s) { QTest::mouseClick(&s, Qt::LeftButton); };
    const Case cases[] = {
        {"click", true, click, true, 1},
        {"click while disabled", false, click, false, 0},
        // Following the model with signals blocked still moves the knob.
        {"set with signals blocked", true,
         [](ToggleSwitch& s) {
             const QSignalBlocker blocker(s);
             s.setChecked(true);
         },
         true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToggleSwitch toggle;
        toggle.resize(toggle.sizeHint());
        toggle.setEnabled(c.enabled);
        QSignalSpy toggled(&toggle, &QAbstractButton::toggled);
        c.act(toggle);
        EXPECT_EQ(toggle.isChecked(), c.checkedAfter);
        EXPECT_EQ(toggled.count(), c.signals);
        EXPECT_EQ(toggle.position(), c.checkedAfter ? 1.0 : 0.0);
    }

    // Animated, the knob eases from where it is.
    Theme::setAnimationsEnabled(true);
    ToggleSwitch toggle;
    toggle.setChecked(true);
    EXPECT_EQ(toggle.position(), 0.0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return toggle.position() == 1.0; }, 5000));
}

TEST(ToggleSwitch, TrackTakesTheTintWhenOnInEitherAppearance) {
    Theme::setAnimationsEnabled(false);
    for (const bool dark : {false, true}) {
        ToggleSwitch toggle;
        toggle.setPalette(ThemePalette::qtPalette(dark));
        toggle.setTint(Token::statusGreen);
        EXPECT_EQ(toggle.currentTrackColor(), ThemePalette::color(Token::borderStrong, dark));
        toggle.setChecked(true);
        EXPECT_EQ(toggle.currentTrackColor(), ThemePalette::color(Token::statusGreen, dark));
    }
    Theme::setAnimationsEnabled(true);
}

}  // namespace
}  // namespace quillorbitex
