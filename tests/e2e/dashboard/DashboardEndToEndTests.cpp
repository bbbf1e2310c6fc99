// The built program with its dashboard open, on a private X server, driven as a user drives it:
// strokes drawn with the right button over another window, clicks on the dashboard's controls.
//
// The program runs in its normal mode, since only that mode installs the tap that takes real
// strokes; of what it writes to disk, the counts are read back from its usage database. What the
// dashboard shows is
// read through the accessibility bus a screen reader uses (Qt publishes every widget's role,
// accessible name and on-screen rectangle there). Controls are found through the same bus, by
// their roles and what a screen reader announces for them, and clicked at the centre of the
// rectangle it reports, so no position is assumed.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "AccessibilityBus.h"
#include "support/StrokeShapes.h"
#include "support/X11TestInput.h"
#include "support/X11TestSession.h"

// Last: Xlib's macros (None, Bool, Status, ...) would clash with the headers above.
#include <X11/keysym.h>
#include "support/X11ProgramWindows.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using testing::AccessibleObject;
using testing::outputOf;
using testing::waitUntil;
using testing::writeFile;
namespace fs = std::filesystem;

constexpr const char* kBusLauncher = "/usr/libexec/at-spi-bus-launcher";
const QString kUpThenDownTitle = QStringLiteral("Up -> Down");
// The test window sits right of the dashboard, which is moved into the screen's left part.
constexpr int kDashboardWidth = 960;
constexpr int kDashboardHeight = 690;
const std::string kTestWindowGeometry = "270x440+1000+40";

