#include "Views/Onboarding/OnboardingPermissionStep.h"

#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/Onboarding/PermissionBlock.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/GhostButton.h"

namespace quillorbitex {

namespace {

using namespace std::chrono_literals;

}  // namespace

OnboardingPermissionStep::OnboardingPermissionStep(AppModel& model, QWidget* parent)
    : OnboardingStepView(model, identifier, parent),
      access_(new PermissionBlock(OnboardingSymbol::Shape::display)),
      monitor_(new PermissionBlock(OnboardingSymbol::Shape::eyeSlash)),
      checkAgain_(new AccentButton(QString(), false)),
      settings_(new GhostButton(QString())) {
    access_->addAction(checkAgain_);
    access_->addAction(settings_);
    connect(checkAgain_, &QAbstractButton::clicked, this,
            [this] { this->model().requestAccessibilityPrompt(); });
    connect(settings_, &QAbstractButton::clicked, this,
            [this] { this->model().openAccessibilitySettings(); });

    auto* blocks = new QWidget(this);
    access_->setParent(blocks);
    monitor_->setParent(blocks);
    auto* layout = new QVBoxLayout(blocks);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(access_);
    layout->addWidget(monitor_);
    addPart(blocks);
    addReveal(blocks, 26, 0.97, {0.54, 0.82}, 200ms);

    connect(&model, &AppModel::accessibilityPermissionChanged, this,
            &OnboardingPermissionStep::refresh);
    connect(&model, &AppModel::monitorStateChanged, this, &OnboardingPermissionStep::refresh);
    retranslate();
}

void OnboardingPermissionStep::retranslate() {
    setHeroTexts(L10n::string("Check Access"),
                 L10n::string("Gestures work once the X display lets Quillorbitex take the right "
                              "button and send keys and clicks."));
    access_->setTitle(L10n::string("X Display"));
    monitor_->setTitle(L10n::string("Gesture Monitor"));
    checkAgain_->setText(L10n::string("Check Again"));
    settings_->setText(L10n::string("Desktop Settings"));
    access_->arrange();
    refresh();
}

void OnboardingPermissionStep::appeared() {
    model().refreshPermissions();
}

void OnboardingPermissionStep::refresh() {
    const PermissionState permission = model().accessibilityPermission();
    access_->setPillState(StatusPill::State::from(permission));
    access_->setDetail(detail(permission));
    settings_->setEnabled(model().canOpenDesktopSettings());
    const GestureMonitorState& monitorState = model().monitorState();
    monitor_->setPillState(StatusPill::State::from(monitorState));
    monitor_->setDetail(monitorState.detail());
}

}  // namespace quillorbitex
