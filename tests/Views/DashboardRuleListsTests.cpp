// The custom and preset rule lists over a real model on temporary storage: what a user sees and
// what the buttons and the inline rename do to the stored rules.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleHints>
#include <QTest>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "Services/Settings/GestureSettingsStore.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/Components/CapsuleLabel.h"
#include "Views/Components/KeyCapGroup.h"
#include "Views/Components/PlainText.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Dashboard/CustomGestureLaunchCard.h"
#include "Views/Dashboard/CustomGestureListView.h"
#include "Views/Dashboard/CustomRulesSectionContent.h"
#include "Views/Dashboard/EditableGestureRuleRow.h"
#include "Views/Dashboard/GestureRuleRowContent.h"
#include "Views/Dashboard/PresetRuleListView.h"
#include "Views/Dashboard/PresetRulesSectionContent.h"
#include "Views/Dashboard/RemovedPresetRuleRow.h"
#include "Views/Dashboard/RuleCardFrame.h"
#include "Views/Dashboard/RuleListHold.h"
#include "Views/Theme/Theme.h"
#include "support/AssistiveTechnology.h"
#include "support/RuleFactory.h"
#include "support/StrokeShapes.h"
#include "support/ViewTestHelpers.h"

namespace quillorbitex {
namespace {

using namespace testing;
using Keys = GestureSettingsStore::Keys;

const GestureDescriptor kLeftDown = GestureDescriptor::directional(GesturePattern::leftThenDown);
const GestureDescriptor kRightDown = GestureDescriptor::directional(GesturePattern::rightThenDown);
const GestureDescriptor kRightUp = GestureDescriptor::directional(GesturePattern::rightThenUp);

// The visible widget of type T in `parent` showing `text`, if there is one.
template <typename T>
T* shown(const QWidget* parent, const QString& text) {
    for (auto* candidate : parent->findChildren<T*>()) {
        if (candidate->isVisibleTo(parent) && candidate->text() == text) {
            return candidate;
        }
    }
    return nullptr;
}

QPushButton* button(const QWidget* parent, const QString& text) {
    return shown<QPushButton>(parent, buttonText(text));
}
ThemedTextLabel* label(const QWidget* parent, const QString& text) {
    return shown<ThemedTextLabel>(parent, text);
}
bool showsCapsule(const QWidget* parent, const QString& text) {
    return shown<CapsuleLabel>(parent, text) != nullptr;
}

// The rule cards below `widget` in the order a screen reader meets them exploring the
// accessibility tree, by identifier; hidden ones (on their way out) are not met.
QStringList cardsInAccessibilityTree(QWidget& widget) {
    QStringList cards;
    const std::function<void(QAccessibleInterface&)> visit = [&](QAccessibleInterface& node) {
        if (qobject_cast<const RuleCardFrame*>(node.object()) != nullptr) {
            if (!node.state().invisible) {
                cards << node.object()->objectName();
            }
            return;
        }
        for (int i = 0; i < node.childCount(); ++i) {
            visit(*node.child(i));
        }
    };
    visit(*QAccessible::queryAccessibleInterface(&widget));
    return cards;
}

// The identifiers of the cards of these rules, in their order.
QStringList cardsOf(const std::vector<GestureMapping>& rules) {
    QStringList cards;
    for (const GestureMapping& rule : rules) {
        cards << gestureRuleRowIdentifier(rule.pattern());
    }
    return cards;
}

QStringList buttonTexts(const QWidget* parent) {
    QStringList texts;
    for (auto* candidate : parent->findChildren<QPushButton*>()) {
        texts.push_back(candidate->text());
    }
    return texts;
}

class DashboardRuleLists : public WidgetTest {
protected:
    enum class Finish { returnKey, clickElsewhere };

    void SetUp() override {
        model = &env.build();
        custom = new CustomRulesSectionContent(*model, hold);
        presets = new PresetRulesSectionContent(*model, hold);
        elsewhere = new QLineEdit;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(elsewhere);
        layout->addWidget(custom);
        layout->addWidget(presets);
        // The page's length is its contents', as on the dashboard's scrolling page.
        layout->addStretch();
        window.resize(900, 700);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 2000));
    }

