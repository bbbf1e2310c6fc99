#pragma once

#include <QWidget>

#include "Views/Components/StatusPill.h"
#include "Views/Onboarding/OnboardingSymbol.h"

class QHBoxLayout;
class QVBoxLayout;

namespace quillorbitex {

class ThemedTextLabel;

// One condition of the onboarding's access step: a tinted symbol tile, the title with a status
// pill, the explanation beneath and the block's buttons on the right, or under the explanation
// where they would leave it too narrow a column (longer translations). The title wraps rather than
// being cut short. The pill's colour also tints the tile and the outline.
class PermissionBlock final : public QWidget {
    Q_OBJECT

public:
    PermissionBlock(OnboardingSymbol::Shape symbol, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    void setDetail(const QString& detail);
    void setPillState(const StatusPill::State& state);
    // Placed after the text, in the order added.
    void addAction(QWidget* action);

    QString title() const;
    QString detail() const;
    const StatusPill::State& pillState() const;
    // Whether the buttons stand under the explanation rather than beside it.
    bool actionsBelowText() const;
    // Puts the buttons beside the text or under it, whichever leaves the text room; done on every
    // resize, and to be called after the buttons' texts change.
    void arrange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class Tile;

    Tile* tile_;
    ThemedTextLabel* title_;
    StatusPill* pill_;
    ThemedTextLabel* detail_;
    QHBoxLayout* actions_;
    QWidget* actionsBox_;
    QHBoxLayout* row_;
    QVBoxLayout* text_;
};

}  // namespace quillorbitex
