#include "Application/DesktopAppearance.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "Application/ThemePalette.h"
#include "Application/ThemeStyle.h"

namespace quillorbitex {

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString kColorSchemeKey = QStringLiteral("color-scheme");
// The whole message is taken: Qt 6.4 refuses to connect D-Bus signals to slots with a
// QDBusVariant parameter.
const char* const kSettingChangedSlot = SLOT(portalSettingChanged(QDBusMessage));

// The portal wraps the value in one variant (SettingChanged) or, from Read, in two.
QVariant unwrapped(QVariant value) {
    for (int depth = 0; depth < 4 && value.metaType() == QMetaType::fromType<QDBusVariant>();
         ++depth) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

// color-scheme: 1 prefers dark, 2 prefers light, 0 (or anything else) states no preference.
std::optional<bool> prefersDark(const QVariant& value) {
    bool ok = false;
    const uint scheme = unwrapped(value).toUInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    switch (scheme) {
        case 1:
            return true;
        case 2:
            return false;
        default:
            return std::nullopt;
    }
}

}  // namespace

DesktopAppearance::DesktopAppearance(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
    if (qGuiApp != nullptr) {
        platformPaletteIsDark_ = ThemePalette::isDark(QGuiApplication::palette());
    }
    isDark_.send(platformPaletteIsDark_);
    if (bus_.isConnected()) {
        bus_.connect(kPortalService, kPortalPath, kSettingsInterface,
                     QStringLiteral("SettingChanged"), this, kSettingChangedSlot);
        readPortalSetting();
    }
}

DesktopAppearance::~DesktopAppearance() {
    if (bus_.isConnected()) {
        bus_.disconnect(kPortalService, kPortalPath, kSettingsInterface,
                        QStringLiteral("SettingChanged"), this, kSettingChangedSlot);
    }
}

void DesktopAppearance::apply(AppThemeOverride choice) {
    choice_ = choice;
    install();
}

Subscription DesktopAppearance::subscribe(std::function<void(bool dark)> receiver) {
    return isDark_.subscribe(std::move(receiver));
}

void DesktopAppearance::readPortalSetting() {
    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath,
                                                       kSettingsInterface, QStringLiteral("Read"));
    call << kAppearanceGroup << kColorSchemeKey;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *finished;
                // No portal, or one without this setting: the palette decides.
                if (reply.isValid()) {
                    setDesktopPrefersDark(prefersDark(reply.argumentAt(0)));
                }
            });
}

void DesktopAppearance::portalSettingChanged(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() == 3 && arguments[0].toString() == kAppearanceGroup &&
        arguments[1].toString() == kColorSchemeKey) {
        setDesktopPrefersDark(prefersDark(arguments[2]));
    }
}

void DesktopAppearance::setDesktopPrefersDark(std::optional<bool> prefersDark) {
    desktopPrefersDark_ = prefersDark;
    if (choice_ == AppThemeOverride::system) {
        install();
    }
}

void DesktopAppearance::install() {
    bool dark = false;
    switch (choice_) {
        case AppThemeOverride::light:
            dark = false;
            break;
        case AppThemeOverride::dark:
            dark = true;
            break;
        case AppThemeOverride::system:
            dark = desktopPrefersDark_.value_or(platformPaletteIsDark_);
            break;
    }
    // Installed every time, also when the look stays: a palette someone else set in between is
    // replaced by ours again.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        ThemeStyle::install();
        QApplication::setPalette(ThemePalette::qtPalette(dark));
    } else if (qGuiApp != nullptr) {
        QGuiApplication::setPalette(ThemePalette::qtPalette(dark));
    }
    if (dark != isDark_.value()) {
        isDark_.send(dark);
        Q_EMIT effectiveAppearanceChanged(dark);
    }
}

}  // namespace quillorbitex