    // What the dashboard window does when the model's language changes.
    void switchLanguage(AppLanguageOverride language) {
        model->setLanguageOverride(language);
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&window, &change);
    }

    EditableGestureRuleRow* presetRow(const GestureDescriptor& pattern) const {
        return presets->list()->editableRow(pattern);
    }

    void addCustomRule(const GestureDescriptor& pattern, const GestureAction& action,
                       const QString& name) {
        model->mappingStore()->upsertCustomMapping(*pattern.directionalPattern(), action, name);
        model->syncMappingsFromStore();
    }

    // Double-clicks the row's name, types (replacing the selected name) and leaves the field.
    void rename(EditableGestureRuleRow* row, const QString& typed, Finish finish) {
        ThemedTextLabel* name = label(row, GestureRuleRowContent::make(row->mapping()).title);
        ASSERT_NE(name, nullptr);
        QTest::mouseDClick(name, Qt::LeftButton);
        settle();
        auto* field = row->findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr);
        ASSERT_TRUE(field->hasFocus());
        if (!typed.isNull()) {
            QTest::keyClicks(field, typed);
        }
        if (finish == Finish::returnKey) {
            QTest::keyClick(field, Qt::Key_Return);
        } else {
            QTest::mouseClick(elsewhere, Qt::LeftButton);
        }
        settle();
        EXPECT_FALSE(row->isEditingName());
        EXPECT_FALSE(field->isVisible());
    }

    AppModel* model = nullptr;
    // Before the window, whose lists listen to it.
    RuleListHold hold;
    QWidget window;
    CustomRulesSectionContent* custom = nullptr;
    PresetRulesSectionContent* presets = nullptr;
    QLineEdit* elsewhere = nullptr;
};

TEST_F(DashboardRuleLists, RenamingAPresetToSpacesGivesItsLabelBack) {
    EditableGestureRuleRow* row = presetRow(kUpDown);
    rename(row, QStringLiteral("  Reload  "), Finish::returnKey);
    EXPECT_EQ(model->mapping(kUpDown)->name(), QStringLiteral("Reload"));
    EXPECT_NE(label(row, QStringLiteral("Reload")), nullptr);
    EXPECT_TRUE(showsCapsule(row, QStringLiteral("Custom")));
    EXPECT_NE(custom->list()->row(kUpDown), nullptr);

    rename(row, QStringLiteral("   "), Finish::clickElsewhere);
    EXPECT_TRUE(model->customMappings().empty());
    EXPECT_EQ(presetRow(kUpDown), row);
    EXPECT_NE(label(row, QStringLiteral("Up -> Down")), nullptr);
    EXPECT_TRUE(showsCapsule(row, QStringLiteral("Preset")));
    // The click that ended the rename may be the first of a double click: the card goes after it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return custom->list()->rowCount() == 0; }, 3000));
}

TEST_F(DashboardRuleLists, LeavingARenameUntouchedStoresNothing) {
    for (const Finish finish : {Finish::returnKey, Finish::clickElsewhere}) {
        rename(presetRow(kUpDown), QString(), finish);
        EXPECT_TRUE(model->customMappings().empty());
        EXPECT_EQ(env.defaults->writes[Keys::customMappings], 0);
        EXPECT_NE(label(presetRow(kUpDown), QStringLiteral("Up -> Down")), nullptr);
    }
    // Return, then the field going away with the focus, store a new name once.
    rename(presetRow(kUpDown), QStringLiteral("Reload"), Finish::returnKey);
    EXPECT_EQ(env.defaults->writes[Keys::customMappings], 1);
}

