#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <optional>

#include "Platform/Appearance.h"

namespace quillorbitex {

// The program's look on a Linux desktop. Whatever the choice, one of the two palettes of
// ThemePalette is installed application-wide, so `ThemePalette::isDark(widget->palette())` tells
// every view and overlay which look it is drawn in and a change repaints them all.
//
// Under `system` the look follows the desktop: its colour-scheme preference from the settings
// portal (org.freedesktop.appearance color-scheme, read over D-Bus and followed while the program
// runs) when the desktop states one, else the lightness of the window colour of the palette the
// platform gave the application before ours was installed.
class DesktopAppearance final : public QObject, public Appearance {
    Q_OBJECT

public:
    // Reads the platform's palette now, so build it before anything else installs a palette. The
    // portal is asked without blocking; its answer arrives through the event loop.
    explicit DesktopAppearance(QDBusConnection bus = QDBusConnection::sessionBus(),
                               QObject* parent = nullptr);
    ~DesktopAppearance() override;

    void apply(AppThemeOverride choice) override;
    bool isDark() const override { return isDark_.value(); }
    [[nodiscard]] Subscription subscribe(std::function<void(bool dark)> receiver) override;

    // The desktop's stated preference: dark, light, or none.
    std::optional<bool> desktopPrefersDark() const { return desktopPrefersDark_; }

Q_SIGNALS:
    void effectiveAppearanceChanged(bool dark);

private Q_SLOTS:
    // SettingChanged(group, key, value) of the settings portal.
    void portalSettingChanged(const QDBusMessage& message);

private:
    void readPortalSetting();
    void setDesktopPrefersDark(std::optional<bool> prefersDark);
    void install();

    QDBusConnection bus_;
    AppThemeOverride choice_ = AppThemeOverride::system;
    bool platformPaletteIsDark_ = false;
    std::optional<bool> desktopPrefersDark_;
    CurrentValueSubject<bool> isDark_{false};
};

}  // namespace quillorbitex
