#include "Application/AppScopeChoiceProvider.h"

#include <QCollatorSortKey>
#include <QHash>
#include <algorithm>

#include "Localization/LocalizedStandardCollator.h"
#include "Platform/ApplicationIdentifier.h"

namespace quillorbitex {

namespace {

bool isNamed(const GestureAppScopeChoice& choice) {
    return choice.displayName.compare(choice.bundleIdentifier, Qt::CaseInsensitive) != 0;
}

// Characters are code points: a letter beyond the Basic Multilingual Plane (an emoji, a CJK
// Extension B ideograph) is one character, not its two UTF-16 units.
qsizetype characterCount(const QString& text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        }
    }
    return count;
}

}  // namespace

AppScopeChoiceProvider::AppScopeChoiceProvider(std::shared_ptr<Workspace> workspace,
                                               QString ownIdentifier)
    : workspace_(std::move(workspace)), ownIdentifier_(std::move(ownIdentifier)) {}

QString AppScopeChoiceProvider::defaultOwnIdentifier() {
    return QString::fromLatin1(kApplicationIdentifier);
}

std::vector<GestureAppScopeChoice> AppScopeChoiceProvider::availableChoices() const {
    std::vector<GestureAppScopeChoice> all = installedChoices();
    std::vector<GestureAppScopeChoice> running = runningChoices();
    all.insert(all.end(), std::make_move_iterator(running.begin()),
               std::make_move_iterator(running.end()));

    std::vector<GestureAppScopeChoice> choices =
        merged(all, ownIdentifier_.isEmpty() ? std::nullopt : std::optional(ownIdentifier_));

    // Sort keys are made once per name: comparing them is far cheaper than collating the texts
    // again for every comparison.
    const QCollator collator = makeLocalizedStandardCollator();
    std::vector<std::pair<QCollatorSortKey, std::size_t>> keys;
    keys.reserve(choices.size());
    for (std::size_t i = 0; i < choices.size(); ++i) {
        keys.emplace_back(collator.sortKey(choices[i].displayName), i);
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    std::vector<GestureAppScopeChoice> sorted;
    sorted.reserve(choices.size());
    for (const auto& entry : keys) {
        sorted.push_back(std::move(choices[entry.second]));
    }
    return sorted;
}

const std::vector<GestureAppScopeChoice>& AppScopeChoiceProvider::installedChoices() const {
    if (installed_) {
        return *installed_;
    }
    std::vector<GestureAppScopeChoice> found;
    if (workspace_) {
        for (const WorkspaceApplication& application : workspace_->installedApplications()) {
            const QString identifier = application.identifier.trimmed();
            if (identifier.isEmpty()) {
                continue;
            }
            const QString name = application.name.trimmed();
            found.push_back({identifier, name.isEmpty() ? identifier : name});
        }
    }
    // Nothing found may only mean that the desktop's entries are still being read: asked again
    // next time rather than kept, which costs little when there is nothing.
    if (found.empty()) {
        static const std::vector<GestureAppScopeChoice> none;
        return none;
    }
    installed_ = merged(found, std::nullopt);
    return *installed_;
}

std::vector<GestureAppScopeChoice> AppScopeChoiceProvider::runningChoices() const {
    std::vector<GestureAppScopeChoice> choices;
    if (!workspace_) {
        return choices;
    }
    for (const WorkspaceApplication& application : workspace_->runningApplications()) {
        if (application.identifier.isEmpty() || application.identifier == ownIdentifier_) {
            continue;
        }
        const QString name = application.name.trimmed();
        choices.push_back({application.identifier, name.isEmpty() ? application.identifier : name});
    }
    return choices;
}

std::vector<GestureAppScopeChoice> AppScopeChoiceProvider::merged(
    const std::vector<GestureAppScopeChoice>& choices, const std::optional<QString>& excluding) {
    const std::optional<QString> excludedKey =
        excluding ? std::optional(excluding->toLower()) : std::nullopt;
    std::vector<GestureAppScopeChoice> result;
    QHash<QString, std::size_t> indexByKey;
    indexByKey.reserve(static_cast<qsizetype>(choices.size()));
    for (const GestureAppScopeChoice& choice : choices) {
        const QString key = choice.id();
        if (key.isEmpty() || key == excludedKey) {
            continue;
        }
        const auto found = indexByKey.constFind(key);
        if (found == indexByKey.cend()) {
            indexByKey.insert(key, result.size());
            result.push_back(choice);
        } else {
            GestureAppScopeChoice& existing = result[*found];
            existing = preferred(existing, choice);
        }
    }
    return result;
}

const GestureAppScopeChoice& AppScopeChoiceProvider::preferred(
    const GestureAppScopeChoice& existing, const GestureAppScopeChoice& candidate) {
    const bool existingNamed = isNamed(existing);
    const bool candidateNamed = isNamed(candidate);
    if (existingNamed != candidateNamed) {
        return existingNamed ? existing : candidate;
    }
    return characterCount(candidate.displayName) < characterCount(existing.displayName) ? candidate
                                                                                        : existing;
}

}  // namespace quillorbitex
