#include "Views/Dashboard/EditableGestureRuleRow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/ActionTypeBadge.h"
#include "Views/Components/CapsuleLabel.h"
#include "Views/Components/FlowLayout.h"
#include "Views/Components/FocusChain.h"
#include "Views/Components/GesturePathGlyph.h"
#include "Views/Components/KeyCapGroup.h"
#include "Views/Components/ModalWindows.h"
#include "Views/Components/PlainText.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Components/Visibility.h"
#include "Views/Dashboard/RuleStatusCapsule.h"
#include "Views/Theme/GhostButton.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kGlyphSize = 44;
constexpr int kFieldMinimumWidth = 200;
constexpr double kFieldCornerRadius = 8;
// What the rename field is announced as: the title of the rule editor's name field.
constexpr const char* kNameFieldTitle = L10N_KEY("Rule Name (Optional)");

QAccessibleInterface* nameLabelAccessible(const QString& className, QObject* object);

// The rule's name; a double click starts the rename (a single click does nothing), and so does
// the press action of assistive technologies.
class NameLabel final : public ThemedTextLabel {
public:
    explicit NameLabel(QWidget* parent)
        : ThemedTextLabel(Theme::Font::heading3, Token::textPrimary, Overflow::wrap, parent) {
        static const bool accessible = [] {
            QAccessible::installFactory(&nameLabelAccessible);
            return true;
        }();
        Q_UNUSED(accessible);
    }

    std::function<void()> onRename;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && onRename) {
            onRename();
            return;
        }
        ThemedTextLabel::mouseDoubleClickEvent(event);
    }
};

// The name as assistive technologies see it: a text whose press action renames the rule, with F2
// as its key.
class NameLabelAccessible final : public QAccessibleWidget {
public:
    explicit NameLabelAccessible(NameLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText), label_(label) {}

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }

    void doAction(const QString& name) override {
        if (name == pressAction() && label_->onRename) {
            // Behind an open sheet the rename would start where nobody can see or reach it.
            if (!isBlockedByModalWindow(*label_)) {
                label_->onRename();
            }
            return;
        }
        QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == pressAction()) {
            return {QKeySequence(Qt::Key_F2).toString(QKeySequence::NativeText)};
        }
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    NameLabel* label_;
};

QAccessibleInterface* nameLabelAccessible(const QString&, QObject* object) {
    auto* label = dynamic_cast<NameLabel*>(object);
    return label != nullptr ? new NameLabelAccessible(label) : nullptr;
}

}  // namespace

// The rename field: plain text on the hover background inside a thin rounded outline (radius 8),
// padded 10 across and 6 up and down. Losing the focus to another control ends the rename, and so
// does closing the window; losing the focus to its own context menu or to another window does not.
class EditableGestureRuleRow::NameField final : public QLineEdit {
public:
    explicit NameField(QWidget* parent) : QLineEdit(parent) {
        setFrame(false);
        setFont(Theme::font(Theme::Font::heading3));
        setTextMargins(10, 6, 10, 6);
        setMinimumWidth(kFieldMinimumWidth);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // The theme paints the background; the style's own fill would cover it.
        QPalette transparent = palette();
        transparent.setColor(QPalette::Base, Qt::transparent);
        setPalette(transparent);
    }

    std::function<void()> onFocusLost;
    std::function<void()> onPressedAway;
    std::function<void()> onEscape;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && onEscape) {
            onEscape();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        {
            QPainter painter(this);
            Theme::paintPanel(painter, *this, kFieldCornerRadius, Token::bgHover);
        }
        QLineEdit::paintEvent(event);
    }

    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        const bool leftTheField = event->reason() != Qt::PopupFocusReason &&
                                  event->reason() != Qt::ActiveWindowFocusReason;
        if (leftTheField && onFocusLost) {
            if (event->reason() == Qt::MouseFocusReason && onPressedAway) {
                // A press elsewhere ends the rename: it may be the first of a double click.
                onPressedAway();
            }
            onFocusLost();
        }
    }

    // Closing the window keeps the typed name, as Return would. Watched through the close event,
    // not the field going off screen: a window torn down at exit sends none, and its rows may be
    // half gone by then.
    void showEvent(QShowEvent* event) override {
        QLineEdit::showEvent(event);
        window()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && watched == window() && isVisible() && onFocusLost) {
            onFocusLost();
        }
        return QLineEdit::eventFilter(watched, event);
    }
};

