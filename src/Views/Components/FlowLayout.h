#pragma once

#include <QLayout>
#include <QList>

namespace quillorbitex {

// Lays its widgets out left to right in their preferred sizes and starts a new line wherever the
// next one would pass the right edge, so that a row of buttons stays whole in any width (longer
// translations, a narrow window). The height follows the width; the least width is the widest
// item's least width. Items are centred vertically on their line.
//
// Wrapped text (a `ThemedTextLabel`) takes the width of its text on one line, so the items after
// it stay beside it only when both fit and go under it otherwise; text wider than a whole line is
// given the line's width and wraps there. An item that expands horizontally (a text field) takes
// what is left of its line once the items after it that fit there have their preferred widths.
class FlowLayout final : public QLayout {
public:
    FlowLayout(int horizontalSpacing, int verticalSpacing);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    // Places `widget` before the item at `index` (at the end when out of range).
    void insertWidget(int index, QWidget* widget);
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in `rect` (only measures when `apply` is false); returns the height used.
    int arrange(const QRect& rect, bool apply) const;
    // The size of `item` on a line `available` wide, where the items after it take `following`.
    static QSize sizeOnLine(const QLayoutItem& item, int available, int following);

    QList<QLayoutItem*> items_;
    int horizontalSpacing_;
    int verticalSpacing_;
};

}  // namespace quillorbitex
