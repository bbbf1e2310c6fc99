#pragma once

#include <QtGlobal>

#include "Models/GestureAction.h"
#include "Models/GestureDescriptor.h"
#include "Views/Dashboard/RuleCardFrame.h"

namespace quillorbitex {

class ActionTypeBadge;
class AccentButton;
class AppModel;
class GesturePathGlyph;
class KeyCapGroup;
class RuleStatusCapsule;
class ThemedTextLabel;

// What the preset list shows in place of a preset the user removed: its gesture greyed, its
// label, kind of action and a red "Removed" capsule, a sentence saying so, its past invocation
// count, its key caps faded, and one button, "Restore". Same identifier as the preset's own card.
class RemovedPresetRuleRow final : public RuleCardFrame {
    Q_OBJECT

public:
    // The model is read for the invocation count only.
    RemovedPresetRuleRow(const AppModel& model, GestureDescriptor pattern, GestureAction action,
                         QWidget* parent = nullptr);
    ~RemovedPresetRuleRow() override;

    const GestureDescriptor& pattern() const { return pattern_; }
    void refreshInvocationCount();
    void retranslate();

Q_SIGNALS:
    void restoreRequested();

private:
    const AppModel* model_;
    GestureDescriptor pattern_;
    GestureAction action_;
    qint64 invocationCount_ = -1;

    GesturePathGlyph* glyph_ = nullptr;
    ThemedTextLabel* nameLabel_ = nullptr;
    ActionTypeBadge* badge_ = nullptr;
    RuleStatusCapsule* removedCapsule_ = nullptr;
    ThemedTextLabel* sentenceLabel_ = nullptr;
    ThemedTextLabel* countLabel_ = nullptr;
    KeyCapGroup* keyCaps_ = nullptr;
    AccentButton* restoreButton_ = nullptr;
};

}  // namespace quillorbitex