TEST_F(DashboardRuleLists, ADoubleClickRenamesTheRowUnderItsFirstPress) {
    addCustomRule(kRightDown, GestureAction::predefined(PredefinedAction::newTab), "Bravo");
    addCustomRule(kRightUp, GestureAction::predefined(PredefinedAction::newTab), "Zulu");
    EditableGestureRuleRow* bravo = custom->list()->row(kRightDown);
    EditableGestureRuleRow* zulu = custom->list()->row(kRightUp);
    settle();
    // A click on a name takes the focus, as the dashboard's scroll area does.
    window.setFocusPolicy(Qt::ClickFocus);
    QTest::mouseDClick(label(zulu, QStringLiteral("Zulu")), Qt::LeftButton);
    settle();
    QTest::keyClicks(zulu->findChild<QLineEdit*>(), QStringLiteral("Alpha"));

    // The first press ends Zulu's rename; the second arrives wherever Bravo's name was.
    QWidget* list = custom->list();
    ThemedTextLabel* bravoName = label(bravo, QStringLiteral("Bravo"));
    const QPoint at = bravoName->mapTo(list, bravoName->rect().center());
    QTest::mouseClick(bravoName, Qt::LeftButton);
    settle();
    QWidget* under = list->childAt(at);
    QTest::mouseDClick(under, Qt::LeftButton, {}, under->mapFrom(list, at));
    QTest::mouseRelease(under, Qt::LeftButton, {}, under->mapFrom(list, at));
    settle();
    EXPECT_EQ(model->mapping(kRightUp)->name(), QStringLiteral("Alpha"));
    EXPECT_FALSE(zulu->isEditingName());
    ASSERT_TRUE(bravo->isEditingName());
    QTest::keyClicks(bravo->findChild<QLineEdit*>(), QStringLiteral("Charlie"));
    // The list takes the new order once the double click is over, and the rename stays open.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return zulu->parentWidget()->y() < bravo->parentWidget()->y(); }, 3000));
    EXPECT_TRUE(bravo->isEditingName());

    // Closing the window keeps what was typed.
    window.close();
    settle();
    EXPECT_EQ(model->mapping(kRightDown)->name(), QStringLiteral("Charlie"));
}

