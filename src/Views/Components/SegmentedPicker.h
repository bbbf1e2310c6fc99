#pragma once

#include <QVariant>
#include <QWidget>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QHBoxLayout;

namespace quillorbitex {

// A row of equally wide segments of which exactly one is chosen, drawn in the theme's neutral
// colours (no tint): the chosen segment is raised on the sunken track. Each segment is a
// checkable button named by its text for assistive technology; the left and right arrow keys
// move the choice while the picker has focus. Items carry data like a combo box's, so the same
// row builders fill both.
//
// The picker is what takes the focus, so assistive technology hears the choice from the picker
// itself: a group named by its label whose description (and value) is the chosen segment's text,
// announced again whenever that text changes.
class SegmentedPicker final : public QWidget {
    Q_OBJECT

public:
    explicit SegmentedPicker(QWidget* parent = nullptr);

    void addItem(const QString& text, const QVariant& tag = {});
    void setItemText(int index, const QString& text);
    QString itemText(int index) const;
    QVariant itemData(int index) const;
    int findData(const QVariant& tag) const;
    int count() const { return static_cast<int>(segments_.size()); }
    QAbstractButton* segment(int index) const;

    // -1 while nothing is chosen. Setting it emits nothing.
    int currentIndex() const;
    void setCurrentIndex(int index);
    QVariant currentData() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The user chose the segment at `index` (a click, an arrow key or an assistive technology's
    // action), and it was not chosen yet.
    void activated(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class Segment;

    void takeChoice(int index);
    int segmentWidth() const;
    // Tells assistive technology the chosen segment's text when it is not the one told last.
    void announceChoice();

    int chosen_ = -1;
    QString announced_;

    std::vector<Segment*> segments_;
    QButtonGroup* group_;
    QHBoxLayout* layout_;
};

}  // namespace quillorbitex
