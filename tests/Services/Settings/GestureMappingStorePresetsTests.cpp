#include <gtest/gtest.h>

#include "Services/Settings/GesturePresets.h"
#include "support/ScopedLanguageOverride.h"

namespace quillorbitex {
namespace {

using D = GestureDirection;

class GesturePresetsTest : public ::testing::Test {
protected:
    testing::ScopedLanguageOverride english_{AppLanguageOverride::english};
};

TEST_F(GesturePresetsTest, PresetNotesAreTakenInTheLanguageOfTheMoment) {
    testing::ScopedLanguageOverride german(AppLanguageOverride::german);
    EXPECT_NE(GesturePresets::builtInMappings()[0].notes(),
              QStringLiteral("Trigger a refresh action in the frontmost app."));
}

TEST_F(GesturePresetsTest, CustomRulesAreRepaired) {
    EXPECT_TRUE(GesturePresets::sanitizedCustomMappings({}).empty());
    const auto shortcut = GestureAction::keyboardShortcut(
        {KeyboardKeyToken::tab, {ModifierKey::shift, ModifierKey::control}});
    const auto repaired = GesturePresets::sanitizedCustomMappings({
        GestureMapping(GestureDescriptor::directional({D::up, D::left}), shortcut, QString(),
                       QStringLiteral(" \n "), GestureMappingSource::builtIn, false, {}),
        GestureMapping(GestureDescriptor::directional({D::up, D::left}), shortcut,
                       QStringLiteral("dropped"), QStringLiteral("A"), GestureMappingSource::custom,
                       true, {}),
        GestureMapping(GestureDescriptor::directional({D::down, D::left}), shortcut,
                       QStringLiteral(" "), QStringLiteral("Zed"), GestureMappingSource::custom,
                       true, {}),
    });
    ASSERT_EQ(repaired.size(), 2u);
    // "Up -> Left" sorts before "Zed".
    EXPECT_EQ(repaired[0].pattern(), GestureDescriptor::directional({D::up, D::left}));
    EXPECT_EQ(repaired[0].source(), GestureMappingSource::custom);
    EXPECT_FALSE(repaired[0].name().has_value());
    EXPECT_FALSE(repaired[0].isEnabled());
    EXPECT_EQ(repaired[0].notes(),
              QStringLiteral("Send Control + Shift + Tab to the frontmost app."));
    EXPECT_EQ(repaired[1].notes(), QStringLiteral(" "));
}

TEST_F(GesturePresetsTest, RemovedPatternsKeepOnlyPresetsOnce) {
    const auto presets = GesturePresets::builtInMappings();
    EXPECT_TRUE(GesturePresets::sanitizedDisabledBuiltInPatterns({}, presets).empty());
    const auto circle = GestureDescriptor::fromTemplate(
        GestureTemplate(QStringLiteral("template-1"), QStringLiteral("Up -> Down"), {}));
    const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
    EXPECT_EQ(
        GesturePresets::sanitizedDisabledBuiltInPatterns(
            {GestureDescriptor::directional(GesturePattern::rightThenUp), upDown, upDown, circle},
            presets),
        std::vector<GestureDescriptor>{upDown});
    // Pattern order: "Left -> Down", "Left -> Up", "Up -> Down".
    const auto leftUp = GestureDescriptor::directional(GesturePattern::leftThenUp);
    const auto leftDown = GestureDescriptor::directional(GesturePattern::leftThenDown);
    EXPECT_EQ(GesturePresets::sanitizedDisabledBuiltInPatterns({upDown, leftUp, leftDown}, presets),
              (std::vector<GestureDescriptor>{leftDown, leftUp, upDown}));
}

}  // namespace
}  // namespace quillorbitex