EditableGestureRuleRow::EditableGestureRuleRow(const AppModel& model, GestureMapping mapping,
                                               const char* removeTitleKey, QWidget* parent)
    : RuleCardFrame(mapping.pattern(), parent),
      model_(&model),
      mapping_(std::move(mapping)),
      removeTitleKey_(removeTitleKey) {
    glyph_ =
        new GesturePathGlyph(mapping_.pattern(), kGlyphSize, Token::accentPrimary, false, this);
    // Made with their parent: taking one later costs each widget a second round of events.
    auto* name = new NameLabel(this);
    name->onRename = [this] { beginEditingName(); };
    nameLabel_ = name;
    sourceCapsule_ = new CapsuleLabel(this);
    badge_ = new ActionTypeBadge(mapping_.action(), this);
    notesLabel_ = new ThemedTextLabel(Theme::Font::bodyText, Token::textSecondary,
                                      ThemedTextLabel::Overflow::wrap, this);
    notesLabel_->setMaximumLength(ThemedTextLabel::actionTextLength);
    countLabel_ = new ThemedTextLabel(Theme::Font::captionText, Token::textSecondary,
                                      ThemedTextLabel::Overflow::elideRight, this);
    keyCaps_ = new KeyCapGroup(mapping_.action(), this);

    // The name wraps; the capsules stay beside it while they fit and flow under it otherwise.
    titleLine_ = new FlowLayout(8, 4);
    titleLine_->addWidget(nameLabel_);
    titleLine_->addWidget(sourceCapsule_);
    titleLine_->addWidget(badge_);

    textColumn_ = new QVBoxLayout;
    textColumn_->setSpacing(4);
    textColumn_->addLayout(titleLine_);
    textColumn_->addWidget(notesLabel_);
    textColumn_->addWidget(countLabel_);

    contentLine()->addWidget(glyph_, 0, Qt::AlignVCenter);
    contentLine()->addLayout(textColumn_, 1);
    // The least room between the texts and what the rule sends.
    contentLine()->addSpacing(12);
    contentLine()->addWidget(keyCaps_, 0, Qt::AlignVCenter);

    toggleButton_ = new GhostButton({}, this);
    manageAppsButton_ = new GhostButton({}, this);
    changeActionButton_ = new GhostButton({}, this);
    changeGestureButton_ = new GhostButton({}, this);
    removeButton_ = new GhostButton({}, this);
    removeButton_->setTextColorToken(Token::statusRed);
    for (GhostButton* button : {toggleButton_, manageAppsButton_, changeActionButton_,
                                changeGestureButton_, removeButton_}) {
        buttonLine()->addWidget(button);
    }
    connect(toggleButton_, &QPushButton::clicked, this,
            &EditableGestureRuleRow::toggleEnabledRequested);
    connect(manageAppsButton_, &QPushButton::clicked, this,
            &EditableGestureRuleRow::manageAppsRequested);
    connect(changeActionButton_, &QPushButton::clicked, this,
            &EditableGestureRuleRow::changeCommandRequested);
    connect(changeGestureButton_, &QPushButton::clicked, this,
            &EditableGestureRuleRow::changeGestureRequested);
    connect(removeButton_, &QPushButton::clicked, this, &EditableGestureRuleRow::removeRequested);

    retranslate();
}

EditableGestureRuleRow::~EditableGestureRuleRow() = default;

namespace {

// Rules compare their freeform gestures by identifier only; the template's name, which an unnamed
// rule shows as its title, is compared here as well.
bool showsTheSame(const GestureMapping& a, const GestureMapping& b) {
    const GestureTemplate* first = a.pattern().gestureTemplate();
    const GestureTemplate* second = b.pattern().gestureTemplate();
    return a == b && (first == nullptr || second == nullptr || first->name() == second->name());
}

}  // namespace

void EditableGestureRuleRow::setMapping(GestureMapping mapping) {
    if (showsTheSame(mapping, mapping_)) {
        return;
    }
    mapping_ = std::move(mapping);
    glyph_->setPattern(mapping_.pattern());
    badge_->setAction(mapping_.action());
    keyCaps_->setAction(mapping_.action());
    applyContent(false);
    refreshInvocationCount();
}

void EditableGestureRuleRow::refreshInvocationCount() {
    const qint64 count = model_->triggerCount(mapping_.pattern());
    if (count != invocationCount_) {
        invocationCount_ = count;
        countLabel_->setText(invocationCountText(count));
    }
}

void EditableGestureRuleRow::retranslate() {
    changeActionButton_->setText(buttonText(L10n::string("Change Action")));
    changeGestureButton_->setText(buttonText(L10n::string("Change Gesture")));
    removeButton_->setText(buttonText(L10n::string(removeTitleKey_)));
    if (nameField_ != nullptr) {
        nameField_->setAccessibleName(L10n::string(kNameFieldTitle));
    }
    badge_->retranslate();
    keyCaps_->retranslate();
    applyContent(true);
    invocationCount_ = -1;
    refreshInvocationCount();
}

void EditableGestureRuleRow::applyContent(bool force) {
    GestureRuleRowContent content = GestureRuleRowContent::make(mapping_);
    if (!force && content == content_) {
        return;
    }
    content_ = std::move(content);
    setAccessibleName(content_.title);
    nameLabel_->setText(content_.title);
    if (nameField_ != nullptr) {
        // Only the placeholder follows; the text being edited is the user's.
        nameField_->setPlaceholderText(content_.title);
    }
    sourceCapsule_->setText(content_.sourceLabel);
    if (content_.isCustom) {
        sourceCapsule_->setColors(Token::accentCapsuleText, Token::accentMuted);
    } else {
        // The secondary text colour rather than the tertiary: the tertiary one all but vanishes on
        // the hover background in the dark appearance.
        sourceCapsule_->setColors(Token::textSecondary, Token::bgHover);
    }
    showCapsule(disabledCapsule_, content_.disabledCapsule, Token::statusRed, badge_);
    showCapsule(scopeCapsule_, content_.scopeCapsule, Token::statusBlue,
                disabledCapsule_ != nullptr && disabledCapsule_->isVisibleTo(this)
                    ? static_cast<QWidget*>(disabledCapsule_)
                    : badge_);
    notesLabel_->setText(content_.notes);
    showSummary(content_.scopeSummary);
    toggleButton_->setText(buttonText(content_.toggleTitle));
    manageAppsButton_->setText(buttonText(content_.manageAppsTitle));
}

void EditableGestureRuleRow::showCapsule(RuleStatusCapsule*& capsule,
                                         const std::optional<QString>& title,
                                         ThemePalette::Token tint, QWidget* after) {
    if (!title) {
        if (capsule != nullptr) {
            capsule->hide();
        }
        return;
    }
    if (capsule == nullptr) {
        // Made when first needed: most rules are enabled and unscoped.
        capsule = new RuleStatusCapsule(*title, tint, this);
    } else {
        capsule->setText(*title);
    }
    // Kept in the order name, source, kind, "Disabled", application rules.
    titleLine_->removeWidget(capsule);
    titleLine_->insertWidget(titleLine_->indexOf(after) + 1, capsule);
    // A held card has no place for it yet; it shows when the card is released.
    if (!isHeld()) {
        setShown(capsule, true);
    }
}

void EditableGestureRuleRow::showSummary(const std::optional<QString>& summary) {
    if (!summary) {
        if (summaryLabel_ != nullptr) {
            summaryLabel_->hide();
        }
        return;
    }
    if (summaryLabel_ == nullptr) {
        summaryLabel_ = new ThemedTextLabel(Theme::Font::captionText, Token::textSecondary,
                                            ThemedTextLabel::Overflow::wrap, this);
        textColumn_->addWidget(summaryLabel_);
    }
    summaryLabel_->setText(*summary);
    if (!isHeld()) {
        setShown(summaryLabel_, true);
    }
}

void EditableGestureRuleRow::setHeld(bool held) {
    const bool released = isHeld() && !held;
    RuleCardFrame::setHeld(held);
    if (released) {
        applyContent(true);
    }
}

void EditableGestureRuleRow::keyPressEvent(QKeyEvent* event) {
    // F2 renames, as in file managers, from whichever control of the card has the focus: the
    // buttons pass it on to the card.
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier && !isEditingName_) {
        beginEditingName();
        return;
    }
    RuleCardFrame::keyPressEvent(event);
}