// The total invocation count in the usage database, read without writing: -1 while it cannot be
// read (the program may be writing it).
qint64 storedTotal(const fs::path& database) {
    sqlite3* connection = nullptr;
    qint64 total = -1;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_open_v2(database.c_str(), &connection, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(connection,
                           "SELECT value FROM usage_stats WHERE key = 'total_invocation_count';",
                           -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        total = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    sqlite3_close(connection);
    return total;
}

// The user's saved rules, each named, none of them a preset's gesture.
const QStringList kSavedRules = {QStringLiteral("Alpha"), QStringLiteral("Bravo"),
                                 QStringLiteral("Charlie")};

// The saved rules as the preferences file holds them: their JSON list in base64.
std::string savedRulesData() {
    const char* const gestures[][2] = {{"up", "left"}, {"down", "right"}, {"right", "left"}};
    QStringList rules;
    for (int i = 0; i < kSavedRules.size(); ++i) {
        rules << QStringLiteral(
                     R"({"pattern": {"type": "directional", "directions": ["%2", "%3"]}, )"
                     R"("action": {"kind": "predefined", "predefinedAction": "newTab"}, )"
                     R"("notes": "", "name": "%1", "source": "custom", "isEnabled": true, )"
                     R"("appScopeRules": []})")
                     .arg(kSavedRules[i], QLatin1String(gestures[i][0]),
                          QLatin1String(gestures[i][1]));
    }
    const QString list = QLatin1Char('[') + rules.join(QLatin1Char(',')) + QLatin1Char(']');
    return list.toUtf8().toBase64().toStdString();
}

// A rule's card: the one object holding its state button ("Disable", "Enable", or "Restore" for a
// removed preset) among its own children.
bool insideAnyRowOfRules(const AccessibleObject& object) {
    return std::any_of(object.children.begin(), object.children.end(), [](const auto& child) {
        return child.role == QStringLiteral("push button") &&
               (child.name == QStringLiteral("Disable") || child.name == QStringLiteral("Enable") ||
                child.name == QStringLiteral("Restore"));
    });
}

const AccessibleObject* dashboardWindow(const AccessibleObject& tree) {
    return tree.findByRoleAndName(QStringLiteral("frame"), QStringLiteral("Quillorbitex"));
}

// The up-then-down preset's card, named after the rule.
const AccessibleObject* upThenDownRow(const AccessibleObject& tree) {
    return tree.find([](const AccessibleObject& object) {
        return object.name == kUpThenDownTitle && insideAnyRowOfRules(object);
    });
}

// ---- The fixture -----------------------------------------------------------------------------

class DashboardEndToEndTest : public testing::X11SessionTest {
protected:
    DashboardEndToEndTest()
        : X11SessionTest({}, testing::TestWindowOptions{.title = "Dashboard",
                                                        .resourceName = "qx-dashboard-window",
                                                        .resourceClass = "QxDashboardWindow",
                                                        .geometry = kTestWindowGeometry}) {}

    void setUpSession() override {
        if (!fs::exists(kBusLauncher)) {
            GTEST_SKIP() << kBusLauncher
                         << " is missing (scripts/install-deps installs at-spi2-core)";
        }
        // A user who has been through the onboarding, in English, with three saved rules.
        writeFile(session_.configHome() / "Quillorbitex" / "preferences.json",
                  R"({"gestureOnboardingCompleted": true, "gestureLanguageOverride": "english", )"
                  R"("gestureCustomMappings": {"data": ")" +
                      savedRulesData() + R"("}})");

        // A session bus, and the accessibility bus announced on it.
        const fs::path socket = session_.runtimeDir() / "session-bus";
        busAddress_ = "unix:path=" + socket.string();
        // The bus starts the launcher when first asked for the accessibility bus; the launcher
        // reads the desktop's settings schemas, which live in the system's data folders.
        ASSERT_TRUE(session_.spawn(
            {"dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=" + busAddress_},
            {"XDG_DATA_DIRS=/usr/local/share:/usr/share"}));
        ASSERT_TRUE(waitUntil([&] { return fs::exists(socket); })) << "no session bus";
        accessibility_ = std::make_unique<testing::AccessibilityBus>(
            QString::fromStdString(busAddress_), testing::kDefaultWaitTimeout);
        ASSERT_TRUE(accessibility_->connected());
        // Before the program starts, which asks which events are wanted as it starts.
        ASSERT_TRUE(accessibility_->listenForPropertyChanges());

        // Without a tray, the program opens its dashboard at once.
        program_ = session_.spawn({QX_PROGRAM_PATH}, {"DBUS_SESSION_BUS_ADDRESS=" + busAddress_,
                                                      "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"});
        ASSERT_TRUE(program_);
        ASSERT_TRUE(waitFor([](const AccessibleObject& tree) {
            return dashboardWindow(tree) != nullptr && upThenDownRow(tree) != nullptr;
        })) << "the dashboard did not open"
            << output();
        ASSERT_TRUE(placeDashboardBesideTheTestWindow());
    }

    std::string output() const { return outputOf(program_); }

    // ---- Reading the dashboard ----

    std::optional<AccessibleObject> tree() const {
        return accessibility_->application(QStringLiteral("Quillorbitex"));
    }

    // Polls the whole tree until `holds` is true of it, bounded.
    template <typename Predicate>
    bool waitFor(Predicate&& holds) {
        return waitUntil(
            [&] {
                const auto snapshot = tree();
                return snapshot && holds(*snapshot);
            },
            testing::kDefaultWaitTimeout, 100ms);
    }

    // The overview's "Invocations" metric: a card named after its title and value, outside the
    // rule cards (whose counts read the same way).
    static const AccessibleObject* invocationsMetric(const AccessibleObject& tree) {
        return tree.find(
            [](const AccessibleObject& object) {
                return object.name.startsWith(QStringLiteral("Invocations: "));
            },
            insideAnyRowOfRules);
    }

    // What the up-then-down preset's row holds: its invocation count and its on/off switch.
    static const AccessibleObject* rowCount(const AccessibleObject& tree) {
        const AccessibleObject* row = upThenDownRow(tree);
        return row == nullptr ? nullptr : row->find([](const AccessibleObject& object) {
            return object.name.startsWith(QStringLiteral("Invocations: "));
        });
    }
    static const AccessibleObject* rowToggle(const AccessibleObject& tree) {
        const AccessibleObject* row = upThenDownRow(tree);
        return row == nullptr ? nullptr : row->find([](const AccessibleObject& object) {
            return object.role == QStringLiteral("push button") &&
                   (object.name == QStringLiteral("Disable") ||
                    object.name == QStringLiteral("Enable"));
        });
    }

    static bool shows(const AccessibleObject* object, const QString& name) {
        return object != nullptr && object->name == name;
    }

    bool dashboardShowsCounts(qint64 total, qint64 rule) {
        const QString totalText = QStringLiteral("Invocations: %1").arg(total);
        const QString ruleText = QStringLiteral("Invocations: %1").arg(rule);
        return waitFor([&](const AccessibleObject& tree) {
            return shows(invocationsMetric(tree), totalText) && shows(rowCount(tree), ruleText);
        });
    }

    // ---- Acting on it ----

    // The dashboard at the screen's top-left corner at its least size, so that it and the test
    // window never overlap, whatever the window manager chose.
    ::testing::AssertionResult placeDashboardBesideTheTestWindow() {
        const auto window = testing::waitForDashboard(display());
        if (!window) {
            return ::testing::AssertionFailure() << "the dashboard is not a managed window";
        }
        XMoveResizeWindow(display(), *window, 0, 0, kDashboardWidth, kDashboardHeight);
        XSync(display(), False);
        std::optional<QRect> frame;
        const bool placed = waitUntil(
            [&] {
                const auto snapshot = tree();
                const AccessibleObject* dashboard = snapshot ? dashboardWindow(*snapshot) : nullptr;
                frame = dashboard != nullptr ? accessibility_->extents(*dashboard) : std::nullopt;
                return frame && frame->right() < origin_.x && frame->x() >= 0 && frame->y() >= 0;
            },
            testing::kDefaultWaitTimeout, 100ms);
        if (!placed) {
            return ::testing::AssertionFailure() << "the dashboard stays over the test window";
        }
        return ::testing::AssertionSuccess();
    }

    void stroke(const std::vector<Point>& corners) {
        ASSERT_TRUE(input_->activateWindow(window_->window));
        input_->rightDrag(testing::translated(origin_, testing::polyline(corners, 3)));
    }

    void strokeUpThenDown() { stroke({{135, 340}, {135, 180}, {135, 340}}); }
    void strokeLeftThenDown() { stroke({{230, 120}, {70, 120}, {70, 280}}); }

    bool keyArrived(std::size_t since, const std::string& keysym) const {
        return testing::keyPressCount(window_->log, since, keysym, ControlMask) > 0;
    }

    // Clicks the centre of what the accessibility bus says `object` covers.
    ::testing::AssertionResult click(const AccessibleObject& object) {
        const auto area = accessibility_->extents(object);
        if (!area || area->isEmpty()) {
            return ::testing::AssertionFailure()
                   << object.name.toStdString() << " has no place on screen";
        }
        input_->click(1, {area->center().x(), area->center().y()});
        return ::testing::AssertionSuccess();
    }

    // The preset row's switch, once scrolling has brought it to rest below the header bar and
    // inside the window.
    std::optional<AccessibleObject> toggleAtRest() {
        std::optional<AccessibleObject> toggle;
        std::optional<QRect> last;
        int steady = 0;
        waitUntil(
            [&] {
                const auto snapshot = tree();
                if (!snapshot) {
                    return false;
                }
                const AccessibleObject* button = rowToggle(*snapshot);
                const AccessibleObject* update = snapshot->findByRoleAndName(
                    QStringLiteral("push button"), QStringLiteral("Check for Updates…"));
                const AccessibleObject* window = dashboardWindow(*snapshot);
                if (button == nullptr || update == nullptr || window == nullptr) {
                    return false;
                }
                const auto area = accessibility_->extents(*button);
                const auto header = accessibility_->extents(*update);
                const auto frame = accessibility_->extents(*window);
                const bool visible = area && header && frame && frame->contains(*area) &&
                                     area->top() > header->bottom();
                steady = visible && area == last ? steady + 1 : 0;
                last = area;
                toggle = *button;
                return steady >= 2;
            },
            testing::kDefaultWaitTimeout, 100ms);
        return steady >= 2 ? toggle : std::nullopt;
    }

    std::string busAddress_;
    std::unique_ptr<testing::AccessibilityBus> accessibility_;
    std::optional<testing::SpawnedProcess> program_;
    int argc_ = 1;
    char name_[28] = "qx_e2e_dashboard_tests";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication application_{argc_, argv_};
};

