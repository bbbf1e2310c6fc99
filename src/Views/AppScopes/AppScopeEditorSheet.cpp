#include "Views/AppScopes/AppScopeEditorSheet.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/GhostButton.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;
using Overflow = ThemedTextLabel::Overflow;

constexpr int kPadding = 24;
constexpr int kSpacing = 18;
constexpr int kRowSpacing = 8;
constexpr double kRowCornerRadius = 10;
// Beyond this the rule list scrolls, so that a long list never pushes the picker off screen.
constexpr int kMaximumListHeight = 340;

void identify(QWidget* widget, const QString& identifier) {
    setAccessibilityIdentifier(*widget, identifier);
}

void identify(QWidget* widget, const char* identifier) {
    identify(widget, QString::fromLatin1(identifier));
}

ThemedTextLabel* text(Theme::Font font, Token color, Overflow overflow, QWidget* parent) {
    return new ThemedTextLabel(font, color, overflow, parent);
}

// The picker reads the applications again whenever it opens, so one started meanwhile is there.
// Its pop-up stays a readable size whatever is installed: a very long name is shortened in the
// middle and a long list scrolls.
class ApplicationPicker final : public QComboBox {
public:
    static constexpr int popupMaximumWidth = 480;
    static constexpr int popupMaximumHeight = 420;

    ApplicationPicker(std::function<void()> beforePopup, QWidget* parent)
        : QComboBox(parent), beforePopup_(std::move(beforePopup)) {
        view()->setTextElideMode(Qt::ElideMiddle);
        setMaxVisibleItems(12);
    }

    void showPopup() override {
        beforePopup_();
        // Never narrower than the field it opens from.
        view()->window()->setMaximumSize(std::max(popupMaximumWidth, width()), popupMaximumHeight);
        QComboBox::showPopup();
    }

private:
    std::function<void()> beforePopup_;
};

}  // namespace

// One application's rule: its name and identifier, the button that names its state and switches
// it ("Allowed" filled, "Blocked" outlined) and "Remove", on an elevated rounded card.
class AppScopeEditorSheet::RuleRow final : public QWidget {
public:
    RuleRow(std::function<void(const GestureAppScopeRule&, bool)> setEnabled,
            std::function<void(const GestureAppScopeRule&)> remove, QWidget* parent)
        : QWidget(parent),
          name_(text(Theme::Font::heading3, Token::textPrimary, Overflow::elideRight, this)),
          identifier_(
              text(Theme::Font::captionMono, Token::textSecondary, Overflow::elideMiddle, this)),
          allowed_(new AccentButton({}, false, this)),
          blocked_(new GhostButton({}, this)),
          remove_(new GhostButton({}, this)) {
        identify(allowed_, rowAllowedButtonIdentifier);
        identify(blocked_, rowBlockedButtonIdentifier);
        identify(remove_, rowRemoveButtonIdentifier);
        remove_->setTextColorToken(Token::statusRed);
        connect(allowed_, &QAbstractButton::clicked, this,
                [this, setEnabled] { setEnabled(*rule_, false); });
        connect(blocked_, &QAbstractButton::clicked, this,
                [this, setEnabled] { setEnabled(*rule_, true); });
        connect(remove_, &QAbstractButton::clicked, this, [this, remove] { remove(*rule_); });

        auto* names = new QVBoxLayout;
        names->setSpacing(3);
        names->addWidget(name_);
        names->addWidget(identifier_);
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(16, 12, 16, 12);
        layout->setSpacing(12);
        layout->addLayout(names, 1);
        layout->addWidget(allowed_);
        layout->addWidget(blocked_);
        layout->addWidget(remove_);
        retranslate();
    }

    void setRule(const GestureAppScopeRule& rule) {
        const bool wasAllowed = rule_ && rule_->isEnabled();
        rule_ = rule;
        identify(this, rowIdentifierPrefix + rule.id());
        name_->setText(rule.appName());
        identifier_->setText(rule.bundleIdentifier());
        // The state button is two buttons, one shown at a time: keyboard focus follows the switch.
        const bool hadFocus = allowed_->hasFocus() || blocked_->hasFocus();
        allowed_->setVisible(rule.isEnabled());
        blocked_->setVisible(!rule.isEnabled());
        if (hadFocus && wasAllowed != rule.isEnabled()) {
            (rule.isEnabled() ? static_cast<QWidget*>(allowed_) : blocked_)->setFocus();
        }
    }

    // The row's controls in the order the keyboard visits them.
    std::vector<QWidget*> controls() const { return {allowed_, blocked_, remove_}; }
    // The button that names the rule's state, the one of the two that is shown.
    QWidget* stateButton() const {
        return rule_ && rule_->isEnabled() ? static_cast<QWidget*>(allowed_) : blocked_;
    }
    QWidget* removeButton() const { return remove_; }

