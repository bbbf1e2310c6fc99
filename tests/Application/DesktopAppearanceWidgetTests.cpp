#include "Application/DesktopAppearance.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include "Application/ThemePalette.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;

const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");

// The settings portal as a desktop provides it, answering with a settable colour scheme.
class FakeSettingsPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    uint colorScheme = 0;

public Q_SLOTS:
    // Read wraps the value in a second variant.
    QDBusVariant Read(const QString& group, const QString& key) {
        if (group != QStringLiteral("org.freedesktop.appearance") ||
            key != QStringLiteral("color-scheme")) {
            return QDBusVariant(QVariant::fromValue(QDBusVariant(QString())));
        }
        return QDBusVariant(QVariant::fromValue(QDBusVariant(QVariant(colorScheme))));
    }
};

// A private session bus for one test; nothing of the machine's own bus is touched.
class PrivateBus {
public:
    PrivateBus() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) {
            return;
        }
        // The session bus configuration of the system, on a socket of its own.
        process_.start(daemon, {"--session", "--nofork", "--print-address=1"});
        if (process_.waitForReadyRead(5000)) {
            address_ = QString::fromUtf8(process_.readLine()).trimmed();
        }
    }
    ~PrivateBus() {
        for (const QString& name : names_) {
            QDBusConnection::disconnectFromBus(name);
        }
        process_.kill();
        process_.waitForFinished(5000);
    }

    bool isRunning() const { return !address_.isEmpty(); }
    QDBusConnection connect(const QString& name) {
        names_.push_back(name);
        return QDBusConnection::connectToBus(address_, name);
    }

private:
    QProcess process_;
    QString address_;
    QStringList names_;
};

bool applicationIsDark() {
    return ThemePalette::isDark(QApplication::palette());
}

TEST(DesktopAppearance, ForcedChoicesInstallOurPaletteForEveryWidget) {
    for (const bool platformDark : {false, true}) {
        SCOPED_TRACE(platformDark ? "dark desktop" : "light desktop");
        // The palette the platform gave the application, as seen before ours is installed.
        QApplication::setPalette(ThemePalette::qtPalette(platformDark));
        DesktopAppearance appearance(QDBusConnection(QStringLiteral("no bus")));
        QWidget widget;
        std::vector<bool> heard;
        const Subscription subscription =
            appearance.subscribe([&heard](bool dark) { heard.push_back(dark); });
        int signals = 0;
        QObject::connect(&appearance, &DesktopAppearance::effectiveAppearanceChanged,
                         [&signals] { ++signals; });

        struct Step {
            AppThemeOverride choice;
            bool dark;
        };
        for (const Step& step :
             {Step{AppThemeOverride::system, platformDark}, Step{AppThemeOverride::dark, true},
              Step{AppThemeOverride::dark, true}, Step{AppThemeOverride::light, false},
              Step{AppThemeOverride::system, platformDark}}) {
            appearance.apply(step.choice);
            EXPECT_EQ(appearance.isDark(), step.dark);
            EXPECT_EQ(applicationIsDark(), step.dark);
            // Widgets take the new palette when the change event reaches them, before they paint.
            QCoreApplication::sendPostedEvents();
            EXPECT_EQ(ThemePalette::isDark(widget.palette()), step.dark);
            EXPECT_EQ(QApplication::palette().color(QPalette::Window),
                      ThemePalette::color(ThemePalette::Token::bgPrimary, step.dark));
        }
        // Heard: the start, then only the real changes.
        const std::vector<bool> expected =
            platformDark ? std::vector{true, false, true} : std::vector{false, true, false};
        EXPECT_EQ(heard, expected);
        EXPECT_EQ(signals, 2);
    }
}

TEST(DesktopAppearance, SystemFollowsTheDesktopsColourScheme) {
    PrivateBus bus;
    if (!bus.isRunning()) {
        GTEST_SKIP() << "dbus-daemon is not available";
    }
    QDBusConnection host = bus.connect(QStringLiteral("portal-host"));
    FakeSettingsPortal portal;
    portal.colorScheme = 1;  // prefers dark
    ASSERT_TRUE(host.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    ASSERT_TRUE(host.registerObject(kPortalPath, &portal, QDBusConnection::ExportAllSlots));
    const auto announce = [&host](const QString& key, uint scheme) {
        QDBusMessage signal =
            QDBusMessage::createSignal(kPortalPath, kSettings, QStringLiteral("SettingChanged"));
        signal << QStringLiteral("org.freedesktop.appearance") << key
               << QVariant::fromValue(QDBusVariant(QVariant(scheme)));
        return host.send(signal);
    };

    QApplication::setPalette(ThemePalette::qtPalette(false));
    DesktopAppearance appearance(bus.connect(QStringLiteral("appearance")));
    appearance.apply(AppThemeOverride::system);
    ASSERT_TRUE(QTest::qWaitFor([&] { return appearance.isDark(); }, 5000));
    EXPECT_TRUE(applicationIsDark());

    struct Change {
        uint scheme;
        std::optional<bool> desktop;
        bool dark;
    };
    for (const Change& change : {Change{2, false, false}, Change{1, true, true},
                                 // No preference: the platform's palette (light) decides.
                                 Change{0, std::nullopt, false}}) {
        SCOPED_TRACE(change.scheme);
        ASSERT_TRUE(announce(QStringLiteral("color-scheme"), change.scheme));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return appearance.desktopPrefersDark() == change.desktop; }, 5000));
        EXPECT_EQ(appearance.isDark(), change.dark);
        EXPECT_EQ(applicationIsDark(), change.dark);
    }

    // A forced choice ignores the desktop.
    appearance.apply(AppThemeOverride::light);
    ASSERT_TRUE(announce(QStringLiteral("color-scheme"), 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return appearance.desktopPrefersDark() == true; }, 5000));
    EXPECT_FALSE(appearance.isDark());
    EXPECT_FALSE(applicationIsDark());
}

}  // namespace
}  // namespace quillorbitex

#include "DesktopAppearanceWidgetTests.moc"
