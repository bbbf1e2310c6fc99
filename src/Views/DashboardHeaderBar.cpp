#include "Views/DashboardHeaderBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Theme/GhostButton.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

QWidget* invisibleElement(const QString& identifier, QWidget* parent) {
    auto* element = new QWidget(parent);
    setAccessibilityIdentifier(*element, identifier);
    element->setFixedSize(1, 1);
    element->setAttribute(Qt::WA_TransparentForMouseEvents);
    return element;
}

}  // namespace

DashboardHeaderBar::DashboardHeaderBar(AppModel& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      title_(new ThemedTextLabel(Theme::Font::heading1, Token::textPrimary,
                                 ThemedTextLabel::Overflow::none, this)),
      accessibilityStatus_(invisibleElement(QStringLiteral("AccessibilityStatusValue"), this)),
      monitorStatus_(invisibleElement(QStringLiteral("MonitorStatusValue"), this)),
      checkForUpdates_(new GhostButton({}, this)) {
    setObjectName(QStringLiteral("DashboardHeaderBar"));
    setAccessibilityIdentifier(*checkForUpdates_, QStringLiteral("Overview_CheckForUpdatesButton"));
    // Fixed at start-up: the build's feed and the action the application installed.
    checkForUpdates_->setEnabled(model_.updateSupportAvailable() &&
                                 static_cast<bool>(model_.checkForUpdatesAction()));
    connect(checkForUpdates_, &QAbstractButton::clicked, this, [this] {
        if (const auto& action = model_.checkForUpdatesAction()) {
            action();
        }
    });

    auto* status = new QWidget(this);
    status->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* statusLayout = new QHBoxLayout(status);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->setSpacing(0);
    accessibilityStatus_->setParent(status);
    monitorStatus_->setParent(status);
    statusLayout->addWidget(accessibilityStatus_);
    statusLayout->addWidget(monitorStatus_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(28, 16, 28, 16);
    layout->setSpacing(14);
    layout->addWidget(title_);
    layout->addStretch(1);
    layout->addWidget(status, 0, Qt::AlignVCenter);
    layout->addWidget(checkForUpdates_, 0, Qt::AlignVCenter);

    connect(&model_, &AppModel::accessibilityPermissionChanged, this,
            &DashboardHeaderBar::refreshStatus);
    connect(&model_, &AppModel::monitorStateChanged, this, &DashboardHeaderBar::refreshStatus);
    retranslate();
}

void DashboardHeaderBar::retranslate() {
    title_->setText(L10n::string("Dashboard"));
    checkForUpdates_->setText(L10n::string("Check for Updates…"));
    checkForUpdates_->setAccessibleName(checkForUpdates_->text());
    checkForUpdates_->updateGeometry();
    refreshStatus();
}

void DashboardHeaderBar::refreshStatus() {
    accessibilityStatus_->setAccessibleName(
        L10n::format("Accessibility: %@", title(model_.accessibilityPermission())));
    // Only the state's title: a blocked monitor's message stays out of the label.
    monitorStatus_->setAccessibleName(L10n::format("Monitor: %@", model_.monitorState().title()));
}

void DashboardHeaderBar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void DashboardHeaderBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Theme::color(Token::bgPrimary, *this));
    painter.fillRect(QRect(0, height() - 1, width(), 1), Theme::color(Token::borderSubtle, *this));
}

}  // namespace quillorbitex
