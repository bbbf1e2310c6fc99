#pragma once

#include <QWidget>

class QComboBox;
class QSlider;

namespace quillorbitex {

class AppModel;
class SegmentedPicker;
class ThemedLabel;
class ToggleSwitch;

// The overview's preferences: the freeform matching threshold, automatic update checks, Open at
// Login, the language and the theme, each with a note beneath. Every control writes straight into
// the model and shows what the model holds afterwards, so a change refused or adjusted by the
// model (a clamped threshold, a login item that could not be changed) shows as the model has it.
// Keeps no state of its own.
class DashboardPreferencesCard final : public QWidget {
    Q_OBJECT

public:
    // The slider works in hundredths: 5 to 40, step 1.
    static constexpr int thresholdSliderMinimum = 5;
    static constexpr int thresholdSliderMaximum = 40;

    explicit DashboardPreferencesCard(AppModel& model, QWidget* parent = nullptr);

    QSlider* thresholdSlider() const { return thresholdSlider_; }
    ToggleSwitch* automaticUpdateSwitch() const { return updateSwitch_; }
    ToggleSwitch* openAtLoginSwitch() const { return loginSwitch_; }
    QComboBox* languagePicker() const { return languagePicker_; }
    SegmentedPicker* themePicker() const { return themePicker_; }
    // The texts beside the slider and under the Open at Login switch.
    ThemedLabel* thresholdValueLabel() const { return thresholdValue_; }
    ThemedLabel* openAtLoginNote() const { return loginNote_; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    void showThreshold();
    void showAutomaticUpdateChecks();
    void showOpenAtLogin();
    void showLanguage();
    void showTheme();

    AppModel& model_;
    ThemedLabel* heading_;
    ThemedLabel* thresholdTitle_;
    ThemedLabel* thresholdValue_;
    QSlider* thresholdSlider_;
    ThemedLabel* thresholdNote_;
    ThemedLabel* updateTitle_;
    ToggleSwitch* updateSwitch_;
    ThemedLabel* updateNote_;
    ThemedLabel* loginTitle_;
    ToggleSwitch* loginSwitch_;
    ThemedLabel* loginNote_;
    ThemedLabel* languageTitle_;
    QComboBox* languagePicker_;
    ThemedLabel* languageNote_;
    ThemedLabel* themeTitle_;
    SegmentedPicker* themePicker_;
    ThemedLabel* themeNote_;
};

}  // namespace quillorbitex
