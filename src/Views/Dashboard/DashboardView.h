#pragma once

#include <QWidget>
#include <map>
#include <memory>

#include "Models/GestureDescriptor.h"
#include "Models/GestureMapping.h"
#include "Platform/Executor.h"
#include "Views/DashboardSection.h"
#include "Views/RuleEditor/GestureRuleEditorContext.h"

class QScrollArea;
class QVariantAnimation;
class QVBoxLayout;

namespace quillorbitex {

class AppModel;
class DashboardHeaderBar;
class RuleListHold;
class SectionHeader;

// The dashboard's page column: the header bar over one long scrolling page of the four sections
// (overview, custom rules, preset rules, debugging), each opening with its section header.
//
// The sidebar and the page stay in step both ways. Scrolling selects the section whose top is
// closest to a line 88 px below the top of the visible page. Choosing a section scrolls its top to
// the top of the page over 0.22 s; for 0.35 s after the choice, positions are ignored, so the
// selection does not pass through the sections that scroll by.
//
// Section contents plug in below each header through sectionContentLayout(). The editors open
// from the signals below; this view only says which editor is wanted.
class DashboardView final : public QWidget {
    Q_OBJECT

public:
    static constexpr int sectionAnchorLine = 88;
    static constexpr int scrollAnimationMilliseconds = 220;
    static constexpr Duration scrollGuard = std::chrono::milliseconds(350);

    // `mainExecutor` runs the end of the scroll guard; the main thread when none is given.
    explicit DashboardView(AppModel& model, Executor* mainExecutor = nullptr,
                           QWidget* parent = nullptr);
    ~DashboardView() override;

    // The vertical stack of a section, holding its header; add the section's content to it. The
    // stack's spacing is the section's own (16 px for the overview, 14 px for the others).
    QVBoxLayout* sectionContentLayout(DashboardSection section) const;
    // The whole section (header and content); its "scrollIdentifier" property is sectionID().
    QWidget* sectionWidget(DashboardSection section) const;
    SectionHeader* sectionHeader(DashboardSection section) const;
    static QString sectionID(DashboardSection section);

    DashboardHeaderBar* headerBar() const { return headerBar_; }
    QScrollArea* scrollArea() const { return scrollArea_; }

    DashboardSection selectedSection() const { return selected_; }
    // While true, scroll positions do not change the selection.
    bool isProgrammaticScroll() const { return programmaticScroll_; }

    // Scrolls the page until the control with the keyboard focus is in view, if it is on the page.
    // Cards that scrolling builds may move it; it is followed until it stays.
    void revealFocusedControl();

    // Each section's top, measured from the top of the visible page (negative once scrolled past).
    std::map<DashboardSection, double> sectionAnchors() const;
    // Selects the section whose top is closest to the anchor line; of two equally close, the one
    // met first. Nothing changes for an empty map or while a chosen section is being scrolled to.
    void updateSelectedSection(const std::map<DashboardSection, double>& anchors);

public Q_SLOTS:
    // Selects `section` at once and scrolls its top to the top of the page (as far as the page
    // can scroll), also when it is already selected.
    void scrollTo(DashboardSection section);

    // The places the editors open from: the sections' rows and cards call these, the editors
    // listen to the signals. Every context carries a fresh identifier, so each call asks for a
    // new editor.
    void requestRuleEditor(const GestureRuleEditorContext& context);
    void requestAppScopeEditor(const GestureDescriptor& pattern);

Q_SIGNALS:
    void selectedSectionChanged(DashboardSection section);

    // The rule editor for a new rule, for another action of a rule, or for another gesture of it.
    void ruleEditorRequested(const GestureRuleEditorContext& context);
    // The scope editor for the rule of `pattern`.
    void appScopeEditorRequested(const GestureDescriptor& pattern);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Section {
        QWidget* wrapper = nullptr;
        QVBoxLayout* stack = nullptr;
        SectionHeader* header = nullptr;
    };

    void setSelectedSection(DashboardSection section);
    void anchorsMayHaveChanged();

    Executor& mainExecutor_;
    DashboardHeaderBar* headerBar_;
    QScrollArea* scrollArea_;
    QWidget* page_;
    std::map<DashboardSection, Section> sections_;
    QVariantAnimation* scrollAnimation_;
    // Keeps both rule lists' cards in place while a double click may be on its way.
    RuleListHold* ruleListHold_;
    DashboardSection selected_ = DashboardSection::overview;
    bool programmaticScroll_ = false;
    // Guard resets queued on the executor hold this weakly.
    std::shared_ptr<DashboardView*> self_;
};

}  // namespace quillorbitex