void EditableGestureRuleRow::beginEditingName() {
    if (isEditingName_) {
        return;
    }
    // The double click that starts a rename has been had: a held card takes the field's size now.
    setHeld(false);
    QWidget* focus = window()->focusWidget();
    focusBeforeRename_ = focus != nullptr && isAncestorOf(focus) ? focus : nullptr;
    if (nameField_ == nullptr) {
        nameField_ = new NameField(this);
        nameField_->onFocusLost = [this] { saveRuleName(); };
        nameField_->onPressedAway = [this] { Q_EMIT renameEndedByPress(); };
        nameField_->onEscape = [this] { cancelRename(); };
        nameField_->setAccessibleName(L10n::string(kNameFieldTitle));
        connect(nameField_, &QLineEdit::returnPressed, this, [this] { saveRuleName(); });
        titleLine_->insertWidget(titleLine_->indexOf(nameLabel_), nameField_);
        // Made after the card's buttons, the field would come last in the window's Tab order,
        // and Tab out of it would leave the card; it goes right before them, where it shows.
        placeInFocusChain(*this, tabStops());
    }
    renameStartText_ = content_.renameStartText;
    nameField_->setText(renameStartText_);
    nameField_->setPlaceholderText(content_.title);
    isEditingName_ = true;
    nameLabel_->hide();
    nameField_->show();
    // F2 or the press action may come while the card is scrolled out of view: the field is
    // brought into it, so that what is typed shows.
    revealOnceLaidOut(nameField_);
    // The field takes the focus once it is on screen.
    QTimer::singleShot(0, nameField_, [field = QPointer<NameField>(nameField_), this] {
        if (field && isEditingName_) {
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
        }
    });
}

void EditableGestureRuleRow::saveRuleName() {
    if (!isEditingName_) {
        // Return ends the rename; the field then reports losing the focus as it goes.
        return;
    }
    isEditingName_ = false;
    const auto name = committedRuleName(renameStartText_, nameField_->text());
    closeField();
    if (name) {
        // Last: the list may replace this row in answer.
        Q_EMIT renameRequested(*name);
    }
}

void EditableGestureRuleRow::revealOnceLaidOut(QWidget* control) {
    // The name taking the field's place, and the lists answering a new name (a card made or
    // moved), can push the control out of the scrolling page's view. Each round of layout requests
    // goes one level up the page, and scrolling builds the cards that come into view, which may
    // move the control again: a few rounds settle it.
    QTimer::singleShot(0, control, [control] {
        QScrollArea* page = nullptr;
        for (QWidget* parent = control->parentWidget(); parent != nullptr && page == nullptr;
             parent = parent->parentWidget()) {
            page = qobject_cast<QScrollArea*>(parent);
        }
        for (int round = 0; page != nullptr && round < 3; ++round) {
            for (int level = 0; level < 12; ++level) {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            }
            const QRect shown(control->mapTo(page->viewport(), QPoint()), control->size());
            if (page->viewport()->rect().contains(shown)) {
                return;
            }
            page->ensureWidgetVisible(control);
        }
    });
}

void EditableGestureRuleRow::cancelRename() {
    if (!isEditingName_) {
        return;
    }
    // The name shown is still the rule's; nothing is offered.
    isEditingName_ = false;
    closeField();
}

void EditableGestureRuleRow::closeField() {
    if (nameField_->hasFocus()) {
        // Before the field goes: a focused field that is hidden hands the focus on along the
        // window's chain, which may leave the card.
        QWidget* back = focusBeforeRename_;
        if (back == nullptr || !back->isVisibleTo(this) || !back->isEnabled()) {
            back = toggleButton_;
        }
        back->setFocus(Qt::OtherFocusReason);
        revealOnceLaidOut(back);
    }
    nameField_->hide();
    if (isHeld()) {
        // The card keeps its size until the hold ends: the name takes the field's place, on one
        // line, shortened if it is longer (the whole name is its tooltip).
        const QRect field = nameField_->geometry();
        const int line = nameLabel_->minimumSizeHint().height();
        nameLabel_->setGeometry(field.x(), field.center().y() - line / 2, field.width(), line);
    }
    nameLabel_->show();
}

}  // namespace quillorbitex