    void retranslate() {
        allowed_->setText(L10n::string("Allowed"));
        blocked_->setText(L10n::string("Blocked"));
        remove_->setText(L10n::string("Remove"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath shape;
        shape.addRoundedRect(outline, kRowCornerRadius, kRowCornerRadius);
        painter.fillPath(shape, Theme::color(Token::bgElevated, *this));
        painter.setPen(QPen(Theme::color(Token::borderSubtle, *this), 1));
        painter.drawPath(shape);
    }

private:
    ThemedTextLabel* name_;
    ThemedTextLabel* identifier_;
    AccentButton* allowed_;
    GhostButton* blocked_;
    GhostButton* remove_;
    std::optional<GestureAppScopeRule> rule_;
};

AppScopeEditorSheet::AppScopeEditorSheet(AppModel& model, GestureDescriptor pattern,
                                         std::vector<GestureAppScopeRule> initialRules,
                                         QWidget* parent)
    : QDialog(parent),
      model_(model),
      state_(std::move(pattern), std::move(initialRules)),
      title_(text(Theme::Font::heading1, Token::textPrimary, Overflow::wrap, this)),
      subtitle_(text(Theme::Font::bodyText, Token::textSecondary, Overflow::wrap, this)),
      cancel_(new GhostButton({}, this)),
      save_(new AccentButton({}, false, this)),
      emptyRules_(text(Theme::Font::bodyText, Token::textSecondary, Overflow::wrap, this)),
      rulesArea_(new QScrollArea(this)),
      rulesContainer_(new QWidget(rulesArea_)),
      rulesLayout_(new QVBoxLayout(rulesContainer_)),
      pickerTitle_(text(Theme::Font::heading3, Token::textPrimary, Overflow::wrap, this)),
      pickerHelp_(text(Theme::Font::captionText, Token::textSecondary, Overflow::wrap, this)),
      noApps_(text(Theme::Font::bodyText, Token::textSecondary, Overflow::wrap, this)),
      pickerControls_(new QWidget(this)),
      picker_(new ApplicationPicker([this] { refreshPicker(); }, this)),
      allow_(new AccentButton({}, false, pickerControls_)),
      block_(new GhostButton({}, pickerControls_)) {
    identify(this, sheetIdentifier);
    identify(save_, saveButtonIdentifier);
    identify(cancel_, cancelButtonIdentifier);
    identify(picker_, pickerIdentifier);
    identify(allow_, allowButtonIdentifier);
    identify(block_, blockButtonIdentifier);
    identify(emptyRules_, emptyRulesIdentifier);
    identify(noApps_, noAppsIdentifier);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setMinimumWidth(minimumSheetWidth);

    auto* layout = new QVBoxLayout(this);
    // The sheet takes the height its contents need at its width (fitHeight()); Qt's own minimum
    // for a window of wrapping texts assumes the narrowest width and comes out far too tall.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    layout->setSpacing(kSpacing);

    auto* header = new QHBoxLayout;
    auto* headings = new QVBoxLayout;
    headings->setSpacing(4);
    headings->addWidget(title_);
    headings->addWidget(subtitle_);
    header->addLayout(headings, 1);
    header->addWidget(cancel_, 0, Qt::AlignVCenter);
    header->addWidget(save_, 0, Qt::AlignVCenter);
    layout->addLayout(header);

    emptyRules_->setContentsMargins(0, 4, 0, 4);
    layout->addWidget(emptyRules_);
    rulesArea_->setWidgetResizable(true);
    rulesArea_->setFrameShape(QFrame::NoFrame);
    rulesArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The rows' buttons take the keyboard and scroll themselves into view; the area is no stop.
    rulesArea_->setFocusPolicy(Qt::NoFocus);
    rulesArea_->viewport()->setAutoFillBackground(false);
    rulesContainer_->setAutoFillBackground(false);
    rulesLayout_->setContentsMargins(0, 0, 0, 0);
    rulesLayout_->setSpacing(kRowSpacing);
    rulesArea_->setWidget(rulesContainer_);
    layout->addWidget(rulesArea_);

    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    layout->addWidget(divider);

    auto* pickerSection = new QVBoxLayout;
    pickerSection->setSpacing(10);
    pickerSection->addWidget(pickerTitle_);
    pickerSection->addWidget(pickerHelp_);
    pickerSection->addWidget(noApps_);
    // The picker sits beside its title under the sheet, not with the buttons: on Linux a
    // drop-down is announced by its value, and its title comes through the title's buddy, which
    // Qt looks for among the picker's siblings.
    pickerSection->addWidget(picker_);
    pickerTitle_->setBuddy(picker_);
    auto* addButtons = new QHBoxLayout(pickerControls_);
    addButtons->setContentsMargins(0, 0, 0, 0);
    addButtons->setSpacing(8);
    addButtons->addWidget(allow_);
    addButtons->addWidget(block_);
    addButtons->addStretch(1);
    pickerSection->addWidget(pickerControls_);
    layout->addLayout(pickerSection);
    layout->addStretch(1);

    QPalette tint = picker_->palette();
    tint.setColor(QPalette::Highlight, Theme::color(Token::accentPrimary, *this));
    picker_->setPalette(tint);
    picker_->setMinimumContentsLength(24);
    picker_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(save_, &QAbstractButton::clicked, this, &AppScopeEditorSheet::save);
    connect(allow_, &QAbstractButton::clicked, this, [this] { addSelected(true); });
    connect(block_, &QAbstractButton::clicked, this, [this] { addSelected(false); });
    connect(picker_, &QComboBox::currentIndexChanged, this, [this](int index) {
        state_.setSelectedBundleIdentifier(index < 0 ? QString()
                                                     : picker_->itemData(index).toString());
        allow_->setEnabled(state_.hasSelection());
        block_->setEnabled(state_.hasSelection());
    });

    retranslate();
    refreshRules();
    refreshPicker();
    resize(std::max(minimumSheetWidth, sizeHint().width()), height());
    fitHeight();
    // The sheet opens on the picker (the first row when every application has one): a key pressed
    // at once chooses an application instead of closing the sheet.
    if (QWidget* first = pickerControls_->isVisibleTo(this) ? static_cast<QWidget*>(picker_)
                                                            : firstRowControl()) {
        first->setFocus(Qt::OtherFocusReason);
    }
}

AppScopeEditorSheet::~AppScopeEditorSheet() = default;

AppScopeEditorSheet* AppScopeEditorSheet::openFor(AppModel& model, const GestureDescriptor& pattern,
                                                  QWidget* parent) {
    auto* sheet = new AppScopeEditorSheet(model, pattern, model.appScopeRules(pattern), parent);
    sheet->open();
    return sheet;
}

void AppScopeEditorSheet::openOnRequest(DashboardView& dashboard, AppModel& model) {
    connect(&dashboard, &DashboardView::appScopeEditorRequested, &dashboard,
            [&dashboard, &model](const GestureDescriptor& pattern) {
                openFor(model, pattern, dashboard.window());
            });
}

void AppScopeEditorSheet::save() {
    // Writes even when nothing changed: the store cleans and orders the list, the model
    // republishes and stores it.
    model_.replaceAppScopeRules(state_.rules(), state_.pattern());
    accept();
}

void AppScopeEditorSheet::addSelected(bool isEnabled) {
    if (!state_.addSelectedRule(isEnabled, model_.availableAppScopeChoices())) {
        return;
    }
    // The add buttons are turned off below; the focus must not travel on from them to a control
    // that changes a rule or closes the sheet, where a second Space would act.
    picker_->setFocus(Qt::OtherFocusReason);
    refreshRules();
    refreshPicker();
    if (!pickerControls_->isVisibleTo(this)) {
        save_->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* AppScopeEditorSheet::firstRowControl() const {
    const auto& rules = state_.rules();
    return rules.empty()
               ? nullptr
               : rows_.at(AppScopeEditorState::applicationKey(rules.front().bundleIdentifier()))
                     ->stateButton();
}

void AppScopeEditorSheet::refreshRules() {
    const auto setEnabled = [this](const GestureAppScopeRule& rule, bool isEnabled) {
        state_.setRuleEnabled(rule, isEnabled);
        refreshRules();
    };
    const auto remove = [this](const GestureAppScopeRule& rule) {
        const auto& before = state_.rules();
        const auto at = std::find(before.begin(), before.end(), rule) - before.begin();
        state_.removeRule(rule);
        refreshRules();
        refreshPicker();
        // The focus goes to a neighbour's Remove, never to a control that changes a rule.
        const auto& after = state_.rules();
        if (after.empty()) {
            (pickerControls_->isVisible() ? static_cast<QWidget*>(picker_) : save_)->setFocus();
        } else {
            const auto& next = after[std::min(static_cast<std::size_t>(at), after.size() - 1)];
            rows_.at(AppScopeEditorState::applicationKey(next.bundleIdentifier()))
                ->removeButton()
                ->setFocus();
        }
    };

    // Rows are kept per application, so a switched rule keeps its row (and keyboard focus).
    std::map<QString, RuleRow*> kept;
    for (const GestureAppScopeRule& rule : state_.rules()) {
        const QString key = AppScopeEditorState::applicationKey(rule.bundleIdentifier());
        RuleRow* row = nullptr;
        if (const auto found = rows_.find(key); found != rows_.end()) {
            row = found->second;
            rows_.erase(found);
        } else {
            row = new RuleRow(setEnabled, remove, rulesContainer_);
            row->show();
        }
        row->setRule(rule);
        rulesLayout_->removeWidget(row);
        rulesLayout_->addWidget(row);
        kept.emplace(key, row);
    }
    // What is left was removed; its button may be the one being clicked right now.
    for (const auto& [key, row] : rows_) {
        rulesLayout_->removeWidget(row);
        row->hide();
        row->deleteLater();
    }
    rows_ = std::move(kept);
    // Rows are made after the picker; the keyboard still visits them in the order shown, above it.
    QWidget* previous = save_;
    for (const GestureAppScopeRule& rule : state_.rules()) {
        for (QWidget* control :
             rows_.at(AppScopeEditorState::applicationKey(rule.bundleIdentifier()))->controls()) {
            setTabOrder(previous, control);
            previous = control;
        }
    }
    setTabOrder(previous, picker_);
    setTabOrder(picker_, allow_);
    setTabOrder(allow_, block_);

    const bool empty = state_.rules().empty();
    emptyRules_->setVisible(empty);
    rulesArea_->setVisible(!empty);
    rulesContainer_->adjustSize();
    rulesArea_->setFixedHeight(std::min(rulesLayout_->sizeHint().height(), kMaximumListHeight));
}

void AppScopeEditorSheet::fitHeight() {
    const int needed = layout()->totalHeightForWidth(width());
    if (needed <= 0) {
        return;
    }
    setMinimumHeight(needed);
    if (height() != needed) {
        resize(width(), needed);
    }
}

void AppScopeEditorSheet::refreshPicker() {
    const std::vector<GestureAppScopeChoice> available =
        state_.availableChoices(model_.availableAppScopeChoices());
    {
        const QSignalBlocker blocker(picker_);
        picker_->clear();
        picker_->addItem(L10n::string("Pick an app"), QString());
        for (const GestureAppScopeChoice& choice : available) {
            picker_->addItem(choice.displayName, choice.bundleIdentifier);
        }
        const int selected = picker_->findData(state_.selectedBundleIdentifier());
        picker_->setCurrentIndex(selected < 0 ? 0 : selected);
    }
    // A choice that is no longer offered is no longer chosen: the picker shows what it holds.
    state_.setSelectedBundleIdentifier(picker_->currentData().toString());
    allow_->setEnabled(state_.hasSelection());
    block_->setEnabled(state_.hasSelection());
    noApps_->setVisible(available.empty());
    picker_->setVisible(!available.empty());
    pickerControls_->setVisible(!available.empty());
    fitHeight();
}

void AppScopeEditorSheet::retranslate() {
    setWindowTitle(L10n::string("App Allow and Block Rules"));
    title_->setText(L10n::string("App Allow and Block Rules"));
    subtitle_->setText(L10n::string(
        "Choose which apps should explicitly allow or block this gesture when they have focus."));
    cancel_->setText(L10n::string("Cancel"));
    save_->setText(L10n::string("Save"));
    emptyRules_->setText(
        L10n::string("No per-app rules yet. The global gesture state applies until you allow or "
                     "block specific apps."));
    pickerTitle_->setText(L10n::string("Choose App"));
    pickerHelp_->setText(
        L10n::string("Use Allowed rules to make a disabled gesture work only in certain apps. Use "
                     "Blocked rules to keep an enabled gesture from firing in certain apps."));
    noApps_->setText(L10n::string(
        "No apps are available right now. Installed and running apps appear here automatically."));
    picker_->setAccessibleName(pickerTitle_->text());
    allow_->setText(L10n::string("Allow in App"));
    block_->setText(L10n::string("Block in App"));
    if (picker_->count() > 0) {
        picker_->setItemText(0, L10n::string("Pick an app"));
    }
    for (const auto& [key, row] : rows_) {
        row->retranslate();
    }
}

void AppScopeEditorSheet::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void AppScopeEditorSheet::showEvent(QShowEvent* event) {
    // Showing a window forgets that focus rings are wanted; the control that has the focus on
    // opening shows its ring, so it is plain what a key would act on.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QDialog::showEvent(event);
}

void AppScopeEditorSheet::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (event->oldSize().width() != width()) {
        fitHeight();
    }
}

void AppScopeEditorSheet::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), Theme::color(Token::bgPrimary, *this));
}

}  // namespace quillorbitex
