#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QAbstractButton;
class QPlainTextEdit;

namespace quillorbitex {

class AppModel;
class DebugTraceCanvas;
class OverlayDebugStore;
class StatusPill;
class ThemedTextLabel;

// The debugging section below its header: the trace card (the live stroke, or else the last
// one, with the overlay's state in a pill), the card of six values about the live and the last
// stroke, and the overlay routing log with "Copy Log". It shows what the model and its debug
// store publish, redrawing on each of their changes; it changes nothing itself except through
// `copyLogAction`.
class GestureDebugSectionView final : public QWidget {
    Q_OBJECT

public:
    static constexpr int valuesCardWidth = 320;
    static constexpr int minimumLogHeight = 180;

    // The dashboard passes the model's own store and a call of its copyLogToPasteboard().
    GestureDebugSectionView(AppModel& model, OverlayDebugStore& debugStore,
                            std::function<void()> copyLogAction, QWidget* parent = nullptr);

    DebugTraceCanvas* traceCanvas() const { return canvas_; }
    StatusPill* overlayStatePill() const { return overlayPill_; }
    QPlainTextEdit* logView() const { return log_; }
    QAbstractButton* copyLogButton() const { return copyLog_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    class DebugValueRow;

    void retranslate();
    // Room in each value for the texts a stroke may show, the rules' own included.
    void reserveValueRoom();
    void refresh();
    void showLog();

    AppModel& model_;
    OverlayDebugStore& debugStore_;
    std::function<void()> copyLogAction_;
    ThemedTextLabel* traceTitle_;
    StatusPill* overlayPill_;
    DebugTraceCanvas* canvas_;
    ThemedTextLabel* traceHelp_;
    std::array<DebugValueRow*, 6> values_{};
    // What a stroke may show whatever the rules, in the current language.
    std::array<QStringList, 6> reservedForAnyRules_;
    // And for the rules as they were when last reserved; none after a change of language.
    std::optional<std::array<QStringList, 6>> reservedForRules_;
    ThemedTextLabel* logTitle_;
    ThemedTextLabel* logSubtitle_;
    QAbstractButton* copyLog_;
    QPlainTextEdit* log_;
};

}  // namespace quillorbitex
