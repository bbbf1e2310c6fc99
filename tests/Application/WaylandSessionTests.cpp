#include "Application/WaylandSession.h"

#include <gtest/gtest.h>

namespace quillorbitex {
namespace {

TEST(WaylandSession, IsKnownByEitherVariable) {
    const struct {
        const char* waylandDisplay;
        const char* sessionType;
        bool detected;
    } cases[] = {
        {nullptr, nullptr, false},    {"", "x11", false},         {nullptr, "tty", false},
        {"wayland-0", nullptr, true}, {nullptr, "wayland", true}, {"wayland-1", "x11", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.waylandDisplay ? c.waylandDisplay : "-") + " " +
                     (c.sessionType ? c.sessionType : "-"));
        QProcessEnvironment environment;
        if (c.waylandDisplay != nullptr) {
            environment.insert(QStringLiteral("WAYLAND_DISPLAY"), c.waylandDisplay);
        }
        if (c.sessionType != nullptr) {
            environment.insert(QStringLiteral("XDG_SESSION_TYPE"), c.sessionType);
        }
        EXPECT_EQ(WaylandSession::detected(environment), c.detected);
    }
}

}  // namespace
}  // namespace quillorbitex
