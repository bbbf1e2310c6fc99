#include "Views/Onboarding/OnboardingView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QVBoxLayout>
#include <vector>

#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/ContentView.h"
#include "Views/Onboarding/OnboardingCustomizationStep.h"
#include "Views/Onboarding/OnboardingFooter.h"
#include "Views/Onboarding/OnboardingPermissionStep.h"
#include "Views/Onboarding/OnboardingProgressBar.h"
#include "Views/Onboarding/OnboardingViewModel.h"
#include "Views/Onboarding/OnboardingWelcomeStep.h"
#include "Views/Onboarding/SpringAnimation.h"
#include "Views/Onboarding/TransformEffect.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;
using Edge = OnboardingViewModel::Edge;

constexpr double kCardCornerRadius = 16;
constexpr QMargins kStepAreaPadding(48, 36, 48, 0);
constexpr QMargins kFooterPadding(48, 16, 48, 32);
constexpr SpringCurve kStepSpring{0.5, 0.82};

// The card's shadow: black at 0.6, blurred about as much as a 60 pt design radius, 20 px down.
constexpr double kShadowOpacity = 0.6;
constexpr int kShadowBlur = 30;  // box radius, three passes
constexpr int kShadowMargin = 3 * kShadowBlur + 4;
constexpr int kShadowOffsetY = 20;

// The glow: a 180 px accent disc at 0.18, softened by about 48 px, centred 48 px in from the
// card's trailing edge and 26 px below its top.
constexpr int kGlowDiameter = 180;
constexpr int kGlowSoftness = 48;
constexpr QPoint kGlowCentreFromTopTrailing(-48, 26);

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

// One pass of a box blur of `radius` along rows (or columns) of an alpha plane.
void boxBlur(std::vector<float>& plane, int width, int height, int radius, bool alongRows) {
    const int lines = alongRows ? height : width;
    const int length = alongRows ? width : height;
    std::vector<float> line(static_cast<std::size_t>(length));
    const auto at = [&](int lineIndex, int i) -> float& {
        const int x = alongRows ? i : lineIndex;
        const int y = alongRows ? lineIndex : i;
        return plane[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                     static_cast<std::size_t>(x)];
    };
    const float scale = 1.0F / static_cast<float>(2 * radius + 1);
    for (int l = 0; l < lines; ++l) {
        float sum = 0;
        for (int i = -radius; i <= radius; ++i) {
            sum += (i >= 0 && i < length) ? at(l, i) : 0.0F;
        }
        for (int i = 0; i < length; ++i) {
            line[static_cast<std::size_t>(i)] = sum * scale;
            const int leaving = i - radius;
            const int entering = i + radius + 1;
            sum -= leaving >= 0 ? at(l, leaving) : 0.0F;
            sum += entering < length ? at(l, entering) : 0.0F;
        }
        for (int i = 0; i < length; ++i) {
            at(l, i) = line[static_cast<std::size_t>(i)];
        }
    }
}

}  // namespace

// The card's background and, over everything in it, its outline.
class OnboardingView::Card final : public QWidget {
public:
    explicit Card(QWidget* parent) : QWidget(parent), outline_(new Outline(this)) {
        setFixedSize(cardWidth, cardHeight);
    }

    static QPainterPath shape(const QRectF& area) {
        QPainterPath path;
        path.addRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), kCardCornerRadius,
                            kCardCornerRadius);
        return path;
    }

    void raiseOutline() { outline_->raise(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(shape(QRectF(rect())), Theme::color(Token::bgElevated, *this));
    }

    void resizeEvent(QResizeEvent*) override { outline_->setGeometry(rect()); }

private:
    class Outline final : public QWidget {
    public:
        explicit Outline(QWidget* parent) : QWidget(parent) {
            setAttribute(Qt::WA_TransparentForMouseEvents);
        }

    protected:
        void paintEvent(QPaintEvent*) override {
            QPainter painter(this);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(Theme::color(Token::borderMid, *this), 1));
            painter.drawPath(shape(QRectF(rect())));
        }
    };

    Outline* outline_;
};

// A soft accent disc over the card's top-trailing corner; clicks pass through it.
class OnboardingView::Glow final : public QWidget {
public:
    static constexpr int side = kGlowDiameter + 4 * kGlowSoftness;

    explicit Glow(QWidget* parent) : QWidget(parent) {
        setFixedSize(side, side);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor accent = Theme::color(Token::accentPrimary, *this);
        const double outer = kGlowDiameter / 2.0 + 1.5 * kGlowSoftness;
        QRadialGradient gradient(QPointF(side / 2.0, side / 2.0), outer);
        const double edge = kGlowDiameter / 2.0 / outer;
        const double soft = kGlowSoftness / 2.0 / outer;
        gradient.setColorAt(0, withAlpha(accent, 0.18));
        gradient.setColorAt(edge - soft, withAlpha(accent, 0.16));
        gradient.setColorAt(edge + soft, withAlpha(accent, 0.06));
        gradient.setColorAt(1, withAlpha(accent, 0));
        painter.fillRect(rect(), gradient);
    }
};

