#include "Views/RuleEditor/CustomGestureWizard.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "Application/QtKeyEventMonitor.h"
#include "Localization/L10n.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/FocusChain.h"
#include "Views/Components/PlainText.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/RuleEditor/ActionStepView.h"
#include "Views/RuleEditor/GestureRuleEditorLabels.h"
#include "Views/RuleEditor/GestureRuleEditorState.h"
#include "Views/RuleEditor/GestureRuleEditorStepIndicator.h"
#include "Views/RuleEditor/GestureStepView.h"
#include "Views/RuleEditor/ReviewStepView.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/GhostButton.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;
using Font = Theme::Font;
using Overflow = ThemedTextLabel::Overflow;
using Step = GestureRuleEditorStep;

// Around the step and the footer.
constexpr int kContentMargin = 24;

// The 1 px rule under the step indicator.
class Divider final : public QWidget {
public:
    Divider() { setFixedHeight(1); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Theme::color(Token::borderSubtle, *this));
    }
};

std::shared_ptr<KeyEventMonitor> monitorOrDefault(std::shared_ptr<KeyEventMonitor> monitor) {
    return monitor ? std::move(monitor) : std::make_shared<QtKeyEventMonitor>();
}

}  // namespace

CustomGestureWizard::CustomGestureWizard(GestureRuleEditorContext context, AppModel& model,
                                         RuleEditorPlatform platform, QWidget* parent)
    : QDialog(parent),
      state_(new GestureRuleEditorState(std::move(context), model, std::move(platform.workspace),
                                        monitorOrDefault(std::move(platform.keyEventMonitor)),
                                        platform.executor, this)),
      title_(new ThemedTextLabel(Font::heading1, Token::textPrimary, Overflow::wrap)),
      subtitle_(new ThemedTextLabel(Font::bodyText, Token::textSecondary, Overflow::wrap)),
      closeButton_(new GhostButton),
      stepIndicator_(new GestureRuleEditorStepIndicator),
      steps_(new QWidget),
      stepScroll_(new QScrollArea),
      gestureStep_(new GestureStepView(*state_)),
      actionStep_(new ActionStepView(*state_)),
      reviewStep_(new ReviewStepView(*state_)),
      cancelButton_(new GhostButton),
      backButton_(new GhostButton),
      nextButton_(new AccentButton),
      saveButton_(new AccentButton) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setMinimumSize(minimumEditorSize);
    setAccessibilityIdentifier(*this, QStringLiteral("CustomGestureWizard"));
    setAccessibilityIdentifier(*nextButton_, QStringLiteral("CustomGesture_NextButton"));
    setAccessibilityIdentifier(*saveButton_, QStringLiteral("CustomGesture_SaveButton"));
    setAccessibilityIdentifier(*closeButton_, QStringLiteral("CustomGesture_CloseButton"));
    setAccessibilityIdentifier(*cancelButton_, QStringLiteral("CustomGesture_CancelButton"));
    setAccessibilityIdentifier(*backButton_, QStringLiteral("CustomGesture_BackButton"));

    auto* titles = new QVBoxLayout;
    titles->setSpacing(6);
    titles->addWidget(title_);
    titles->addWidget(subtitle_);
    auto* header = new QHBoxLayout;
    header->setContentsMargins(24, 24, 24, 18);
    header->setSpacing(16);
    header->addLayout(titles, 1);
    header->addWidget(closeButton_, 0, Qt::AlignTop);

    auto* indicator = new QHBoxLayout;
    indicator->setContentsMargins(24, 0, 24, 22);
    indicator->addWidget(stepIndicator_);

    // One step in view at a time. Not a stacked widget: that is as tall as its tallest step, and
    // the sheet would be too.
    auto* pages = new QVBoxLayout(steps_);
    pages->setContentsMargins(0, 0, 0, 0);
    pages->addWidget(gestureStep_);
    pages->addWidget(actionStep_);
    pages->addWidget(reviewStep_);
    pages->addStretch(1);
    // A step taller than the sheet scrolls; the footer below it stays in view.
    stepScroll_->setFrameShape(QFrame::NoFrame);
    stepScroll_->setWidgetResizable(true);
    stepScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No Tab stop of its own, where a screen reader would find an unnamed pane; the step's
    // controls take the keyboard and scroll themselves into view.
    stepScroll_->setFocusPolicy(Qt::NoFocus);
    stepScroll_->viewport()->setAutoFillBackground(false);
    steps_->setAutoFillBackground(false);
    stepScroll_->setWidget(steps_);
    // The step's texts settle in its own layout, behind the scroll area: the sheet is fitted again
    // once they have.
    steps_->installEventFilter(this);

    auto* footer = new QHBoxLayout;
    footer->setSpacing(10);
    footer->addWidget(cancelButton_);
    footer->addStretch();
    footer->addWidget(backButton_);
    footer->addWidget(nextButton_);
    footer->addWidget(saveButton_);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(kContentMargin, kContentMargin, kContentMargin, kContentMargin);
    content->setSpacing(20);
    content->addWidget(stepScroll_, 1);
    content->addLayout(footer);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addLayout(indicator);
    layout->addWidget(new Divider);
    layout->addLayout(content, 1);

    // Return confirms nothing here: a name typed on the review step must not save the rule.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(backButton_, &QPushButton::clicked, this, [this] { state_->moveBack(); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { state_->advance(); });
    connect(saveButton_, &QPushButton::clicked, this, &CustomGestureWizard::save);
    connect(state_, &GestureRuleEditorState::changed, this, &CustomGestureWizard::refresh);
    refresh();
}