TEST_F(DashboardEndToEndTest,
       AStrokeCountsWhereTheDashboardShowsItAndASwitchedOffPresetSendsNothing) {
    ASSERT_TRUE(dashboardShowsCounts(0, 0)) << output();

    // The preset sends Control+R to the window under the stroke, and both counts shown rise.
    auto mark = window_->log.events().size();
    strokeUpThenDown();
    ASSERT_TRUE(waitUntil([&] { return keyArrived(mark, "r"); }))
        << "the test window received no Control+R" << output();
    EXPECT_TRUE(dashboardShowsCounts(1, 1)) << output();

    // The sidebar brings the preset rules into view; the row's switch turns the preset off.
    const auto page = tree();
    ASSERT_TRUE(page);
    const AccessibleObject* sidebarEntry =
        page->findByRoleAndName(QStringLiteral("push button"), QStringLiteral("Preset Rules"));
    ASSERT_NE(sidebarEntry, nullptr);
    ASSERT_TRUE(click(*sidebarEntry));
    const auto toggle = toggleAtRest();
    ASSERT_TRUE(toggle) << "the preset row's switch did not come into view";
    ASSERT_EQ(toggle->name, QStringLiteral("Disable"));
    ASSERT_TRUE(click(*toggle));
    EXPECT_TRUE(waitFor([](const AccessibleObject& tree) {
        return shows(rowToggle(tree), QStringLiteral("Enable"));
    })) << output();

    // The next up-then-down sends nothing. Strokes are handled in order, so once the
    // left-then-down stroke drawn after it has sent its Control+Tab, nothing more can come of it.
    mark = window_->log.events().size();
    strokeUpThenDown();
    strokeLeftThenDown();
    ASSERT_TRUE(waitUntil([&] { return keyArrived(mark, "Tab"); }))
        << "the test window received no Control+Tab" << output();
    EXPECT_FALSE(keyArrived(mark, "r"));
    EXPECT_TRUE(dashboardShowsCounts(2, 1)) << output();
    EXPECT_TRUE(waitUntil([&] {
        return storedTotal(session_.dataHome() / "Quillorbitex" / "gesture_usage.sqlite") == 2;
    })) << "the usage database does not hold the two invocations";
}