// Where the step views sit, padded inside the card; steps passing through clip at its edges.
class OnboardingView::StepArea final : public QWidget {
public:
    explicit StepArea(QWidget* parent) : QWidget(parent) {
        setContentsMargins(kStepAreaPadding);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    void place(QWidget* step) const { step->setGeometry(contentsRect()); }

protected:
    void resizeEvent(QResizeEvent*) override {
        for (QObject* child : children()) {
            if (auto* widget = qobject_cast<QWidget*>(child)) {
                place(widget);
            }
        }
    }
};

OnboardingView::OnboardingView(AppModel& model, std::function<void()> onComplete, QWidget* parent)
    : QWidget(parent),
      model_(model),
      viewModel_(new OnboardingViewModel(this)),
      card_(new Card(this)),
      progressBar_(new OnboardingProgressBar(card_)),
      stepArea_(new StepArea(card_)),
      footer_(new OnboardingFooter(*viewModel_, std::move(onComplete), card_)),
      glow_(new Glow(this)),
      transition_(new SpringAnimation(this)) {
    setAccessibilityIdentifier(*this, QString::fromLatin1(identifier));
    // Nothing beneath reacts to the mouse while the onboarding covers it.
    setAttribute(Qt::WA_NoMousePropagation);

    auto* cardLayout = new QVBoxLayout(card_);
    cardLayout->setContentsMargins(0, 0, 0, 0);
    cardLayout->setSpacing(0);
    cardLayout->addWidget(progressBar_);
    cardLayout->addWidget(stepArea_, 1);
    footer_->setContentsMargins(kFooterPadding);
    cardLayout->addWidget(footer_);
    progressBar_->setOuterClip(Card::shape(QRectF(0, 0, cardWidth, cardHeight)));
    card_->raiseOutline();
    glow_->raise();

    connect(viewModel_, &OnboardingViewModel::currentStepChanged, this,
            [this](OnboardingStep step) { showStep(step, !restarting_); });
    connect(transition_, &SpringAnimation::finished, this, &OnboardingView::finishTransition);
    connect(&model_, &AppModel::showOnboardingChanged, this, [this] {
        if (model_.showOnboarding()) {
            restart();
        }
    });
    showStep(viewModel_->currentStep(), false);
    if (parent != nullptr) {
        setGeometry(parent->rect());
    }
}

OnboardingView::~OnboardingView() = default;

QWidget* OnboardingView::card() const {
    return card_;
}

OnboardingView* OnboardingView::install(ContentView& content, AppModel& model) {
    auto* view = new OnboardingView(
        model, [&model] { model.completeOnboarding(); }, &content);
    content.setOnboardingLayer(view);
    return view;
}

void OnboardingView::restart() {
    restarting_ = true;
    viewModel_->reset();
    restarting_ = false;
}

void OnboardingView::showStep(OnboardingStep step, bool animated) {
    const bool focusWasInside = isAncestorOf(QApplication::focusWidget());
    // A change that comes while one is under way finishes that one first.
    transition_->finish();
    finishTransition();

    OnboardingStepView* incoming = nullptr;
    switch (step) {
        case OnboardingStep::welcome:
            incoming = new OnboardingWelcomeStep(model_, stepArea_);
            break;
        case OnboardingStep::permissions:
            incoming = new OnboardingPermissionStep(model_, stepArea_);
            break;
        case OnboardingStep::customization:
            incoming = new OnboardingCustomizationStep(model_, stepArea_);
            break;
    }
    stepArea_->place(incoming);
    outgoing_ = current_;
    current_ = incoming;
    progressBar_->setCurrentStep(step);

    if (outgoing_ == nullptr || !animated || !Theme::animationsEnabled()) {
        incoming->show();
        finishTransition();
    } else {
        // Coming in from edge d and leaving towards its opposite; leading and trailing follow the
        // layout direction.
        const Edge from = viewModel_->animationDirection();
        const auto travel = [this](Edge edge) {
            const double ltr = layoutDirection() == Qt::LeftToRight ? 1 : -1;
            const double width = stepArea_->width();
            const double height = stepArea_->height();
            switch (edge) {
                case Edge::leading:
                    return QPointF(-width * ltr, 0);
                case Edge::trailing:
                    return QPointF(width * ltr, 0);
                case Edge::top:
                    return QPointF(0, -height);
                case Edge::bottom:
                    return QPointF(0, height);
            }
            return QPointF();
        };
        const QPointF entering = travel(from);
        const QPointF leaving = travel(OnboardingViewModel::opposite(from));
        auto* in = new TransformEffect(TransformEffect::Anchor::center, incoming);
        auto* out = new TransformEffect(TransformEffect::Anchor::center, outgoing_);
        in->setState(0, entering, 0.96);
        incoming->setGraphicsEffect(in);
        outgoing_->setGraphicsEffect(out);
        outgoing_->setAttribute(Qt::WA_TransparentForMouseEvents);
        incoming->show();
        connect(transition_, &SpringAnimation::valueChanged, in,
                [in, out, entering, leaving](double value) {
                    in->setState(value, entering * (1 - value), 0.96 + 0.04 * value);
                    out->setState(1 - value, leaving * value, 1 + 0.03 * value);
                });
        transition_->start(kStepSpring);
    }
    card_->raiseOutline();
    if (focusWasInside) {
        keepFocusInside();
    }
}

void OnboardingView::finishTransition() {
    if (outgoing_ != nullptr) {
        // Deleted later: the press that led here may still be on its way out of that step.
        outgoing_->hide();
        outgoing_->deleteLater();
        outgoing_ = nullptr;
    }
    if (current_ != nullptr) {
        current_->setGraphicsEffect(nullptr);
    }
}

void OnboardingView::keepFocusInside() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !isAncestorOf(focus) || !focus->isVisible()) {
        footer_->primaryButton()->setFocus(Qt::OtherFocusReason);
    }
}