CustomGestureWizard::~CustomGestureWizard() {
    // Destroyed without being closed (the window beneath went away): clean up all the same.
    state_->finish();
}

int CustomGestureWizard::neededHeight(int width) const {
    const int height = layout()->hasHeightForWidth() ? layout()->heightForWidth(width)
                                                     : layout()->sizeHint().height();
    // The scroll area counts for what its step needs whole, at the width the step gets.
    const int stepWidth = width - 2 * kContentMargin;
    const int step = steps_->hasHeightForWidth() ? steps_->heightForWidth(stepWidth)
                                                 : steps_->sizeHint().height();
    return std::max(height - stepScroll_->sizeHint().height() + step, minimumEditorSize.height());
}

int CustomGestureWizard::availableHeight() const {
    const QScreen* shown = screen();
    if (shown == nullptr) {
        return QWIDGETSIZE_MAX;
    }
    const int frame = isWindow() ? frameGeometry().height() - geometry().height() : 0;
    return shown->availableGeometry().height() - std::max(frame, 0);
}

QSize CustomGestureWizard::sizeHint() const {
    return {minimumEditorSize.width(), neededHeight(minimumEditorSize.width())};
}

bool CustomGestureWizard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == steps_ && event->type() == QEvent::LayoutRequest) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                fitToContent(stepChangedSinceFit_);
                stepChangedSinceFit_ = false;
            },
            Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void CustomGestureWizard::fitToContent(bool stepChanged) {
    layout()->invalidate();
    // The layout's own constraint would size the window for its narrowest width, where every
    // paragraph wraps most; the height needed at the window's width is what counts.
    const int width = std::max(this->width(), minimumEditorSize.width());
    const int available = availableHeight();
    const int least = std::min(minimumEditorSize.height(), available);
    const int target = std::clamp(neededHeight(width), least, available);
    setMinimumHeight(least);
    if (stepChanged || height() < target || height() > available) {
        resize(width, target);
    }
}

void CustomGestureWizard::done(int result) {
    state_->finish();
    QDialog::done(result);
}

void CustomGestureWizard::save() {
    if (state_->saveRule()) {
        accept();
    }
}

void CustomGestureWizard::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    state_->prepareIfNeeded();
    fitToContent(true);
}

void CustomGestureWizard::focusCurrentStep() {
    const Step step = state_->step();
    QWidget* shown = step == Step::gesture  ? static_cast<QWidget*>(gestureStep_)
                     : step == Step::action ? static_cast<QWidget*>(actionStep_)
                                            : static_cast<QWidget*>(reviewStep_);
    // Not the header's Close, nor the button that moved here (it may hide or turn off): the step's
    // own first control, so that the next key acts on what the step is about. Set before the
    // sheet first shows, it is where the focus starts.
    if (QWidget* first = firstTabStopIn(*shown)) {
        first->setFocus(Qt::OtherFocusReason);
        stepScroll_->ensureWidgetVisible(first);
    }
}

bool CustomGestureWizard::focusNextPrevChild(bool next) {
    if (!QDialog::focusNextPrevChild(next)) {
        return false;
    }
    // The step area is no Tab stop: a control Tab reaches in it is scrolled into view.
    if (QWidget* focused = focusWidget(); focused != nullptr && steps_->isAncestorOf(focused)) {
        stepScroll_->ensureWidgetVisible(focused);
    }
    return true;
}

void CustomGestureWizard::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CustomGestureWizard::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), Theme::color(Token::bgPrimary, *this));
}

void CustomGestureWizard::refresh() {
    const GestureRuleEditorMode mode = state_->mode();
    const Step step = state_->step();
    setWindowTitle(title(mode));
    title_->setText(title(mode));
    subtitle_->setText(subtitle(mode));
    closeButton_->setText(buttonText(L10n::string("Close")));
    stepIndicator_->setCurrentStep(step);
    stepIndicator_->retranslate();

    gestureStep_->setVisible(step == Step::gesture);
    actionStep_->setVisible(step == Step::action);
    reviewStep_->setVisible(step == Step::review);
    gestureStep_->refresh();
    actionStep_->refresh();
    reviewStep_->refresh();

    cancelButton_->setText(buttonText(L10n::string("Cancel")));
    backButton_->setText(buttonText(L10n::string("Back")));
    backButton_->setVisible(step != Step::gesture);
    nextButton_->setText(buttonText(L10n::string("Next")));
    nextButton_->setVisible(step != Step::review);
    nextButton_->setEnabled(state_->canAdvance());
    saveButton_->setText(buttonText(state_->saveButtonTitle()));
    saveButton_->setVisible(step == Step::review);
    saveButton_->setEnabled(state_->canSave());

    const bool stepChanged = fittedStep_ != step;
    stepChangedSinceFit_ = stepChangedSinceFit_ || stepChanged;
    fittedStep_ = step;
    fitToContent(stepChangedSinceFit_);
    if (stepChanged) {
        focusCurrentStep();
    }

    // While a shortcut is recorded no text field keeps the focus, so no input method can take the
    // keys before the recorder hears them.
    if (state_->isRecordingShortcut()) {
        if (QWidget* focused = focusWidget();
            focused != nullptr && focused->testAttribute(Qt::WA_InputMethodEnabled)) {
            actionStep_->recordButton()->setFocus(Qt::OtherFocusReason);
        }
    }
}

}  // namespace quillorbitex
