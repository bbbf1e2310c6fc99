// Loading a large preferences file (a rule list of about 20 MB) that holds one byte that is not
// UTF-8. With argument 1 another entry also holds every character of the private use area, which
// a reader that looks for a character the text does not hold has to search for one by one.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "Platform/JsonFileUserDefaults.h"

namespace quillorbitex {
namespace {

QString writePreferences(const QTemporaryDir& dir, bool withPrivateUseText) {
    // Random bytes give Base64 text of the same size as a long rule list's.
    std::mt19937 random(7);
    QByteArray rules(15 * 1024 * 1024, Qt::Uninitialized);
    for (char& byte : rules) {
        byte = static_cast<char>(random());
    }
    QByteArray text =
        "{\n    \"gestureCaptureEnabled\": true,\n    \"gestureCustomMappings\": "
        "{\"data\": \"" +
        rules.toBase64() + "\"},\n    \"gestureLanguageOverride\": \"fr\xff\",\n";
    if (withPrivateUseText) {
        QString every;
        for (char16_t c = 0xE000; c <= 0xF8FF; ++c) {
            every.append(QChar(c));
        }
        text += "    \"notes\": \"" + every.toUtf8() + "\",\n";
    }
    text += "    \"gestureThemeOverride\": \"dark\"\n}\n";
    const QString path = JsonFileUserDefaults::filePathIn(dir.path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        return {};
    }
    return path;
}

void loadLargeFileWithABadByte(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writePreferences(dir, state.range(0) != 0);
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the preferences file");
        return;
    }
    for (auto _ : state) {
        JsonFileUserDefaults defaults(path);
        if (!defaults.contains(QStringLiteral("gestureCustomMappings"))) {
            state.SkipWithError("the rule list was not read");
            return;
        }
        benchmark::DoNotOptimize(defaults.value(QStringLiteral("gestureThemeOverride")));
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(loadLargeFileWithABadByte)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillorbitex
