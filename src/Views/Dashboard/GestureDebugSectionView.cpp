#include "Views/Dashboard/GestureDebugSectionView.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "ViewModels/OverlayDebugStore.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/StatusPill.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Dashboard/DebugTraceCanvas.h"
#include "Views/Dashboard/GestureDebugPresentation.h"
#include "Views/Theme/DarkCardFrame.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kLogPadding = 12;
constexpr double kLogCornerRadius = 14;

// A button without chrome: its label in semibold caption type and the accent text colour.
class PlainTextButton final : public QAbstractButton {
public:
    explicit PlainTextButton(QWidget* parent) : QAbstractButton(parent) {
        QFont font = Theme::font(Theme::Font::captionText);
        font.setWeight(QFont::DemiBold);
        setFont(font);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override {
        const QFontMetricsF metrics(font());
        return {static_cast<int>(std::ceil(metrics.horizontalAdvance(text()))) + 8,
                static_cast<int>(std::ceil(metrics.height())) + 8};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            painter.setPen(QPen(Theme::color(Token::accentPrimary, *this), 1));
            painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        }
        QColor color = Theme::color(Token::accentText, *this);
        if (isDown()) {
            color.setAlphaF(0.6F);
        }
        painter.setPen(color);
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
    }
};

// The log's text: read-only but selectable, in the small monospaced type and the secondary text
// colour, on whatever lies behind it.
class LogView final : public QPlainTextEdit {
public:
    explicit LogView(QWidget* parent) : QPlainTextEdit(parent) {
        setReadOnly(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setFrameShape(QFrame::NoFrame);
        setFont(Theme::font(Theme::Font::captionMono));
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setMinimumHeight(GestureDebugSectionView::minimumLogHeight);
        viewport()->setAutoFillBackground(false);
        applyColors();
    }

protected:
    void changeEvent(QEvent* event) override {
        QPlainTextEdit::changeEvent(event);
        if (event->type() == QEvent::PaletteChange) {
            applyColors();
        }
    }

private:
    void applyColors() {
        const QColor text = Theme::color(Token::textSecondary, *this);
        if (palette().color(QPalette::Text) == text &&
            palette().color(QPalette::Base).alpha() == 0) {
            return;
        }
        QPalette p = palette();
        p.setColor(QPalette::Text, text);
        p.setColor(QPalette::Base, Qt::transparent);
        setPalette(p);
    }
};

// The sunken rounded panel behind the log, 12 px around it.
class LogPanel final : public QWidget {
public:
    explicit LogPanel(QWidget* content, QWidget* parent) : QWidget(parent) {
        content->setParent(this);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(kLogPadding, kLogPadding, kLogPadding, kLogPadding);
        layout->addWidget(content);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        Theme::paintPanel(painter, *this, kLogCornerRadius, Token::bgSunken);
    }
};

// A value that keeps room for the tallest of the texts it may be given, measured at its width in
// its font, so that what comes and goes during a stroke never moves what lies below it.
class ReservingValueLabel final : public ThemedTextLabel {
public:
    explicit ReservingValueLabel(QWidget* parent)
        : ThemedTextLabel(Theme::Font::bodyMono, Token::textPrimary, Overflow::wrap, parent),
          measure_(new ThemedTextLabel(Theme::Font::bodyMono, Token::textPrimary, Overflow::wrap,
                                       this)) {
        measure_->hide();
    }

    void reserve(const QStringList& texts) {
        reserved_ = texts;
        measuredWidth_ = -1;
        updateGeometry();
    }

    int heightForWidth(int width) const override {
        return std::max(ThemedTextLabel::heightForWidth(width), reservedHeight(width));
    }
    QSize sizeHint() const override {
        const QSize hint = ThemedTextLabel::sizeHint();
        return {hint.width(), std::max(hint.height(), reservedHeight(hint.width()))};
    }

protected:
    void changeEvent(QEvent* event) override {
        ThemedTextLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange) {
            measuredWidth_ = -1;
        }
    }

private:
    int reservedHeight(int width) const {
        if (width != measuredWidth_) {
            measure_->setFont(font());
            measuredHeight_ = 0;
            for (const QString& text : reserved_) {
                measure_->setText(text);
                measuredHeight_ = std::max(measuredHeight_, measure_->heightForWidth(width));
            }
            measuredWidth_ = width;
        }
        return measuredHeight_;
    }

