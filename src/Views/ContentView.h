#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

#include "Platform/Executor.h"
#include "Views/DashboardSection.h"

class QVariantAnimation;

namespace quillorbitex {

class AppModel;
class DashboardView;
class SidebarView;
class TransformEffect;

// The dashboard window's content: the sidebar, a 1 px rule and the dashboard page side by side,
// at least 960 × 660 px. The sidebar shows the page's current section and its clicks scroll the
// page. While the model asks for the onboarding, the onboarding layer covers everything and the
// content beneath is disabled; it fades in and out over 0.25 s.
class ContentView final : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize minimumContentSize{960, 660};

    // `mainExecutor` is handed to the page (its scroll guard); the main thread when none is given.
    explicit ContentView(AppModel& model, Executor* mainExecutor = nullptr,
                         QWidget* parent = nullptr);

    SidebarView* sidebar() const { return sidebar_; }
    DashboardView* dashboard() const { return dashboard_; }

    // The sidebar's click: selects `section` and scrolls the page to it.
    void scrollTo(DashboardSection section);

    // Installs the onboarding; the view takes it over and shows it over the whole content exactly
    // while the model's showOnboarding is true.
    void setOnboardingLayer(QWidget* layer);
    QWidget* onboardingLayer() const { return onboarding_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Tab and Shift+Tab, from anywhere in the window: the page scrolls to the control reached.
    bool focusNextPrevChild(bool next) override;

private:
    void followOnboarding();
    // Once the onboarding is dismissed: a focus inside it goes to the page.
    void takeFocusFromOnboarding();
    // Dims the window's menu bar (and keeps it from being used) with the page, or lifts that.
    void shadeMenuBar(bool shaded);
    // Puts the onboarding at `opacity` through a fade effect; none removes the effect.
    void setFade(std::optional<double> opacity);

    AppModel& model_;
    SidebarView* sidebar_;
    DashboardView* dashboard_;
    QPointer<QWidget> onboarding_;
    TransformEffect* fade_ = nullptr;
    QVariantAnimation* fadeAnimation_;
};

}  // namespace quillorbitex