// A screen reader announces the language picker, named by its value (the session's language),
// with its label, and no control with the identifier that tests and automation know it by.
TEST_F(DashboardEndToEndTest, AScreenReaderHearsTheLabelsAndNoIdentifiers) {
    const auto page = tree();
    ASSERT_TRUE(page);
    const AccessibleObject* language =
        page->findByRoleAndName(QStringLiteral("combo box"), QStringLiteral("English"));
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(accessibility_->labels(*language), QStringList{QStringLiteral("Language")});

    // Identifiers of the window, a sidebar row, a card, a button, a drop-down and a log.
    const QStringList identifiers = {QStringLiteral("dashboard"),
                                     QStringLiteral("DashboardSidebar_overview"),
                                     QStringLiteral("GestureMappingRow_directional:up-down"),
                                     QStringLiteral("CustomGesture_OpenWizardButton"),
                                     QStringLiteral("Overview_LanguageOverridePicker"),
                                     QStringLiteral("OverlayDebugLogValue")};
    const AccessibleObject* announced = page->find([&](const AccessibleObject& object) {
        return identifiers.contains(object.description) || identifiers.contains(object.name);
    });
    if (announced != nullptr) {
        ADD_FAILURE() << "an identifier is announced: " << announced->name.toStdString() << ", "
                      << announced->description.toStdString();
    }

    // The theme picker, which holds the focus rather than its segments, is heard with its label
    // and its choice, and a new choice is announced.
    const auto themePicker = [](const AccessibleObject& tree) {
        return tree.find([](const AccessibleObject& object) {
            return object.name == QStringLiteral("Theme") && !object.children.empty();
        });
    };
    const AccessibleObject* theme = themePicker(*page);
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(theme->description, QStringLiteral("System"));
    const AccessibleObject* dark =
        theme->findByRoleAndName(QStringLiteral("check box"), QStringLiteral("Dark"));
    ASSERT_NE(dark, nullptr);
    ASSERT_TRUE(accessibility_->doAction(*dark, QStringLiteral("Toggle")).done);
    EXPECT_TRUE(accessibility_->waitForPropertyChange(QStringLiteral("accessible-description"),
                                                      *theme, testing::kDefaultWaitTimeout))
        << "the new choice was not announced";
    EXPECT_TRUE(waitFor([&](const AccessibleObject& tree) {
        const AccessibleObject* now = themePicker(tree);
        return now != nullptr && now->description == QStringLiteral("Dark");
    }));
}