    QStringList reserved_;
    ThemedTextLabel* measure_;
    mutable int measuredWidth_ = -1;
    mutable int measuredHeight_ = 0;
};

}  // namespace

// One value of the values card: its title, upper-cased, over the value in monospaced type.
class GestureDebugSectionView::DebugValueRow final : public QWidget {
public:
    DebugValueRow(const char* titleKey, const QString& identifier, QWidget* parent)
        : QWidget(parent),
          titleKey_(titleKey),
          title_(new ThemedTextLabel(Theme::Font::captionText, Token::textSecondary,
                                     ThemedTextLabel::Overflow::wrap, this)),
          value_(new ReservingValueLabel(this)) {
        QFont font = title_->font();
        font.setCapitalization(QFont::AllUppercase);
        title_->setFont(font);
        setAccessibilityIdentifier(*value_, identifier);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(6);
        layout->addWidget(title_);
        layout->addWidget(value_);
        retranslate();
    }

    void retranslate() { title_->setText(L10n::string(titleKey_)); }
    void reserve(const QStringList& texts) { value_->reserve(texts); }
    void setValue(const QString& value) { value_->setText(value); }

private:
    const char* titleKey_;
    ThemedTextLabel* title_;
    ReservingValueLabel* value_;
};

GestureDebugSectionView::GestureDebugSectionView(AppModel& model, OverlayDebugStore& debugStore,
                                                 std::function<void()> copyLogAction,
                                                 QWidget* parent)
    : QWidget(parent),
      model_(model),
      debugStore_(debugStore),
      copyLogAction_(std::move(copyLogAction)) {
    // The trace card.
    auto* traceCard = new DarkCardFrame(this);
    traceCard->contentLayout()->setSpacing(12);
    auto* header = new QWidget(traceCard);
    setAccessibilityIdentifier(*header, QStringLiteral("DebugOverlayStateValue"));
    traceTitle_ = new ThemedTextLabel(Theme::Font::heading3, Token::textPrimary,
                                      ThemedTextLabel::Overflow::wrap, header);
    overlayPill_ = new StatusPill(StatusPill::State::amber({}), header);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(0, 0, 0, 0);
    headerLayout->addWidget(traceTitle_, 1);
    headerLayout->addWidget(overlayPill_, 0, Qt::AlignTop);
    canvas_ = new DebugTraceCanvas({}, traceCard);
    setAccessibilityIdentifier(*canvas_, QStringLiteral("DebugTraceCanvas"));
    traceHelp_ = new ThemedTextLabel(Theme::Font::captionText, Token::textSecondary,
                                     ThemedTextLabel::Overflow::wrap, traceCard);
    traceCard->contentLayout()->addWidget(header);
    traceCard->contentLayout()->addWidget(canvas_);
    traceCard->contentLayout()->addWidget(traceHelp_);

    // The values card.
    auto* valuesCard = new DarkCardFrame(this);
    valuesCard->setFixedWidth(valuesCardWidth);
    valuesCard->contentLayout()->setSpacing(14);
    const std::array<std::pair<const char*, const char*>, 6> rows = {{
        {L10N_KEY("Live directions"), "DebugLiveDirectionsValue"},
        {L10N_KEY("Live detection"), "DebugLiveDetectionValue"},
        {L10N_KEY("Matched rule"), "DebugMatchedRuleValue"},
        {L10N_KEY("Live action"), "DebugLiveActionValue"},
        {L10N_KEY("Last classification"), "DebugLastClassificationValue"},
        {L10N_KEY("Last system click"), "DebugLastSuppressionValue"},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        values_[i] =
            new DebugValueRow(rows[i].first, QString::fromLatin1(rows[i].second), valuesCard);
        valuesCard->contentLayout()->addWidget(values_[i]);
    }

    // Each card as tall as its own content, side by side from the top.
    auto* cards = new QHBoxLayout;
    cards->setSpacing(16);
    cards->addWidget(traceCard, 1, Qt::AlignTop);
    cards->addWidget(valuesCard, 0, Qt::AlignTop);

    // The log card.
    auto* logCard = new DarkCardFrame(this);
    logCard->contentLayout()->setSpacing(12);
    logTitle_ = new ThemedTextLabel(Theme::Font::heading1, Token::textPrimary,
                                    ThemedTextLabel::Overflow::wrap, logCard);
    logSubtitle_ = new ThemedTextLabel(Theme::Font::bodyText, Token::textSecondary,
                                       ThemedTextLabel::Overflow::wrap, logCard);
    auto* logHeading = new QVBoxLayout;
    logHeading->setSpacing(4);
    logHeading->addWidget(logTitle_);
    logHeading->addWidget(logSubtitle_);
    copyLog_ = new PlainTextButton(logCard);
    setAccessibilityIdentifier(*copyLog_, QStringLiteral("CopyOverlayLogButton"));
    auto* logHeader = new QHBoxLayout;
    logHeader->addLayout(logHeading, 1);
    logHeader->addWidget(copyLog_, 0, Qt::AlignVCenter);
    log_ = new LogView(nullptr);
    setAccessibilityIdentifier(*log_, QStringLiteral("OverlayDebugLogValue"));
    logCard->contentLayout()->addLayout(logHeader);
    logCard->contentLayout()->addWidget(new LogPanel(log_, logCard));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    layout->addLayout(cards);
    layout->addWidget(logCard);

    connect(copyLog_, &QAbstractButton::clicked, this, [this] {
        if (copyLogAction_) {
            copyLogAction_();
        }
    });
    connect(&debugStore_, &OverlayDebugStore::liveDebugSessionChanged, this,
            &GestureDebugSectionView::refresh);
    connect(&model_, &AppModel::lastCaptureDebugResultChanged, this,
            &GestureDebugSectionView::refresh);
    connect(&debugStore_, &OverlayDebugStore::overlayDebugLogChanged, this,
            &GestureDebugSectionView::showLog);
    connect(&model_, &AppModel::mappingsChanged, this, &GestureDebugSectionView::reserveValueRoom);
    retranslate();
}

void GestureDebugSectionView::reserveValueRoom() {
    std::array<QStringList, 6> forRules =
        GestureDebugPresentation::reservedTexts(model_.mappings());
    if (forRules == reservedForRules_) {
        // Measuring every text again costs more than most rule changes.
        return;
    }
    reservedForRules_ = std::move(forRules);
    for (std::size_t i = 0; i < values_.size(); ++i) {
        values_[i]->reserve(reservedForAnyRules_[i] + (*reservedForRules_)[i]);
    }
}

void GestureDebugSectionView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void GestureDebugSectionView::retranslate() {
    traceTitle_->setText(L10n::string("Live Trace"));
    traceHelp_->setText(L10n::string(
        "Overlay appears as soon as Quillorbitex sees a drag path. Once the gesture crosses the "
        "capture threshold, the system right-click replay is disabled for that session."));
    for (DebugValueRow* value : values_) {
        value->retranslate();
    }
    reservedForAnyRules_ = GestureDebugPresentation::reservedTexts();
    reservedForRules_.reset();
    reserveValueRoom();
    logTitle_->setText(L10n::string("Overlay Routing Log"));
    // A Tab stop of its own; announced by the title above it.
    log_->setAccessibleName(logTitle_->text());
    logSubtitle_->setText(
        L10n::string("Copy this after reproducing a monitor bug so the raw display routing and "
                     "local point math can be inspected."));
    copyLog_->setText(L10n::string("Copy Log"));
    copyLog_->updateGeometry();
    refresh();
    // The empty log's text is in the language of the moment.
    showLog();
}

void GestureDebugSectionView::refresh() {
    const GestureDebugPresentation shown = GestureDebugPresentation::from(
        debugStore_.liveDebugSession(), model_.lastCaptureDebugResult());
    overlayPill_->setState(shown.overlayState);
    canvas_->setPoints(shown.tracePoints);
    const std::array<const QString*, 6> values = {
        &shown.liveDirections, &shown.liveDetection,      &shown.matchedRule,
        &shown.liveAction,     &shown.lastClassification, &shown.lastSystemClick,
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        values_[i]->setValue(*values[i]);
    }
}

void GestureDebugSectionView::showLog() {
    const QString text = debugStore_.overlayDebugLog();
    if (text == log_->toPlainText()) {
        return;
    }
    // Someone reading further down keeps their place as entries come and go.
    QScrollBar* bar = log_->verticalScrollBar();
    const int position = bar->value();
    log_->setPlainText(text);
    bar->setValue(std::min(position, bar->maximum()));
}

}  // namespace quillorbitex
