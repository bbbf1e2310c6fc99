#pragma once

#include <QWidget>
#include <chrono>
#include <vector>

#include "Views/Onboarding/SpringCurve.h"

class QVBoxLayout;

namespace quillorbitex {

class AppModel;
class SpringAnimation;
class ThemedTextLabel;
class TransformEffect;

// What the onboarding's steps share: a large title with a subtitle (the hero) above the step's
// own parts, all in one column aligned to the top, and the reveal that brings each part into view
// the first time the step comes on screen (faded in while it rises into place and grows to full
// size, each part on its own spring). A step is made anew every time it is entered, so the reveal
// runs again on every entry.
class OnboardingStepView : public QWidget {
    Q_OBJECT

public:
    ~OnboardingStepView() override;

    // Whether every part has finished coming into view.
    bool isRevealed() const;

    QString heroTitle() const;
    QString heroSubtitle() const;

protected:
    OnboardingStepView(AppModel& model, const char* identifier, QWidget* parent);

    AppModel& model() const { return model_; }
    // Adds a part below the hero and the parts added before it.
    void addPart(QWidget* part);
    void setHeroTexts(const QString& title, const QString& subtitle);
    // Keeps `part` out of view until the step is first shown, then brings it in after `delay`:
    // from `offset` px below its place and `scale` of its size (about its top-left corner),
    // fully transparent.
    void addReveal(QWidget* part, double offset, double scale, SpringCurve curve,
                   std::chrono::milliseconds delay);

    // The step's texts in the current language.
    virtual void retranslate() = 0;
    // Every time the step comes on screen, after its reveal has started.
    virtual void appeared() {}

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Reveal {
        QWidget* part;
        double offset;
        double scale;
        SpringCurve curve;
        std::chrono::milliseconds delay;
        TransformEffect* effect;
        SpringAnimation* animation;
    };

    void startReveals();

    AppModel& model_;
    QVBoxLayout* layout_;
    QWidget* hero_;
    ThemedTextLabel* title_;
    ThemedTextLabel* subtitle_;
    std::vector<Reveal> reveals_;
    bool revealStarted_ = false;
    int revealsRunning_ = 0;
};

}  // namespace quillorbitex