// A screen reader exploring by object finds every saved rule, in the order shown, although the
// custom rules lie below the window's first screen, where a list built for the eye alone has only
// its first and last cards.
TEST_F(DashboardEndToEndTest, AScreenReaderFindsEverySavedRuleInTheOrderShown) {
    QStringList cards;
    EXPECT_TRUE(waitFor([&](const AccessibleObject& tree) {
        cards.clear();
        tree.find([&](const AccessibleObject& object) {
            if (kSavedRules.contains(object.name) && insideAnyRowOfRules(object)) {
                cards << object.name;
            }
            return false;
        });
        return cards == kSavedRules;
    })) << cards.join(QStringLiteral(", ")).toStdString();
}

// How a sheet over the dashboard is closed.
enum class Closing { cancelButton, escapeKey, windowManager };

// An assistive technology's request to an object of the dashboard while a sheet is open over it:
// refused then, carried out once the sheet has closed. `state` is what shows of its effect.
struct SheetRow {
    const char* name;
    const char* opener;  // the dashboard's button that opens the sheet
    Closing closing;
    std::function<const AccessibleObject*(const AccessibleObject& tree)> target;
    std::function<testing::BusAnswer(const AccessibleObject& target)> request;
    std::function<QString(const AccessibleObject& target)> state;
};

