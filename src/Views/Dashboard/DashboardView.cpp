#include "Views/Dashboard/DashboardView.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <cmath>

#include "Localization/L10n.h"
#include "Platform/MainExecutor.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Dashboard/CustomRulesSectionContent.h"
#include "Views/Dashboard/GestureDebugSectionView.h"
#include "Views/Dashboard/OverviewSectionContent.h"
#include "Views/Dashboard/PresetRulesSectionContent.h"
#include "Views/Dashboard/RuleListHold.h"
#include "Views/Dashboard/SectionHeader.h"
#include "Views/DashboardHeaderBar.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

struct SectionLayout {
    DashboardSection section;
    const char* titleKey;
    const char* subtitleKey;
    int spacing;
};

// The sections in page order, each with its header and the spacing of its stack.
constexpr SectionLayout kSections[] = {
    {DashboardSection::overview, L10N_KEY("Overview"),
     L10N_KEY("Capture health, preset coverage, matching tolerance, and theme controls at a "
              "glance."),
     16},
    {DashboardSection::customGestures, L10N_KEY("Custom Rules"),
     L10N_KEY("Open the rule editor for a guided setup, then enable, disable, scope, or override "
              "custom rules and actions directly from the dashboard."),
     14},
    {DashboardSection::activeGestures, L10N_KEY("Preset Rules"),
     L10N_KEY("Preset rules are ready immediately. Disable them, scope them to specific apps, "
              "swap the gesture, or remove and restore them without leaving the dashboard."),
     14},
    {DashboardSection::debugging, L10N_KEY("Capture Debug"),
     L10N_KEY("See live path detection, click suppression, and the last classified gesture."), 14},
};

// Room kept above or below a control that Tab scrolls into view.
constexpr int kRevealMargin = 24;

// The standard ease-in-out: a cubic Bézier through (0.42, 0) and (0.58, 1).
QEasingCurve easeInOut() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.42, 0), QPointF(0.58, 1), QPointF(1, 1));
    return curve;
}

// The page behind the sections, in the primary background.
class Page final : public QWidget {
public:
    explicit Page(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Theme::color(Token::bgPrimary, *this));
    }
};

}  // namespace

DashboardView::DashboardView(AppModel& model, Executor* mainExecutor, QWidget* parent)
    : QWidget(parent),
      mainExecutor_(mainExecutor != nullptr ? *mainExecutor : MainExecutor::shared()),
      headerBar_(new DashboardHeaderBar(model, this)),
      scrollArea_(new QScrollArea(this)),
      page_(new Page(scrollArea_)),
      scrollAnimation_(new QVariantAnimation(this)),
      ruleListHold_(new RuleListHold(this)),
      self_(std::make_shared<DashboardView*>(this)) {
    setObjectName(QStringLiteral("DashboardView"));

    // The page goes into the scroll area before anything is built on it: handing over a full
    // page lays out and re-resolves every widget on it once more.
    scrollArea_->setObjectName(QStringLiteral("DashboardScroll"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // No Tab stop of its own, where a screen reader would find an unnamed pane: Tab scrolls the
    // control it focuses into view (revealFocusedControl).
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->setWidget(page_);
    page_->installEventFilter(this);

    auto* pageLayout = new QVBoxLayout(page_);
    pageLayout->setContentsMargins(28, 24, 28, 24);
    pageLayout->setSpacing(24);
    for (const SectionLayout& layout : kSections) {
        Section section;
        section.wrapper = new QWidget(page_);
        section.wrapper->setObjectName(sectionID(layout.section));
        section.wrapper->setProperty("scrollIdentifier", sectionID(layout.section));
        section.stack = new QVBoxLayout(section.wrapper);
        section.stack->setContentsMargins(0, 0, 0, 0);
        section.stack->setSpacing(layout.spacing);
        section.header = new SectionHeader(layout.titleKey, layout.subtitleKey, section.wrapper);
        section.stack->addWidget(section.header);
        section.wrapper->installEventFilter(this);
        pageLayout->addWidget(section.wrapper);
        sections_[layout.section] = section;
    }
    sectionContentLayout(DashboardSection::overview)
        ->addWidget(new OverviewSectionContent(model, sectionWidget(DashboardSection::overview)));
    auto* customRules = new CustomRulesSectionContent(
        model, *ruleListHold_, sectionWidget(DashboardSection::customGestures));
    sectionContentLayout(DashboardSection::customGestures)->addWidget(customRules);
    auto* presetRules = new PresetRulesSectionContent(
        model, *ruleListHold_, sectionWidget(DashboardSection::activeGestures));
    sectionContentLayout(DashboardSection::activeGestures)->addWidget(presetRules);
    connect(customRules, &CustomRulesSectionContent::ruleEditorRequested, this,
            &DashboardView::requestRuleEditor);
    connect(customRules, &CustomRulesSectionContent::appScopeEditorRequested, this,
            &DashboardView::requestAppScopeEditor);
    connect(presetRules, &PresetRulesSectionContent::ruleEditorRequested, this,
            &DashboardView::requestRuleEditor);
    connect(presetRules, &PresetRulesSectionContent::appScopeEditorRequested, this,
            &DashboardView::requestAppScopeEditor);
    OverlayDebugStore* debugStore = model.overlayDebugStore();
    sectionContentLayout(DashboardSection::debugging)
        ->addWidget(new GestureDebugSectionView(
            model, *debugStore, [debugStore] { debugStore->copyLogToPasteboard(); },
            sectionWidget(DashboardSection::debugging)));
    // Automation knows the whole debugging section, header included, by this identifier.
    QWidget* debugging = sections_[DashboardSection::debugging].wrapper;
    setAccessibilityIdentifier(*debugging, QStringLiteral("GestureDebugSection"));
    // Sections keep their own heights; a short page leaves the space below the last one.
    pageLayout->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(headerBar_);
    layout->addWidget(scrollArea_, 1);

    QScrollBar* bar = scrollArea_->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, &DashboardView::anchorsMayHaveChanged);
    connect(bar, &QScrollBar::rangeChanged, this, &DashboardView::anchorsMayHaveChanged);

    scrollAnimation_->setDuration(scrollAnimationMilliseconds);
    scrollAnimation_->setEasingCurve(easeInOut());
    connect(scrollAnimation_, &QVariantAnimation::valueChanged, this,
            [bar](const QVariant& value) { bar->setValue(value.toInt()); });
}

DashboardView::~DashboardView() = default;

QVBoxLayout* DashboardView::sectionContentLayout(DashboardSection section) const {
    return sections_.at(section).stack;
}

QWidget* DashboardView::sectionWidget(DashboardSection section) const {
    return sections_.at(section).wrapper;
}

SectionHeader* DashboardView::sectionHeader(DashboardSection section) const {
    return sections_.at(section).header;
}

QString DashboardView::sectionID(DashboardSection section) {
    const std::string_view raw = rawValue(section);
    return QStringLiteral("dashboard-section-") +
           QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size()));
}

