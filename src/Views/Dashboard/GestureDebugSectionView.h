#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QAbstractButton;
class QPlainTextEdit;

namespace quillorbitex {

class AppModel;
class DebugTraceCanvas;
class OverlayDebugStore;
class StatusPill;
class ThemedLabel;

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
    void refresh();
    void showLog();

    AppModel& model_;
    OverlayDebugStore& debugStore_;
    std::function<void()> copyLogAction_;
    ThemedLabel* traceTitle_;
    StatusPill* overlayPill_;
    DebugTraceCanvas* canvas_;
    ThemedLabel* traceHelp_;
    std::array<DebugValueRow*, 6> values_{};
    ThemedLabel* logTitle_;
    ThemedLabel* logSubtitle_;
    QAbstractButton* copyLog_;
    QPlainTextEdit* log_;
};

}  // namespace quillorbitex
