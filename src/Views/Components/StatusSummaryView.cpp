#include "Views/Components/StatusSummaryView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "Application/WaylandSession.h"
#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Components/Visibility.h"
#include "Views/Theme/GhostButton.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kBarWidth = 3;
constexpr double kBarRadius = 2;
constexpr double kCornerRadius = 10;
constexpr int kHorizontalPadding = 16;
constexpr int kVerticalPadding = 14;

}  // namespace

// One warning: the bar in the pill's colour down its left edge, the title with the pill, the
// explanation beneath, and its two buttons on the right, on an elevated rounded card.
class StatusSummaryView::StatusAlertRow final : public QWidget {
public:
    struct Action {
        const char* identifier;
        std::function<void()> run;
    };

    StatusAlertRow(const QString& pillIdentifier, std::initializer_list<Action> actions,
                   QWidget* parent)
        : QWidget(parent),
          title_(new ThemedTextLabel(Theme::Font::heading3, Token::textPrimary,
                                     ThemedTextLabel::Overflow::none, this)),
          pill_(new StatusPill(StatusPill::State::amber({}), this)),
          detail_(new ThemedTextLabel(Theme::Font::bodyText, Token::textSecondary,
                                      ThemedTextLabel::Overflow::wrap, this)) {
        setAccessibilityIdentifier(*pill_, pillIdentifier);
        for (const Action& action : actions) {
            auto* button = buttons_.emplace_back(new GhostButton({}, this));
            setAccessibilityIdentifier(*button, QString::fromLatin1(action.identifier));
            QObject::connect(button, &QAbstractButton::clicked, this, action.run);
        }

        auto* heading = new QHBoxLayout;
        heading->setSpacing(10);
        heading->addWidget(title_);
        heading->addWidget(pill_);
        heading->addStretch(1);
        auto* text = new QVBoxLayout;
        text->setSpacing(6);
        text->addLayout(heading);
        text->addWidget(detail_);
        auto* buttons = new QHBoxLayout;
        buttons->setSpacing(8);
        for (GhostButton* button : buttons_) {
            buttons->addWidget(button);
        }
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(kBarWidth + kHorizontalPadding, kVerticalPadding,
                                   kHorizontalPadding, kVerticalPadding);
        layout->setSpacing(14);
        layout->addLayout(text, 1);
        layout->addLayout(buttons);
    }

    void show(const Row& row) {
        title_->setText(row.title);
        pill_->setState(row.pill);
        detail_->setText(row.detail);
        update();
    }

    void setButtonTexts(const QString& first, const QString& second) {
        buttons_[0]->setText(first);
        buttons_[1]->setText(second);
    }

    // The second button opens the desktop's settings, which not every desktop has.
    void enableSettingsButton(bool enabled) { buttons_[1]->setEnabled(enabled); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        Theme::paintPanel(
            painter, *this, kCornerRadius, Token::bgElevated, Token::borderSubtle,
            [this](QPainter& inside) {
                QPainterPath bar;
                bar.addRoundedRect(QRectF(0, 0, kBarWidth, height()), kBarRadius, kBarRadius);
                inside.fillPath(bar, Theme::color(pill_->state().colorToken(), *this));
            });
    }

private:
    ThemedTextLabel* title_;
    StatusPill* pill_;
    ThemedTextLabel* detail_;
    std::vector<GhostButton*> buttons_;
};

StatusSummaryView::StatusSummaryView(AppModel& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      accessibilityRow_(new StatusAlertRow(
          QStringLiteral("AccessibilityStatusValue"),
          {{"RequestAccessButton", [this] { model_.requestAccessibilityPrompt(); }},
           {"OpenAccessibilitySettingsButton", [this] { model_.openAccessibilitySettings(); }}},
          this)),
      monitorRow_(new StatusAlertRow(
          QStringLiteral("MonitorStatusValue"),
          {{"RefreshPermissionsButton", [this] { model_.refreshPermissions(); }},
           {"OpenInputMonitoringSettingsButton", [this] { model_.openInputMonitoringSettings(); }}},
          this)),
      preferencesRow_(new StatusAlertRow(QStringLiteral("PreferencesStatusValue"), {}, this)),
      sessionRow_(new StatusAlertRow(QStringLiteral("SessionStatusValue"), {}, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(accessibilityRow_);
    layout->addWidget(monitorRow_);
    layout->addWidget(preferencesRow_);
    layout->addWidget(sessionRow_);
    connect(&model_, &AppModel::accessibilityPermissionChanged, this, &StatusSummaryView::refresh);
    connect(&model_, &AppModel::monitorStateChanged, this, &StatusSummaryView::refresh);
    connect(&model_, &AppModel::unsavedPreferencesFolderChanged, this, &StatusSummaryView::refresh);
    relabelButtons();
    refresh();
}

void StatusSummaryView::relabelButtons() {
    // The words of the onboarding's access step, which shows the same state.
    accessibilityRow_->setButtonTexts(L10n::string("Check Again"),
                                      L10n::string("Desktop Settings"));
    monitorRow_->setButtonTexts(L10n::string("Refresh"), L10n::string("Desktop Settings"));
}

std::vector<StatusSummaryView::Row> StatusSummaryView::rows(
    PermissionState permission, const GestureMonitorState& monitorState,
    const std::optional<QString>& unsavedPreferencesFolder, bool waylandSession,
    bool preferencesFileInUse) {
    std::vector<Row> shown;
    if (permission != PermissionState::granted) {
        shown.push_back({RowKind::accessibility, StatusPill::State::from(permission),
                         L10n::string("X Display"), detail(permission)});
    }
    if (monitorState.kind() != GestureMonitorState::Kind::running) {
        shown.push_back({RowKind::monitor, StatusPill::State::from(monitorState),
                         L10n::string("Gesture Monitor"), monitorState.detail()});
    }
    if (unsavedPreferencesFolder) {
        shown.push_back(
            {RowKind::preferences, StatusPill::State::red(L10n::string("Not Saved")),
             L10n::string("Preferences"),
             AppModel::unsavedPreferencesNotice(*unsavedPreferencesFolder, preferencesFileInUse)});
    }
    if (waylandSession) {
        shown.push_back({RowKind::session, StatusPill::State::amber(L10n::string("X11 Only")),
                         L10n::string("Wayland Session"), WaylandSession::notice()});
    }
    return shown;
}

void StatusSummaryView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        relabelButtons();
        refresh();
    }
}

void StatusSummaryView::refresh() {
    const std::array<StatusAlertRow*, 4> byKind = {accessibilityRow_, monitorRow_, preferencesRow_,
                                                   sessionRow_};
    std::array<bool, 4> shown = {false, false, false, false};
    for (const Row& row : rows(model_.accessibilityPermission(), model_.monitorState(),
                               model_.unsavedPreferencesFolder(), model_.isWaylandSession(),
                               model_.isPreferencesFileInUse())) {
        byKind[static_cast<std::size_t>(row.kind)]->show(row);
        shown[static_cast<std::size_t>(row.kind)] = true;
    }
    for (std::size_t kind = 0; kind < byKind.size(); ++kind) {
        setShown(byKind[kind], shown[kind]);
    }
    const bool canOpenSettings = model_.canOpenDesktopSettings();
    accessibilityRow_->enableSettingsButton(canOpenSettings);
    monitorRow_->enableSettingsButton(canOpenSettings);
    // Hidden, the card takes no space in the section.
    setShown(this, std::find(shown.begin(), shown.end(), true) != shown.end());
}

}  // namespace quillorbitex