std::map<DashboardSection, double> DashboardView::sectionAnchors() const {
    std::map<DashboardSection, double> anchors;
    const QWidget* viewport = scrollArea_->viewport();
    for (const auto& [section, parts] : sections_) {
        anchors[section] = parts.wrapper->mapTo(viewport, QPoint(0, 0)).y();
    }
    return anchors;
}

void DashboardView::updateSelectedSection(const std::map<DashboardSection, double>& anchors) {
    if (programmaticScroll_ || anchors.empty()) {
        return;
    }
    // Page order decides exact ties: the first of two equally close sections stays.
    std::optional<DashboardSection> best;
    double bestDistance = 0;
    for (const DashboardSection section : allCases<DashboardSection>()) {
        const auto found = anchors.find(section);
        if (found == anchors.end()) {
            continue;
        }
        const double distance = std::abs(found->second - sectionAnchorLine);
        if (!best || distance < bestDistance) {
            best = section;
            bestDistance = distance;
        }
    }
    setSelectedSection(*best);
}

void DashboardView::scrollTo(DashboardSection section) {
    programmaticScroll_ = true;
    setSelectedSection(section);

    QScrollBar* bar = scrollArea_->verticalScrollBar();
    const int target =
        std::clamp(sections_.at(section).wrapper->y(), bar->minimum(), bar->maximum());
    scrollAnimation_->stop();
    if (Theme::animationsEnabled() && bar->value() != target) {
        scrollAnimation_->setStartValue(bar->value());
        scrollAnimation_->setEndValue(target);
        scrollAnimation_->start();
    } else {
        bar->setValue(target);
    }
    // Every choice lowers the guard 0.35 s after itself, even while a later one is under way.
    mainExecutor_.asyncAfter(scrollGuard, [weak = std::weak_ptr<DashboardView*>(self_)] {
        if (const auto view = weak.lock()) {
            (*view)->programmaticScroll_ = false;
        }
    });
}

void DashboardView::revealFocusedControl() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !page_->isAncestorOf(focus)) {
        return;
    }
    const QWidget* viewport = scrollArea_->viewport();
    // Scrolling builds the cards that come into view, whose measured heights can move the control
    // again and change the page's length; a few rounds settle it.
    for (int round = 0; round < 4; ++round) {
        // The page takes its new length now, so the scroll bar can reach the control.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QRect shown(focus->mapTo(viewport, QPoint(0, 0)), focus->size());
        if (viewport->rect().contains(shown)) {
            return;
        }
        // The whole control (a text field's cursor line would do for the scroll area), with room
        // around it, or its middle when it is taller than the page.
        const QRect onPage(focus->mapTo(page_, QPoint(0, 0)), focus->size());
        scrollAnimation_->stop();
        scrollArea_->ensureVisible(
            onPage.center().x(), onPage.center().y(),
            std::min(onPage.width() / 2, viewport->width() / 2),
            std::min(onPage.height() / 2 + kRevealMargin, viewport->height() / 2));
    }
}

void DashboardView::setSelectedSection(DashboardSection section) {
    if (section == selected_) {
        return;
    }
    selected_ = section;
    Q_EMIT selectedSectionChanged(section);
}

void DashboardView::anchorsMayHaveChanged() {
    updateSelectedSection(sectionAnchors());
}

bool DashboardView::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((watched == page_ && type == QEvent::Resize) ||
        (watched != page_ && (type == QEvent::Move || type == QEvent::Resize))) {
        anchorsMayHaveChanged();
    }
    return QWidget::eventFilter(watched, event);
}

void DashboardView::requestRuleEditor(const GestureRuleEditorContext& context) {
    Q_EMIT ruleEditorRequested(context);
}

void DashboardView::requestAppScopeEditor(const GestureDescriptor& pattern) {
    Q_EMIT appScopeEditorRequested(pattern);
}

void DashboardView::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), Theme::color(Token::bgPrimary, *this));
}

}  // namespace quillorbitex