void OnboardingView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Covering the window, the onboarding is where typing goes.
    keepFocusInside();
}

void OnboardingView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    footer_->primaryButton()->setFocus(event->reason());
}

bool OnboardingView::focusNextPrevChild(bool next) {
    std::vector<QWidget*> chain;
    for (QWidget* w = nextInFocusChain(); w != this && w != nullptr; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) != 0) {
            chain.push_back(w);
        }
    }
    if (chain.empty()) {
        return true;
    }
    const auto current = std::find(chain.begin(), chain.end(), QApplication::focusWidget());
    std::ptrdiff_t index = 0;
    if (current != chain.end()) {
        const auto size = static_cast<std::ptrdiff_t>(chain.size());
        index = ((current - chain.begin()) + (next ? 1 : -1) + size) % size;
    } else if (!next) {
        index = static_cast<std::ptrdiff_t>(chain.size()) - 1;
    }
    chain[static_cast<std::size_t>(index)]->setFocus(next ? Qt::TabFocusReason
                                                          : Qt::BacktabFocusReason);
    return true;
}

const QImage& OnboardingView::cardShadow() {
    if (!shadow_.isNull()) {
        return shadow_;
    }
    const int width = cardWidth + 2 * kShadowMargin;
    const int height = cardHeight + 2 * kShadowMargin;
    QImage mask(width, height, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(Card::shape(QRectF(kShadowMargin, kShadowMargin, cardWidth, cardHeight)),
                         Qt::black);
    }
    std::vector<float> plane(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const uchar* line = mask.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            plane[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)] = line[x] / 255.0F;
        }
    }
    for (int pass = 0; pass < 3; ++pass) {
        boxBlur(plane, width, height, kShadowBlur / 3 + 1, true);
        boxBlur(plane, width, height, kShadowBlur / 3 + 1, false);
    }
    shadow_ = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(shadow_.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const float alpha =
                plane[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
            line[x] = qRgba(0, 0, 0, static_cast<int>(alpha * kShadowOpacity * 255 + 0.5F));
        }
    }
    return shadow_;
}

void OnboardingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient backdrop(rect().topLeft(), rect().bottomRight());
    const QColor black(0, 0, 0);
    backdrop.setColorAt(0, withAlpha(black, 0.82));
    backdrop.setColorAt(0.5, withAlpha(Theme::color(Token::accentPrimary, *this), 0.2));
    backdrop.setColorAt(1, withAlpha(black, 0.88));
    painter.fillRect(rect(), backdrop);
    painter.drawImage(card_->pos() - QPoint(kShadowMargin, kShadowMargin - kShadowOffsetY),
                      cardShadow());
}

void OnboardingView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeCard();
}

void OnboardingView::placeCard() {
    const QPoint topLeft((width() - cardWidth) / 2, (height() - cardHeight) / 2);
    card_->move(topLeft);
    const QPoint glowCentre =
        QPoint(topLeft.x() + cardWidth, topLeft.y()) + kGlowCentreFromTopTrailing;
    glow_->move(glowCentre - QPoint(Glow::side / 2, Glow::side / 2));
}

}  // namespace quillorbitex
