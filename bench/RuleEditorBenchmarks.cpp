// The rule editor's action step (offscreen) while a URL of 5,000 characters is typed, on a desktop
// of 200 installed applications read from desktop entries as the program reads them, one of them
// the default web browser: one key press until the event loop is idle again, and the same followed
// by what happens once typing pauses (the handler looked up, the validation line, the preview and
// the sheet's layout and paint).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

#include "Platform/Freedesktop/DesktopEntries.h"
#include "Platform/X11/X11Workspace.h"
#include "Services/Stats/GestureUsageStatsStore.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/SegmentedPicker.h"
#include "Views/RuleEditor/ActionStepView.h"
#include "Views/RuleEditor/CustomGestureWizard.h"
#include "Views/RuleEditor/GestureRuleEditorState.h"
#include "Views/RuleEditor/RuleEditorTextField.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/Theme.h"
#include "support/MemoryDefaults.h"

namespace quillorbitex {
namespace {

constexpr int kInstalledApplications = 200;
constexpr int kURLLength = 5000;

QApplication& application() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

void write(const QString& path, const QByteArray& contents) {
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(contents);
}

// A desktop's applications folders: entries at the top and in a vendor folder, a browser that
// declares the web schemes, and the user's mimeapps.list naming it.
freedesktop::XdgLocations desktop(const QString& root) {
    freedesktop::XdgLocations locations;
    locations.dataHome = root + QStringLiteral("/home/share");
    locations.dataDirs = {root + QStringLiteral("/usr/share")};
    locations.configHome = root + QStringLiteral("/home/config");
    locations.configDirs = {root + QStringLiteral("/etc/xdg")};
    locations.currentDesktops = {QStringLiteral("xfce")};
    for (int i = 0; i < kInstalledApplications; ++i) {
        const QString folder = locations.dataDirs.front() + QStringLiteral("/applications") +
                               (i % 4 == 0 ? QStringLiteral("/vendor") : QString());
        write(folder + QStringLiteral("/org.example.App%1.desktop").arg(i),
              QStringLiteral("[Desktop Entry]\nType=Application\nName=App %1\nName[de]=Anw %1\n"
                             "Exec=app%1 %U\nMimeType=text/plain;image/png;\n")
                  .arg(i)
                  .toUtf8());
    }
    write(locations.dataDirs.front() + QStringLiteral("/applications/web-browser.desktop"),
          "[Desktop Entry]\nType=Application\nName=Web Browser\nExec=browser %u\n"
          "MimeType=text/html;x-scheme-handler/http;x-scheme-handler/https;\n");
    write(locations.configHome + QStringLiteral("/mimeapps.list"),
          "[Default Applications]\nx-scheme-handler/https=web-browser.desktop\n");
    return locations;
}

// The main thread's delayed work, held until the benchmark runs it: the pause after typing without
// waiting for it.
class HeldExecutor final : public Executor {
public:
    void async(Task task) override { held_.push_back(std::move(task)); }
    void asyncAfter(Duration, Task task) override { held_.push_back(std::move(task)); }
    void runHeld() {
        auto tasks = std::move(held_);
        held_.clear();
        for (Task& task : tasks) {
            task();
        }
    }

private:
    std::vector<Task> held_;
};

struct Editor {
    Editor() {
        application();
        Theme::setAnimationsEnabled(false);
        auto entries = std::make_shared<freedesktop::DesktopEntries>(desktop(dir.path()));
        workspace = std::make_shared<x11::X11Workspace>(entries, nullptr);
        AppModel::Platform platform;
        platform.userDefaults = std::make_shared<bench::MemoryDefaults>();
        platform.workspace = workspace;
        AppModel::Services services;
        services.statsStore = std::make_shared<GestureUsageStatsStore>(
            GestureUsageStatsStore::databasePathIn(dir.path()));
        model = std::make_unique<AppModel>(UITestConfig{}, std::make_shared<GestureMappingStore>(),
                                           false, platform, services);
        wizard = std::make_unique<CustomGestureWizard>(
            GestureRuleEditorContext::open(GestureRuleEditorMode::newRule, std::nullopt), *model,
            RuleEditorPlatform{workspace, nullptr, &executor});
        wizard->show();
        QCoreApplication::processEvents();
        model->seedCapturedGestureDraft(GestureDescriptor::directional(GesturePattern::upThenDown));
        wizard->nextButton()->click();
        wizard->actionStep()
            ->kindPicker()
            ->segment(static_cast<int>(GestureActionEditorKind::openURL))
            ->click();
        field()->setFocus();
        const QString url =
            QStringLiteral("https://example.org/") + QString(kURLLength - 20, QLatin1Char('a'));
        field()->setText(url);
        Q_EMIT field()->textEdited(url);
        pause();
    }

    QLineEdit* field() const { return wizard->actionStep()->urlField()->lineEdit(); }

    // One key typed at the end of the field, then the event loop until it is idle.
    [[gnu::noinline]] void type(Qt::Key key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(field(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(field(), &release);
        QCoreApplication::processEvents();
    }

    // What happens once typing pauses, until the event loop is idle again.
    [[gnu::noinline]] void pause() {
        executor.runHeld();
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    HeldExecutor executor;
    std::shared_ptr<x11::X11Workspace> workspace;
    // A letter typed, or the last one taken back.
    void typeOrTakeBack(bool add) {
        if (add) {
            type(Qt::Key_B, QStringLiteral("b"));
        } else {
            type(Qt::Key_Backspace, QString());
        }
    }

    std::unique_ptr<AppModel> model;
    std::unique_ptr<CustomGestureWizard> wizard;
};

// A letter typed, then taken back, in turns, so the field stays 5,000 characters long.
void typeIntoLongURL(benchmark::State& state) {
    Editor editor;
    bool add = true;
    for (auto _ : state) {
        editor.typeOrTakeBack(add);
        add = !add;
    }
    state.counters["valid"] = editor.wizard->state().resolvedAction().has_value();
}
BENCHMARK(typeIntoLongURL)->Unit(benchmark::kMillisecond);

// The same, each key followed by a pause.
void typeIntoLongURLAndPause(benchmark::State& state) {
    Editor editor;
    bool add = true;
    for (auto _ : state) {
        editor.typeOrTakeBack(add);
        editor.pause();
        add = !add;
    }
    state.counters["valid"] = editor.wizard->state().resolvedAction().has_value();
}
BENCHMARK(typeIntoLongURLAndPause)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillorbitex
