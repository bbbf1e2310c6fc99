#pragma once

#include <QFrame>

namespace quillorbitex {

class ThemedLabel;
class WrappingText;

// One metric of the overview: a small upper-case title, the value in large type and a line of
// detail that wraps as far as it needs, on an elevated rounded card at least 108 px high. The
// card shows the texts it is given; whoever builds it keeps them current.
class OverviewMetricCard final : public QFrame {
    Q_OBJECT

public:
    static constexpr int minimumCardHeight = 108;

    OverviewMetricCard(const QString& title, const QString& value, const QString& detail,
                       QWidget* parent = nullptr);

    void setTexts(const QString& title, const QString& value, const QString& detail);
    QString title() const;
    QString value() const;
    QString detail() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WrappingText* title_;
    ThemedLabel* value_;
    WrappingText* detail_;
};

}  // namespace quillorbitex