// Renaming a preset makes it a custom rule whose card comes above every preset: the press that
// ends one rename must not let the cards move before the second press of its double click.
TEST_F(DashboardRuleLists, ADoubleClickRenamesThePresetUnderItsFirstPressWhileAnotherIsSaved) {
    const GestureDescriptor kLeftUp = GestureDescriptor::directional(GesturePattern::leftThenUp);
    window.setFocusPolicy(Qt::ClickFocus);
    // Double-clicks where the name shows now, each press sent to whatever is there by then, and
    // types into the rename field.
    const auto renameAt = [&](const GestureDescriptor& pattern, const QString& text) {
        EditableGestureRuleRow* row = presetRow(pattern);
        ThemedTextLabel* name = label(row, GestureRuleRowContent::make(row->mapping()).title);
        ASSERT_NE(name, nullptr);
        const QPoint at = name->mapTo(&window, name->rect().center());
        for (const bool second : {false, true}) {
            QWidget* under = window.childAt(at);
            ASSERT_NE(under, nullptr);
            const QPoint local = under->mapFrom(&window, at);
            second ? QTest::mouseDClick(under, Qt::LeftButton, {}, local)
                   : QTest::mousePress(under, Qt::LeftButton, {}, local);
            QTest::mouseRelease(under, Qt::LeftButton, {}, local);
            settle();
        }
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(field, nullptr) << "no rename field has the focus";
        QTest::keyClicks(field, text);
    };
    const auto cardsSettle = [&](int customCards) {
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return custom->list()->rowCount() == customCards; }, 3000));
        settle();
    };

    renameAt(kUpDown, QStringLiteral("Alpha"));
    renameAt(kLeftUp, QStringLiteral("Gamma"));
    cardsSettle(1);
    renameAt(kLeftDown, QStringLiteral("Delta"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    cardsSettle(3);
    EXPECT_EQ(model->mapping(kUpDown)->name(), QStringLiteral("Alpha"));
    EXPECT_EQ(model->mapping(kLeftUp)->name(), QStringLiteral("Gamma"));
    EXPECT_EQ(model->mapping(kLeftDown)->name(), QStringLiteral("Delta"));
}

// A double click at `at` of `window` as the window system delivers it, each press and release to
// what is under it by then; `betweenClicks` runs after the first click.
void doubleClickThroughWindow(QWidget& window, QPoint at,
                              const std::function<void()>& betweenClicks) {
    for (int event = 0; event < 4; ++event) {
        if (event == 2) {
            betweenClicks();
        }
        const bool press = event % 2 == 0;
        QTest::lastMouseTimestamp += 20;
        qt_handleMouseEvent(window.windowHandle(), at, window.mapToGlobal(QPointF(at)),
                            press ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
                            press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, {},
                            QTest::lastMouseTimestamp);
        settle();
    }
    QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
}

// A rename to a name that wraps over several lines, in one list or both, ends with the first press
// of a double click near the end of another name's first line: no button moves before the second
// press, which lands on that name; then the renamed card shows the whole name, and a preset's card
// what reached it meanwhile.
TEST_F(DashboardRuleLists, TheSecondPressOfADoubleClickLandsWhereTheFirstDidWhileANameGrows) {
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    // Long enough for a slow machine to lay the cards out between the presses.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(1000);
    window.resize(900, 1400);
    window.setFocusPolicy(Qt::ClickFocus);
    const GestureDescriptor kLeftUp = GestureDescriptor::directional(GesturePattern::leftThenUp);
    const auto rule = [](const GestureDescriptor& pattern, const QString& name) {
        return customRule(pattern, GestureAction::predefined(PredefinedAction::newTab), name);
    };
    const QString longName = QStringLiteral("Aaa open the weekly planning board") +
                             QStringLiteral(" of the input team with its filters").repeated(5);
    // Its card in the custom list, else in the presets.
    const auto card = [&](const GestureDescriptor& pattern) {
        EditableGestureRuleRow* row = custom->list()->row(pattern);
        return row != nullptr ? row : presetRow(pattern);
    };
    const auto buttonPlaces = [&] {
        QStringList places;
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            const QPoint at = button->mapTo(&window, QPoint());
            places << QStringLiteral("%1 at %2,%3").arg(button->text()).arg(at.x()).arg(at.y());
        }
        return places;
    };
    const struct {
        std::vector<GestureMapping> rules;
        GestureDescriptor renamed, target;
    } cases[] = {
        {{rule(kRightDown, "Aaa"),
          rule(kRightUp, "Abb" + QStringLiteral(" WWWWWWWWWW").repeated(6))},
         kRightDown,
         kRightUp},
        {{}, kUpDown, kLeftUp},
        {{rule(kUpDown, "Aaa")}, kUpDown, kLeftUp},  // shown in both lists
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        model->mappingStore()->replaceCustomMappings(c.rules);
        model->syncMappingsFromStore();
        settle();
        EditableGestureRuleRow* renamed = card(c.renamed);
        ThemedTextLabel* name = label(renamed, renamed->accessibleName());
        doubleClickThroughWindow(window, name->mapTo(&window, name->rect().center()), [] {});
        ASSERT_TRUE(renamed->isEditingName());
        QTest::keyClicks(QApplication::focusWidget(), longName);

        EditableGestureRuleRow* target = card(c.target);
        name = label(target, target->accessibleName());
        const QStringList before = buttonPlaces();
        doubleClickThroughWindow(window, name->mapTo(&window, QPoint(name->width() - 4, 8)), [&] {
            EXPECT_EQ(buttonPlaces(), before) << "a button moved before the second press";
            // A change that arrives meanwhile: the preset's card gets a capsule once released.
            model->setGestureEnabled(false, kLeftDown);
        });
        EXPECT_EQ(model->mapping(c.renamed)->name(), longName);
        ASSERT_TRUE(target->isEditingName());
        EXPECT_TRUE(target->isAncestorOf(QApplication::focusWidget()));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const EditableGestureRuleRow* row = custom->list()->row(c.renamed);
                const ThemedTextLabel* shown = row != nullptr ? label(row, longName) : nullptr;
                return shown != nullptr && !shown->isElided() &&
                       shown->height() > 2 * QFontMetrics(shown->font()).height();
            },
            5000));
        EXPECT_TRUE(showsCapsule(presetRow(kLeftDown), QStringLiteral("Disabled")))
            << "a preset card stays held after the double click";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(interval);
}

