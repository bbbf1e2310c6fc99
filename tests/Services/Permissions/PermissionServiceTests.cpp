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

TEST_F(PermissionServiceTest, StateIsReadAfreshAndNeverUnknown) {
    EXPECT_EQ(service_.accessibilityPermissionState(), PermissionState::denied);
    trust_->setTrusted(true);
    EXPECT_EQ(service_.accessibilityPermissionState(), PermissionState::granted);
}

TEST_F(PermissionServiceTest, PromptAsksTheDesktopOnce) {
    trust_->setTrusted(true);
    service_.requestAccessibilityPrompt();
    EXPECT_EQ(trust_->promptCount(), 1);
    EXPECT_EQ(service_.accessibilityPermissionState(), PermissionState::granted);
}

TEST_F(PermissionServiceTest, EachSettingsOperationOpensExactlyItsAddressOnce) {
    // The desktop has no handler for these addresses; opening them is then silently nothing.
    service_.openAccessibilitySettings();
    service_.openInputMonitoringSettings();
    const auto requests = workspace_->openURLRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].toString(),
              "x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility");
    EXPECT_EQ(requests[1].toString(),
              "x-apple.systempreferences:com.apple.preference.security?Privacy_ListenEvent");
}

}  // namespace
}  // namespace quillorbitex
