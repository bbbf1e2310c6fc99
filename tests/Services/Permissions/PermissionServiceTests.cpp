#include <gtest/gtest.h>

#include "Services/Permissions/PermissionService.h"
#include "support/FakeAccessibilityTrust.h"
#include "support/FakeWorkspace.h"

namespace quillorbitex {
namespace {

class PermissionServiceTest : public ::testing::Test {
protected:
    std::shared_ptr<testing::FakeAccessibilityTrust> trust_ =
        std::make_shared<testing::FakeAccessibilityTrust>(false);
    std::shared_ptr<testing::FakeWorkspace> workspace_ = std::make_shared<testing::FakeWorkspace>();
    PermissionService service_{trust_, workspace_};
};

TEST_F(PermissionServiceTest, StateIsReadAfreshAndThePromptAsksOnce) {
    EXPECT_EQ(service_.accessibilityPermissionState(), PermissionState::denied);
    trust_->setTrusted(true);
    EXPECT_EQ(service_.accessibilityPermissionState(), PermissionState::granted);
    service_.requestAccessibilityPrompt();
    EXPECT_EQ(trust_->promptCount(), 1);
}

WorkspaceApplication settingsApp(const char* identifier) {
    const QString id = QString::fromLatin1(identifier);
    return WorkspaceApplication{id, id,
                                QStringLiteral("/usr/share/applications/%1.desktop").arg(id)};
}

TEST_F(PermissionServiceTest, SettingsLinksOpenTheFirstInstalledSettingsApplication) {
    const struct {
        const char* name;
        std::vector<const char*> installed;
        std::optional<const char*> opened;
    } cases[] = {
        {"GNOME", {"org.gnome.Settings"}, "org.gnome.Settings"},
        {"two desktops: the earlier entry wins",
         {"lxqt-config", "cinnamon-settings"},
         "cinnamon-settings"},
        {"unrelated applications only", {"org.gnome.Nautilus", "firefox-esr"}, std::nullopt},
        {"nothing installed", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        for (const bool inputMonitoring : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (inputMonitoring ? ", input monitoring" : ""));
            auto workspace = std::make_shared<testing::FakeWorkspace>();
            for (const char* id : c.installed) {
                workspace->addApplication(settingsApp(id));
            }
            PermissionService service(trust_, workspace);
            inputMonitoring ? service.openInputMonitoringSettings()
                            : service.openAccessibilitySettings();

            const auto opened = workspace->openedApplications();
            if (c.opened) {
                ASSERT_EQ(opened.size(), 1u);
                EXPECT_EQ(opened[0], settingsApp(*c.opened));
            } else {
                EXPECT_TRUE(opened.empty());
            }
            // No address of another operating system is handed to the desktop.
            EXPECT_TRUE(workspace->openURLRequests().empty());
        }
    }
}

}  // namespace
}  // namespace quillorbitex