// Behind either sheet an assistive technology presses, toggles, sets and focuses nothing: the
// request is refused and nothing shows of it, also once the sheet has closed. Closed by its button,
// by Escape or by the window manager, the sheet leaves the same request to act.
TEST_F(DashboardEndToEndTest, NothingBehindAnOpenSheetChangesThroughTheAccessibilityBus) {
    const auto window = testing::dashboardWindow(display());
    ASSERT_TRUE(window);
    constexpr uint kActive = 1;
    constexpr uint kChecked = 4;
    constexpr uint kFocused = 12;
    const auto named = [](const QString& role, const QString& name) {
        return [=](const AccessibleObject& tree) { return tree.findByRoleAndName(role, name); };
    };
    const auto inState = [&](uint state) {
        return [=, this](const AccessibleObject& target) {
            return QString::number(accessibility_->hasState(target, state));
        };
    };
    const QString button = QStringLiteral("push button");
    const QString checkBox = QStringLiteral("check box");
    const SheetRow rows[] = {
        {"a card's Disable, pressed", "Scope to App…", Closing::cancelButton, rowToggle,
         [&](const auto& target) { return accessibility_->doAction(target, "Press"); },
         [&](const auto& target) { return accessibility_->name(target); }},
        {"the capture switch, toggled", "Create Rule", Closing::escapeKey,
         named(checkBox, "Capture gestures"),
         [&](const auto& target) { return accessibility_->doAction(target, "Toggle"); },
         inState(kChecked)},
        {"the theme's Dark, toggled", "Scope to App…", Closing::windowManager,
         named(checkBox, "Dark"),
         [&](const auto& target) { return accessibility_->doAction(target, "Toggle"); },
         inState(kChecked)},
        {"the threshold slider, set", "Create Rule", Closing::cancelButton,
         named(QStringLiteral("slider"), "Freeform gesture threshold"),
         [&](const auto& target) {
             return accessibility_->setCurrentValue(
                 target, accessibility_->currentValue(target).value_or(0) + 1);
         },
         [&](const auto& target) {
             return QString::number(accessibility_->currentValue(target).value_or(-1));
         }},
        {"a button, focused", "Scope to App…", Closing::escapeKey, named(button, "Preset Rules"),
         [&](const auto& target) { return accessibility_->grabFocus(target); }, inState(kFocused)},
    };
    for (const SheetRow& row : rows) {
        SCOPED_TRACE(row.name);
        auto page = tree();
        ASSERT_TRUE(page);
        const AccessibleObject* found = row.target(*page);
        ASSERT_NE(found, nullptr);
        const AccessibleObject target = *found;
        const QString before = row.state(target);

        // The opener is the up-then-down card's where the card has one.
        const AccessibleObject* card = upThenDownRow(*page);
        const AccessibleObject* opener =
            card != nullptr ? card->findByRoleAndName(button, row.opener) : nullptr;
        if (opener == nullptr) {
            opener = page->findByRoleAndName(button, row.opener);
        }
        ASSERT_NE(opener, nullptr);
        ASSERT_TRUE(accessibility_->doAction(*opener, "Press").done);
        std::optional<Window> sheet;
        ASSERT_TRUE(waitUntil([&] {
            return (sheet = testing::otherProgramWindow(display(), *window)).has_value();
        })) << "the sheet did not open"
            << output();

        const testing::BusAnswer refused = row.request(target);
        EXPECT_FALSE(refused.done);
        EXPECT_FALSE(refused.refusal.isEmpty()) << "the request was not refused";

        switch (row.closing) {
            case Closing::cancelButton: {
                const auto withSheet = tree();
                const AccessibleObject* cancel =
                    withSheet ? withSheet->findByRoleAndName(button, QStringLiteral("Cancel"))
                              : nullptr;
                ASSERT_NE(cancel, nullptr);
                ASSERT_TRUE(accessibility_->doAction(*cancel, "Press").done);
                break;
            }
            case Closing::escapeKey:
                ASSERT_TRUE(input_->activateWindow(*sheet));
                ASSERT_TRUE(input_->tapKey(XK_Escape));
                break;
            case Closing::windowManager:
                testing::closeWindow(display(), *sheet);
                break;
        }
        ASSERT_TRUE(waitUntil([&] { return !testing::otherProgramWindow(display(), *window); }))
            << "the sheet did not close" << output();
        // Back in the dashboard, which takes the focus the request would have moved.
        ASSERT_TRUE(input_->activateWindow(*window));
        ASSERT_TRUE(waitFor([&](const AccessibleObject& tree) {
            const AccessibleObject* frame = dashboardWindow(tree);
            return frame != nullptr && accessibility_->hasState(*frame, kActive);
        }));
        EXPECT_EQ(row.state(target), before);

        const testing::BusAnswer carried = row.request(target);
        EXPECT_TRUE(carried.done) << carried.refusal.toStdString();
        EXPECT_TRUE(waitUntil([&] { return row.state(target) != before; }))
            << "the request did nothing once the sheet had closed";
    }
}

}  // namespace
}  // namespace quillorbitex
