#include "Views/ContentView.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QVariantAnimation>

#include "ViewModels/AppModel.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/Onboarding/TransformEffect.h"
#include "Views/SidebarView.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kOnboardingFadeMilliseconds = 250;

// The rule between the sidebar and the page.
class VerticalRule final : public QWidget {
public:
    explicit VerticalRule(QWidget* parent) : QWidget(parent) { setFixedWidth(1); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Theme::color(Token::borderSubtle, *this));
    }
};

// The onboarding's backdrop over the window's menu bar, which lies outside the content: the bar
// dims with the page and cannot be used while the onboarding is up.
class MenuBarShade final : public QWidget {
public:
    explicit MenuBarShade(QMenuBar* bar) : QWidget(bar) {
        // Found again by its name: the class has no meta-object of its own.
        setObjectName(QStringLiteral("OnboardingMenuBarShade"));
        bar->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
        }
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(0, 0, 0, 209));
    }
};

}  // namespace

ContentView::ContentView(AppModel& model, Executor* mainExecutor, QWidget* parent)
    : QWidget(parent),
      model_(model),
      sidebar_(new SidebarView(model, this)),
      dashboard_(new DashboardView(model, mainExecutor, this)),
      fadeAnimation_(new QVariantAnimation(this)) {
    setObjectName(QStringLiteral("ContentView"));
    setMinimumSize(minimumContentSize);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(sidebar_);
    layout->addWidget(new VerticalRule(this));
    layout->addWidget(dashboard_, 1);

    sidebar_->setSelectedSection(dashboard_->selectedSection());
    connect(sidebar_, &SidebarView::sectionSelected, this, &ContentView::scrollTo);
    connect(dashboard_, &DashboardView::selectedSectionChanged, sidebar_,
            &SidebarView::setSelectedSection);

    fadeAnimation_->setDuration(kOnboardingFadeMilliseconds);
    fadeAnimation_->setEasingCurve(QEasingCurve::InOutCubic);
    connect(fadeAnimation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        if (fade_ != nullptr) {
            fade_->setState(value.toDouble(), {}, 1);
        }
    });
    connect(fadeAnimation_, &QVariantAnimation::finished, this, [this] {
        if (onboarding_ && !model_.showOnboarding()) {
            onboarding_->hide();
            // Tab during the fade may have gone back into it.
            takeFocusFromOnboarding();
        }
        setFade(std::nullopt);
    });
    connect(&model_, &AppModel::showOnboardingChanged, this, &ContentView::followOnboarding);
}

void ContentView::scrollTo(DashboardSection section) {
    dashboard_->scrollTo(section);
}

void ContentView::setOnboardingLayer(QWidget* layer) {
    delete onboarding_.data();
    onboarding_ = layer;
    fade_ = nullptr;
    if (layer == nullptr) {
        sidebar_->setEnabled(true);
        dashboard_->setEnabled(true);
        shadeMenuBar(false);
        return;
    }
    layer->setParent(this);
    layer->setGeometry(rect());
    layer->setVisible(model_.showOnboarding());
    layer->raise();
    sidebar_->setEnabled(!model_.showOnboarding());
    dashboard_->setEnabled(!model_.showOnboarding());
    shadeMenuBar(model_.showOnboarding());
}

void ContentView::shadeMenuBar(bool shaded) {
    auto* bar = window()->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (bar == nullptr) {
        return;
    }
    auto* shade = bar->findChild<QWidget*>(QStringLiteral("OnboardingMenuBarShade"),
                                           Qt::FindDirectChildrenOnly);
    if (shade == nullptr && shaded) {
        shade = new MenuBarShade(bar);
    }
    bar->setEnabled(!shaded);
    if (shade != nullptr) {
        shade->setGeometry(bar->rect());
        shade->setVisible(shaded);
        shade->raise();
    }
}

void ContentView::followOnboarding() {
    const bool shown = model_.showOnboarding();
    // The page beneath cannot be reached while the onboarding covers it.
    sidebar_->setEnabled(!shown || !onboarding_);
    dashboard_->setEnabled(!shown || !onboarding_);
    shadeMenuBar(shown && onboarding_);
    if (!onboarding_) {
        return;
    }
    fadeAnimation_->stop();
    if (!shown) {
        takeFocusFromOnboarding();
    }
    // Fading in starts from nothing; fading out from wherever a fade left it.
    const double from = fade_ != nullptr ? fade_->opacity() : (shown ? 0.0 : 1.0);
    if (shown) {
        onboarding_->setGeometry(rect());
        onboarding_->show();
        onboarding_->raise();
        onboarding_->setFocus();
    }
    const double target = shown ? 1.0 : 0.0;
    if (!Theme::animationsEnabled()) {
        setFade(std::nullopt);
        onboarding_->setVisible(shown);
        return;
    }
    setFade(from);
    fadeAnimation_->setStartValue(from);
    fadeAnimation_->setEndValue(target);
    fadeAnimation_->start();
}

void ContentView::takeFocusFromOnboarding() {
    // Left in the layer, the focus would sit on hidden controls, where Tab only cycles through the
    // layer's own: the page beneath takes it, on the sidebar's row of the section in view.
    const QWidget* focus = window()->focusWidget();
    if (onboarding_ && focus != nullptr && onboarding_->isAncestorOf(focus)) {
        if (QAbstractButton* row = sidebar_->row(dashboard_->selectedSection())) {
            row->setFocus(Qt::OtherFocusReason);
        }
    }
}

void ContentView::setFade(std::optional<double> opacity) {
    // The fade exists only while it runs: drawn through it, the layer is pictured anew each frame.
    if (!opacity) {
        if (onboarding_ && fade_ != nullptr) {
            onboarding_->setGraphicsEffect(nullptr);
        }
        fade_ = nullptr;
        return;
    }
    if (fade_ == nullptr && onboarding_) {
        fade_ = new TransformEffect(TransformEffect::Anchor::center, onboarding_);
        onboarding_->setGraphicsEffect(fade_);
    }
    if (fade_ != nullptr) {
        fade_->setState(*opacity, {}, 1);
    }
}

void ContentView::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), Theme::color(Token::bgPrimary, *this));
}

bool ContentView::focusNextPrevChild(bool next) {
    const bool moved = QWidget::focusNextPrevChild(next);
    if (moved) {
        dashboard_->revealFocusedControl();
    }
    return moved;
}

void ContentView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onboarding_) {
        onboarding_->setGeometry(rect());
    }
}

}  // namespace quillorbitex
