#include "Views/Components/ToggleSwitch.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "Views/Theme/Theme.h"

namespace quillorbitex {
namespace {

using Token = ThemePalette::Token;

class ToggleSwitchTest : public ::testing::Test {
protected:
    void SetUp() override { Theme::setAnimationsEnabled(false); }
    void TearDown() override { Theme::setAnimationsEnabled(true); }
};

TEST_F(ToggleSwitchTest, ClicksAndTheSpaceBarToggleAnEnabledSwitchOnly) {
    struct Case {
        const char* name;
        bool enabled;
        std::function<void(ToggleSwitch&)> act;
        bool checkedAfter;
    };
    const Case cases[] = {
        {"click", true, [](ToggleSwitch& s) { QTest::mouseClick(&s, Qt::LeftButton); }, true},
        {"space", true, [](ToggleSwitch& s) { QTest::keyClick(&s, Qt::Key_Space); }, true},
        {"click while disabled", false,
         [](ToggleSwitch& s) { QTest::mouseClick(&s, Qt::LeftButton); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToggleSwitch toggle;
        toggle.resize(toggle.sizeHint());
        toggle.setEnabled(c.enabled);
        QSignalSpy toggled(&toggle, &QAbstractButton::toggled);
        c.act(toggle);
        EXPECT_EQ(toggle.isChecked(), c.checkedAfter);
        EXPECT_EQ(toggled.count(), c.checkedAfter ? 1 : 0);
        EXPECT_EQ(toggle.position(), c.checkedAfter ? 1.0 : 0.0);
    }
}

TEST_F(ToggleSwitchTest, TrackTakesTheTintWhenOnInEitherAppearance) {
    for (const bool dark : {false, true}) {
        ToggleSwitch toggle;
        toggle.setPalette(ThemePalette::qtPalette(dark));
        toggle.setTint(Token::statusGreen);
        EXPECT_EQ(toggle.currentTrackColor(), ThemePalette::color(Token::borderStrong, dark));
        toggle.setChecked(true);
        EXPECT_EQ(toggle.currentTrackColor(), ThemePalette::color(Token::statusGreen, dark));
    }
}

TEST_F(ToggleSwitchTest, FollowingAModelWithSignalsBlockedStillMovesTheKnob) {
    ToggleSwitch toggle;
    QSignalSpy toggled(&toggle, &QAbstractButton::toggled);
    {
        const QSignalBlocker blocker(toggle);
        toggle.setChecked(true);
    }
    EXPECT_EQ(toggle.position(), 1.0);
    EXPECT_EQ(toggled.count(), 0);
}

TEST_F(ToggleSwitchTest, WithAnimationsTheKnobEasesFromWhereItIs) {
    Theme::setAnimationsEnabled(true);
    ToggleSwitch toggle;
    toggle.setChecked(true);
    EXPECT_EQ(toggle.position(), 0.0) << "starts at the off end";
    EXPECT_TRUE(QTest::qWaitFor([&] { return toggle.position() == 1.0; }, 5000));
}

}  // namespace
}  // namespace quillorbitex