TEST_F(DashboardRuleLists, ARemovedPresetKeepsItsPlaceAndIdentifierUntilRestored) {
    const QString identifier = QStringLiteral("GestureMappingRow_directional:up-down");
    env.drawStroke(testing::polyline({{400, 400}, {400, 300}, {400, 400}}, 4));
    ASSERT_EQ(presets->list()->rowAt(0), presetRow(kUpDown));
    button(presetRow(kUpDown), QStringLiteral("Remove"))->setFocus();
    QTest::mouseClick(button(presetRow(kUpDown), QStringLiteral("Remove")), Qt::LeftButton);
    settle();

    auto* removed = presets->list()->removedRow(kUpDown);
    ASSERT_NE(removed, nullptr);
    // The focus stays where the card was.
    EXPECT_TRUE(removed->isAncestorOf(QApplication::focusWidget()));
    EXPECT_EQ(presets->list()->rowAt(0), removed);
    EXPECT_EQ(cardsInAccessibilityTree(*presets->list()), cardsOf(model->builtInMappings()));
    EXPECT_EQ(presets->list()->editableRow(kUpDown), nullptr);
    EXPECT_EQ(removed->objectName(), identifier);
    // The identifier is for automation; a screen reader never reads it out.
    EXPECT_FALSE(removed->accessibleDescription().contains(identifier));
    EXPECT_EQ(buttonTexts(removed), QStringList{QStringLiteral("Restore")});
    EXPECT_TRUE(showsCapsule(removed, QStringLiteral("Removed")));
    EXPECT_NE(label(removed, QStringLiteral("Invocations: 1")), nullptr);
    EXPECT_EQ(presets->findChildren<QWidget*>(identifier).size(), 1);

    QTest::mouseClick(button(removed, QStringLiteral("Restore")), Qt::LeftButton);
    settle();
    ASSERT_NE(presetRow(kUpDown), nullptr);
    EXPECT_EQ(presets->list()->rowAt(0), presetRow(kUpDown));
    EXPECT_EQ(cardsInAccessibilityTree(*presets->list()), cardsOf(model->builtInMappings()));
    EXPECT_EQ(presetRow(kUpDown)->objectName(), identifier);
    EXPECT_EQ(presets->findChildren<QWidget*>(identifier).size(), 1);
    EXPECT_TRUE(model->mapping(kUpDown).has_value());
}

TEST_F(DashboardRuleLists, DisablingAPresetKeepsItsRow) {
    EditableGestureRuleRow* row = presetRow(kLeftDown);
    QTest::mouseClick(button(row, QStringLiteral("Disable")), Qt::LeftButton);
    settle();
    EXPECT_EQ(presetRow(kLeftDown), row);
    EXPECT_FALSE(model->mapping(kLeftDown)->isEnabled());
    EXPECT_TRUE(showsCapsule(row, QStringLiteral("Disabled")));
    EXPECT_TRUE(showsCapsule(row, QStringLiteral("Custom")));
    EXPECT_EQ(button(row, QStringLiteral("Disable")), nullptr);
    // The same rule is listed with the custom rules; switching it on there drops the override.
    EditableGestureRuleRow* customRow = custom->list()->row(kLeftDown);
    ASSERT_NE(customRow, nullptr);
    QTest::mouseClick(button(customRow, QStringLiteral("Enable")), Qt::LeftButton);
    settle();
    EXPECT_TRUE(model->customMappings().empty());
    EXPECT_FALSE(showsCapsule(row, QStringLiteral("Disabled")));
    EXPECT_TRUE(showsCapsule(row, QStringLiteral("Preset")));
}

