#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "Models/GestureAppScopeChoice.h"
#include "Platform/Workspace.h"

namespace quillorbitex {

// The applications the editors offer for scope rules and for opening: the installed ones (read
// once, on the first use that finds any, and kept for the provider's life) together with the
// running ones (read on every call), one entry per identifier ignoring letter case, never this
// program itself, sorted by name as file managers sort (digits by value).
class AppScopeChoiceProvider {
public:
    explicit AppScopeChoiceProvider(std::shared_ptr<Workspace> workspace,
                                    QString ownIdentifier = defaultOwnIdentifier());

    // Main thread (the running applications are read there).
    std::vector<GestureAppScopeChoice> availableChoices() const;

    // One choice per identifier ignoring letter case, in the order each identifier first appears;
    // empty identifiers and `excluding` (ignoring letter case) are left out. Where identifiers
    // collide, preferred() decides.
    static std::vector<GestureAppScopeChoice> merged(
        const std::vector<GestureAppScopeChoice>& choices, const std::optional<QString>& excluding);
    // Of two choices for one identifier: the one with a name of its own (a display name that is
    // not its identifier); among two named or two unnamed the name of fewer characters (code
    // points), the existing one on a tie.
    static const GestureAppScopeChoice& preferred(const GestureAppScopeChoice& existing,
                                                  const GestureAppScopeChoice& candidate);

    static QString defaultOwnIdentifier();

private:
    const std::vector<GestureAppScopeChoice>& installedChoices() const;
    std::vector<GestureAppScopeChoice> runningChoices() const;

    std::shared_ptr<Workspace> workspace_;
    QString ownIdentifier_;
    mutable std::optional<std::vector<GestureAppScopeChoice>> installed_;
};

}  // namespace quillorbitex
