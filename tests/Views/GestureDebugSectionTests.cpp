#include "Views/Dashboard/GestureDebugSectionView.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "Models/GestureLabels.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/Components/StatusPill.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Dashboard/DebugTraceCanvas.h"
#include "Views/Dashboard/GestureDebugPresentation.h"
#include "Views/Theme/Theme.h"
#include "support/StrokeShapes.h"
#include "support/ViewTestHelpers.h"

namespace quillorbitex {
namespace {

using testing::AppModelTestEnvironment;
using Token = ThemePalette::Token;
using Kind = StatusPill::State::Kind;

const GestureDescriptor kUpDown = GestureDescriptor::directional(GesturePattern::upThenDown);
const GestureAction kNewTab = GestureAction::predefined(PredefinedAction::newTab);

TEST(GestureDebugPresentation, LiveStrokeWinsAndEachValueFallsBackOnItsOwn) {
    testing::ScopedLanguageOverride english(AppLanguageOverride::english);
    const std::optional<LiveGestureDebugSession> noLive,
        emptyLive = LiveGestureDebugSession{},
        drawing = LiveGestureDebugSession{
            {{0, 0}, {0, 9}}, {GestureDirection::down}, std::nullopt, kNewTab, false};
    const std::optional<GestureCaptureDebugResult> noLast,
        unrecognized =
            GestureCaptureDebugResult{
                {{1, 1}, {2, 2}, {3, 1}}, {GestureDirection::up}, std::nullopt, std::nullopt, true},
        replayed = GestureCaptureDebugResult{{{0, 0}, {0, 5}}, {}, kUpDown, std::nullopt, false};
    const char* const idle =
        "Idle | Waiting for movement | Hold the right button and start drawing | No matched rule | "
        "No action | ";
    struct Case {
        const char* name;
        const std::optional<LiveGestureDebugSession>& live;
        const std::optional<GestureCaptureDebugResult>& last;
        std::size_t tracePoints;
        Kind pill;
        QString texts;  // the pill, then the six values in order
    };
    const Case cases[] = {
        {"before any stroke", noLive, noLast, 0, Kind::amber,
         idle + QStringLiteral("No captured session yet | No completed session yet")},
        {"a live stroke without points hides the last one", emptyLive, unrecognized, 0, Kind::amber,
         "Tracking | Waiting for movement | Waiting for a committed stroke | No matched rule | No "
         "action | Unrecognized path: Up | Suppressed"},
        {"an action matched without a gesture", drawing, noLast, 2, Kind::green,
         "Visible | Down | Matched gesture | No matched rule | New Tab | No captured session yet | "
         "No completed session yet"},
        {"after the stroke ended the last one is drawn", noLive, replayed, 2, Kind::amber,
         idle + QStringLiteral("Up -> Down (no action mapped) | Replayed as right click")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto shown = GestureDebugPresentation::from(c.live, c.last);
        EXPECT_EQ(shown.tracePoints.size(), c.tracePoints);
        EXPECT_EQ(shown.overlayState.kind(), c.pill);
        EXPECT_EQ(QStringList({shown.overlayState.label(), shown.liveDirections,
                               shown.liveDetection, shown.matchedRule, shown.liveAction,
                               shown.lastClassification, shown.lastSystemClick})
                      .join(QStringLiteral(" | ")),
                  c.texts);
    }
}

TEST(DebugTraceCanvas, FitsTheStrokeCentredWithOneScale) {
    const QSizeF area(400, 156);  // the dashboard's drawing area: 120 of height to fit into
    struct Case {
        const char* name;
        std::vector<Point> points;
        QSizeF area;
        std::vector<QPointF> expected;
    };
    const Case cases[] = {
        {"no point", {}, area, {}},
        {"one point", {{5, 5}}, area, {}},
        // Width 364 over a span of 100, height 120 over a span counted as 1: the width decides.
        {"horizontal", {{0, 7}, {100, 7}}, area, {{18, 76.18}, {382, 76.18}}},
        {"tall and narrow", {{10, 0}, {20, 240}}, area, {{197.5, 18}, {202.5, 138}}},
        {"all in one place", {{3, 3}, {3, 3}}, area, {{140, 18}, {140, 18}}},
        {"an area smaller than the insets",
         {{0, 0}, {10, 10}},
         QSizeF(20, 30),
         {{18, 18}, {19, 19}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto fitted = DebugTraceCanvas::normalizedPoints(c.points, c.area);
        ASSERT_EQ(fitted.size(), c.expected.size());
        for (std::size_t i = 0; i < fitted.size(); ++i) {
            EXPECT_NEAR(fitted[i].x(), c.expected[i].x(), 1e-9) << i;
            EXPECT_NEAR(fitted[i].y(), c.expected[i].y(), 1e-9) << i;
        }
    }
}

QImage render(QWidget& widget, bool dark) {
    widget.setPalette(ThemePalette::qtPalette(dark));
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

int pixelsOf(const QImage& image, const QColor& color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += (image.pixel(x, y) & 0xFFFFFF) == (color.rgb() & 0xFFFFFF) ? 1 : 0;
        }
    }
    return count;
}

TEST(DebugTraceCanvas, DrawsAPathOnlyFromTwoPointsInTheAccentOfTheAppearance) {
    for (const bool dark : {false, true}) {
        const QColor accent = ThemePalette::color(Token::accentPrimary, dark);
        DebugTraceCanvas canvas;
        canvas.resize(300, DebugTraceCanvas::fixedHeight);
        for (const auto& [points, drawn] :
             {std::pair{std::vector<Point>{{4, 4}}, false}, {{{0, 0}, {50, 80}}, true}}) {
            canvas.setPoints(points);
            EXPECT_EQ(pixelsOf(render(canvas, dark), accent) > 0, drawn) << dark << drawn;
        }
    }
}

// The section over a model with capture running on the simulated tap.
struct DebugSection {
    DebugSection() {
        env.build();
        view = std::make_unique<GestureDebugSectionView>(
            *env.model, *env.model->overlayDebugStore(),
            [this] { env.model->overlayDebugStore()->copyLogToPasteboard(); });
        view->resize(740, 700);
        view->show();
    }
    QString value(const char* identifier) const {
        return view->findChild<ThemedTextLabel*>(QString::fromLatin1(identifier))->text();
    }

    AppModelTestEnvironment env;
    std::unique_ptr<GestureDebugSectionView> view;
};

TEST(GestureDebugSectionView, ShowsTheStrokeBeingDrawnThenTheFinishedOne) {
    testing::ScopedLanguageOverride english(AppLanguageOverride::english);
    DebugSection section;
    const auto stroke = testing::polyline({{400, 400}, {400, 300}, {400, 400}}, 4);
    section.env.tap->send(testing::buttonDown(stroke.front()));
    for (std::size_t i = 1; i < stroke.size() / 2; ++i) {
        section.env.tap->send(testing::drag(stroke[i]));
    }
    section.env.timeline->runUntilIdle();

    EXPECT_EQ(section.view->overlayStatePill()->state().kind(), Kind::green);
    EXPECT_GE(section.view->traceCanvas()->points().size(), 2u);
    EXPECT_EQ(section.value("DebugLiveDirectionsValue"), QStringLiteral("Up"));
    EXPECT_EQ(section.value("DebugLastClassificationValue"),
              QStringLiteral("No captured session yet"));

    for (std::size_t i = stroke.size() / 2; i + 1 < stroke.size(); ++i) {
        section.env.tap->send(testing::drag(stroke[i]));
    }
    section.env.tap->send(testing::buttonUp(stroke.back()));
    section.env.timeline->runUntilIdle();

    EXPECT_EQ(section.view->overlayStatePill()->state(),
              StatusPill::State::amber(QStringLiteral("Idle")));
    EXPECT_EQ(section.view->traceCanvas()->points(),
              section.env.model->lastCaptureDebugResult()->points);
    EXPECT_EQ(section.value("DebugLiveDirectionsValue"), QStringLiteral("Waiting for movement"));
    EXPECT_EQ(section.value("DebugLastClassificationValue"),
              classificationLabel(*section.env.model->lastCaptureDebugResult()));
    EXPECT_EQ(section.value("DebugLastSuppressionValue"), QStringLiteral("Suppressed"));
}

// In every language, neither card changes height, and the log under them stays put, while a
// stroke starts, matches and ends; each card is as tall as its own content. The stroke matches a
// rule of the user's whose action reads long.
TEST(GestureDebugSectionView, StrokesComingAndGoingMoveNothingInAnyLanguage) {
    DebugSection section;
    section.env.model->mappingStore()->upsertCustomMapping(
        GesturePattern::upThenDown,
        GestureAction::openURL(QStringLiteral("https://example.org/") + QString(150, QChar('a'))),
        QString());
    section.env.model->syncMappingsFromStore();
    QWidget* traceCard = section.view->traceCanvas()->parentWidget();
    QWidget* valuesCard =
        section.view->findChild<QWidget*>(QStringLiteral("DebugLiveDirectionsValue"))
            ->parentWidget()
            ->parentWidget();
    const auto naturalHeight = [](const QWidget* card) {
        return card->hasHeightForWidth() ? card->heightForWidth(card->width())
                                         : card->sizeHint().height();
    };
    const auto stroke = testing::polyline({{400, 400}, {400, 300}, {400, 400}}, 4);
    for (const AppLanguageOverride language : allCases<AppLanguageOverride>()) {
        SCOPED_TRACE(std::string(rawValue(language)));
        section.env.model->setLanguageOverride(language);
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(section.view.get(), &change);
        std::optional<std::pair<int, int>> first;
        const auto check = [&](const char* moment) {
            SCOPED_TRACE(moment);
            section.env.timeline->runUntilIdle();
            testing::settle();
            // As on the page, the section is as tall as its content.
            section.view->resize(section.view->width(),
                                 section.view->heightForWidth(section.view->width()));
            testing::settle();
            const std::pair placement{
                valuesCard->height(),
                section.view->logView()->mapTo(section.view.get(), QPoint()).y()};
            EXPECT_EQ(placement, first.value_or(placement));
            first = first.value_or(placement);
            EXPECT_EQ(traceCard->height(), naturalHeight(traceCard));
            EXPECT_EQ(valuesCard->height(), naturalHeight(valuesCard));
        };
        check("idle");
        section.env.tap->send(testing::buttonDown(stroke.front()));
        check("pressed");
        for (std::size_t i = 1; i < stroke.size(); ++i) {
            section.env.tap->send(testing::drag(stroke[i]));
            if (i + 1 == stroke.size() / 2 || i + 1 == stroke.size()) {
                check(i + 1 == stroke.size() ? "matched" : "one direction");
            }
        }
        section.env.tap->send(testing::buttonUp(stroke.back()));
        check("ended");
    }
}

TEST(GestureDebugSectionView, CopyLogPutsTheShownLogOnTheClipboard) {
    DebugSection section;
    auto* copy = section.view->copyLogButton();
    QPlainTextEdit* log = section.view->logView();
    ASSERT_EQ(log,
              section.view->findChild<QPlainTextEdit*>(QStringLiteral("OverlayDebugLogValue")));

    QTest::mouseClick(copy, Qt::LeftButton);
    // A short log has nothing to scroll, and no scroll bar.
    QCoreApplication::processEvents();
    EXPECT_FALSE(log->verticalScrollBar()->isVisible());
    section.env.model->appendOverlayDebugLogEntry(QStringLiteral("trace display=DP-1 & more"));
    QTest::mouseClick(copy, Qt::LeftButton);

    const auto& copied = section.env.pasteboard->texts();
    ASSERT_EQ(copied.size(), 2u);
    EXPECT_EQ(copied[0], QStringLiteral("No overlay diagnostics recorded yet."));
    EXPECT_EQ(copied[1], log->toPlainText());
    EXPECT_TRUE(log->toPlainText().endsWith(QStringLiteral("trace display=DP-1 & more")));
    EXPECT_GE(log->height(), GestureDebugSectionView::minimumLogHeight);
}

TEST(GestureDebugSectionView, ALongValueWrapsInsideTheValuesCard) {
    DebugSection section;
    const QString url = QStringLiteral("https://example.org/") + QString(200, QChar('a'));
    section.env.model->overlayDebugStore()->setLiveDebugSession(LiveGestureDebugSession{
        {{0, 0}}, {GestureDirection::left}, kUpDown, GestureAction::openURL(url), false});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    auto* value = section.view->findChild<ThemedTextLabel*>(QStringLiteral("DebugLiveActionValue"));
    EXPECT_EQ(value->text(), QStringLiteral("Open ") + url);
    EXPECT_LE(value->width(), GestureDebugSectionView::valuesCardWidth);
    EXPECT_GE(value->heightForWidth(value->width()), 3 * QFontMetrics(value->font()).height())
        << "wrapped, not cut";
}

}  // namespace
}  // namespace quillorbitex