TEST_F(DashboardRuleLists, ACustomRulesCountFollowsItsStrokes) {
    addCustomRule(kUpDown, GestureAction::predefined(PredefinedAction::newTab),
                  QStringLiteral("New Tab"));
    EditableGestureRuleRow* row = custom->list()->row(kUpDown);
    ASSERT_NE(row, nullptr);
    EXPECT_NE(label(row, QStringLiteral("Invocations: 0")), nullptr);
    env.drawStroke(testing::polyline({{400, 400}, {400, 300}, {400, 400}}, 4));
    EXPECT_NE(label(row, QStringLiteral("Invocations: 1")), nullptr);
    EXPECT_NE(label(presetRow(kUpDown), QStringLiteral("Invocations: 1")), nullptr);
}

TEST_F(DashboardRuleLists, CustomListShowsItsEmptyStateAndIdentifiedEntries) {
    const auto* emptyState = custom->findChild<QWidget*>(QStringLiteral("CustomGestureEmptyState"));
    ASSERT_NE(emptyState, nullptr);
    EXPECT_TRUE(emptyState->isVisible());
    EXPECT_NE(label(custom, QStringLiteral("No custom rules saved yet.")), nullptr);
    EXPECT_NE(label(custom, QStringLiteral("SAVED CUSTOM RULES")), nullptr);

    const GestureTemplate loop(QStringLiteral("template-0123456789abcdef"), QStringLiteral("Loop"),
                               std::vector<GestureTemplatePoint>{{0, 0}, {1, 0}, {1, 1}});
    model->mappingStore()->upsertCustomTemplateMapping(
        loop, GestureAction::predefined(PredefinedAction::newWindow), std::nullopt);
    addCustomRule(kRightDown, GestureAction::openApp(QStringLiteral("org.gnome.Nautilus")), {});
    EXPECT_FALSE(emptyState->isVisible());
    for (const auto& [entry, card] :
         {std::pair{"CustomGesture_Row_right-down", "GestureMappingRow_directional:right-down"},
          std::pair{"CustomGesture_Row_template:template-0123456789abcdef",
                    "GestureMappingRow_template:template-0123456789abcdef"}}) {
        const auto* container = custom->findChild<QWidget*>(QString::fromLatin1(entry));
        ASSERT_NE(container, nullptr) << entry;
        EXPECT_NE(container->findChild<QWidget*>(QString::fromLatin1(card)), nullptr) << card;
    }

    // Deleting an override of a preset takes the preset out too, as removed.
    addCustomRule(kUpDown, GestureAction::predefined(PredefinedAction::newTab), {});
    QTest::mouseClick(button(custom->list()->row(kUpDown), QStringLiteral("Delete")),
                      Qt::LeftButton);
    settle();
    EXPECT_EQ(custom->list()->row(kUpDown), nullptr);
    EXPECT_NE(presets->list()->removedRow(kUpDown), nullptr);
    // A copy: every click changes the model's list.
    const std::vector<GestureMapping> left = model->customMappings();
    for (const GestureMapping& rule : left) {
        QTest::mouseClick(button(custom->list()->row(rule.pattern()), QStringLiteral("Delete")),
                          Qt::LeftButton);
        settle();
    }
    EXPECT_TRUE(emptyState->isVisible());
    EXPECT_EQ(custom->list()->rowCount(), 0);
}

TEST_F(DashboardRuleLists, OnAScrollingPageOnlyTheCardsInViewAreBuilt) {
    std::vector<GestureMapping> rules;
    for (int i = 0; i < 300; ++i) {
        const GestureTemplate shape(QStringLiteral("template-%1").arg(i),
                                    QStringLiteral("Loop %1").arg(i, 3, 10, QLatin1Char('0')),
                                    std::vector<GestureTemplatePoint>{{0, 0}, {1, 0}, {1, 1}});
        rules.emplace_back(GestureDescriptor::fromTemplate(shape),
                           GestureAction::predefined(PredefinedAction::newTab), QString(),
                           std::nullopt, GestureMappingSource::custom, true,
                           std::vector<GestureAppScopeRule>{});
    }
    model->mappingStore()->replaceCustomMappings(rules);
    model->syncMappingsFromStore();
    QScrollArea page;
    page.setWidgetResizable(true);
    auto* list = new CustomGestureListView(*model, hold);
    page.setWidget(list);
    page.resize(900, 600);
    page.show();
    // Shown, the cards in view are measured; the page takes their length on the next turn.
    settle();
    settle();
    const auto built = [&] { return list->findChildren<EditableGestureRuleRow*>().size(); };
    const GestureDescriptor first = model->customMappings().front().pattern();
    EXPECT_LT(built(), 30);
    ASSERT_NE(list->row(first), nullptr);

    // At the end of the page: the last card, where the page ends, and not the second (the first
    // stays, as the card Tab enters the list by, and a card keeps itself while it holds the focus).
    if (QWidget* focus = QApplication::focusWidget()) {
        focus->clearFocus();
    }
    page.verticalScrollBar()->setValue(page.verticalScrollBar()->maximum());
    settle();
    EXPECT_LT(built(), 30);
    EXPECT_EQ(list->row(model->customMappings()[1].pattern()), nullptr);
    const EditableGestureRuleRow* last = list->row(model->customMappings().back().pattern());
    ASSERT_NE(last, nullptr);
    EXPECT_FALSE(last->visibleRegion().isEmpty());
    EXPECT_EQ(last->mapTo(list, QPoint(0, last->height())).y(), list->height());
}

// A screen reader explores the accessibility tree, not the screen: while one is connected every
// saved rule has its card there, in the list's order, however far below the view the list lies
// and whenever the card was made.
TEST_F(DashboardRuleLists, EverySavedRuleIsInTheAccessibilityTreeInTheOrderShown) {
    const auto pattern = [](GestureDirection first, GestureDirection second) {
        return GestureDescriptor::directional(GesturePattern(first, second));
    };
    const GestureDescriptor downUp = pattern(GestureDirection::down, GestureDirection::up);
    const GestureDescriptor downLeft = pattern(GestureDirection::down, GestureDirection::left);
    const GestureDescriptor upRight = pattern(GestureDirection::up, GestureDirection::right);
    const GestureAction newTab = GestureAction::predefined(PredefinedAction::newTab);
    addCustomRule(kRightDown, newTab, QStringLiteral("Bravo"));
    addCustomRule(kRightUp, newTab, QStringLiteral("Delta"));
    addCustomRule(downUp, newTab, QStringLiteral("Foxtrot"));
    addCustomRule(upRight, newTab, QStringLiteral("Hotel"));
    // Connected after the page is shown, and still connected when it goes.
    std::optional<ConnectedAssistiveTechnology> screenReader;
    // A page holding the list far below its view.
    struct Page {
        std::unique_ptr<QScrollArea> area;
        CustomGestureListView* list;
    };
    const auto showPage = [&] {
        auto area = std::make_unique<QScrollArea>();
        area->setWidgetResizable(true);
        auto* content = new QWidget;
        auto* layout = new QVBoxLayout(content);
        layout->addSpacing(3000);
        auto* list = new CustomGestureListView(*model, hold);
        layout->addWidget(list);
        area->setWidget(content);
        area->resize(900, 600);
        area->show();
        return Page{std::move(area), list};
    };
    Page page = showPage();
    settle();
    // The first and last cards are built, and the cards next to the focus: not all four.
    const std::vector<GestureMapping>& rules = model->customMappings();
    ASSERT_TRUE(std::any_of(rules.begin(), rules.end(), [&](const GestureMapping& rule) {
        return page.list->row(rule.pattern()) == nullptr;
    })) << "the page shows every card";

    const struct {
        const char* step;
        std::function<void()> act;
    } steps[] = {
        {"a screen reader started while the list is shown", [&] { screenReader.emplace(); }},
        {"a rule created between two",
         [&] { addCustomRule(downLeft, newTab, QStringLiteral("Charlie")); }},
        {"the last rule renamed to come first",
         [&] { model->renameRule(QStringLiteral("Alpha"), downUp); }},
        {"a rule removed", [&] { model->removeMapping(kRightDown); }},
        {"a list shown while a screen reader runs", [&] { page = showPage(); }},
    };
    for (const auto& [step, act] : steps) {
        SCOPED_TRACE(step);
        act();
        settle();
        EXPECT_EQ(cardsInAccessibilityTree(*page.list), cardsOf(model->customMappings()));
    }
}

TEST_F(DashboardRuleLists, ALongURLNeverWidensOrLengthensItsRow) {
    const QString url = QStringLiteral("https://intranet.example.com/") +
                        QString(1000, QLatin1Char('x')) + QStringLiteral("?view=compact");
    addCustomRule(kRightDown, GestureAction::openURL(url), {});
    settle();
    EditableGestureRuleRow* row = custom->list()->row(kRightDown);
    EXPECT_LE(row->geometry().right(), custom->width());
    auto* caps = row->findChild<KeyCapGroup*>();
    EXPECT_TRUE(caps->displayedTokenText().contains(QChar(0x2026)));
    EXPECT_EQ(QTextDocumentFragment::fromHtml(caps->toolTip()).toPlainText().remove(QChar(0x200B)),
              QStringLiteral("Open ") + url);
    // The description is shortened in the middle too, whole in its tooltip.
    for (const ThemedTextLabel* text : row->findChildren<ThemedTextLabel*>()) {
        if (text->text().contains(url)) {
            EXPECT_LE(text->displayedText().size(), ThemedTextLabel::actionTextLength);
            EXPECT_TRUE(QTextDocumentFragment::fromHtml(text->toolTip())
                            .toPlainText()
                            .remove(QChar(0x200B))
                            .contains(url));
        }
    }
    EXPECT_LT(row->height(), 400);
}

TEST_F(DashboardRuleLists, SwitchingTheLanguageRelabelsEveryRow) {
    addCustomRule(kRightDown,
                  GestureAction::keyboardShortcut(
                      {KeyboardKeyToken::t, {ModifierKey::command, ModifierKey::shift}}),
                  {});
    model->removeMapping(kLeftDown);
    settle();
    switchLanguage(AppLanguageOverride::german);
    EXPECT_NE(label(presetRow(kUpDown), QStringLiteral("Oben -> Unten")), nullptr);
    EXPECT_NE(button(presetRow(kUpDown), QStringLiteral("Aktion ändern")), nullptr);
    EXPECT_NE(button(presets->list()->removedRow(kLeftDown), QStringLiteral("Wiederherstellen")),
              nullptr);
    EXPECT_NE(button(custom, QStringLiteral("Regel erstellen")), nullptr);
    EXPECT_NE(label(custom, QStringLiteral("GESICHERTE EIGENE REGELN")), nullptr);
    EditableGestureRuleRow* shortcut = custom->list()->row(kRightDown);
    EXPECT_EQ(shortcut->findChild<KeyCapGroup*>()->capLabels(),
              (QStringList{"Strg", "Umschalt", "T"}));
    EXPECT_NE(
        label(shortcut, QStringLiteral("Sendet Strg + Umschalt + T an die App im Vordergrund.")),
        nullptr);

    switchLanguage(AppLanguageOverride::english);
    EXPECT_NE(button(presetRow(kUpDown), QStringLiteral("Disable")), nullptr);
    EXPECT_EQ(shortcut->findChild<KeyCapGroup*>()->capLabels(),
              (QStringList{"Ctrl", "Shift", "T"}));
}

}  // namespace
}  // namespace quillorbitex
