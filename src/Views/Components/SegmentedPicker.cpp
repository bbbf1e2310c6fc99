#include "Views/Components/SegmentedPicker.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kHeight = 28;
constexpr int kTrackInset = 2;
constexpr int kHorizontalPadding = 14;
constexpr double kTrackRadius = 8;
constexpr double kSegmentRadius = 6;

// The picker as assistive technology sees it. Qt 6.4's AT-SPI bridge sends a widget's name and
// description but no text value (its value interface is numeric), so the chosen segment's text
// is the description; the value says the same to bridges that read one.
class PickerAccessible final : public QAccessibleWidget {
public:
    explicit PickerAccessible(SegmentedPicker* picker)
        : QAccessibleWidget(picker, QAccessible::Grouping), picker_(picker) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description || kind == QAccessible::Value) {
            const QString chosen = picker_->itemText(picker_->currentIndex());
            if (!chosen.isEmpty()) {
                return chosen;
            }
        }
        return QAccessibleWidget::text(kind);
    }

private:
    SegmentedPicker* picker_;
};

QAccessibleInterface* pickerAccessible(const QString&, QObject* object) {
    auto* picker = qobject_cast<SegmentedPicker*>(object);
    return picker != nullptr ? new PickerAccessible(picker) : nullptr;
}

}  // namespace

// One segment: its label, raised on an elevated rounded rectangle while chosen.
class SegmentedPicker::Segment final : public QAbstractButton {
public:
    Segment(const QString& text, QVariant data, QWidget* parent)
        : QAbstractButton(parent), data_(std::move(data)) {
        setCheckable(true);
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::PointingHandCursor);
        setFont(Theme::systemFont(13, QFont::Medium));
        setText(text);
    }

    const QVariant& data() const { return data_; }

    void setText(const QString& text) {
        QAbstractButton::setText(text);
        setAccessibleName(text);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (isChecked()) {
            const QRectF chip = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
            QPainterPath shape;
            shape.addRoundedRect(chip, kSegmentRadius, kSegmentRadius);
            painter.fillPath(shape, Theme::color(Token::bgElevated, *this));
            painter.setPen(QPen(Theme::color(Token::borderMid, *this), 1));
            painter.drawPath(shape);
        }
        painter.setFont(font());
        painter.setPen(
            Theme::color(isChecked() ? Token::textPrimary : Token::textSecondary, *this));
        const QRectF textArea = QRectF(rect()).adjusted(4, 0, -4, 0);
        // Plain text: an ampersand in a label is drawn, never taken as a mnemonic.
        const QString label =
            QFontMetricsF(font()).elidedText(text(), Qt::ElideRight, textArea.width());
        painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, label);
    }

private:
    QVariant data_;
};

SegmentedPicker::SegmentedPicker(QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)), layout_(new QHBoxLayout(this)) {
    static const bool accessible = [] {
        QAccessible::installFactory(&pickerAccessible);
        return true;
    }();
    Q_UNUSED(accessible);
    group_->setExclusive(true);
    layout_->setContentsMargins(kTrackInset, kTrackInset, kTrackInset, kTrackInset);
    layout_->setSpacing(kTrackInset);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // A segment can be checked without a click (an assistive technology's toggle action); every
    // way counts as a choice.
    connect(group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) {
            takeChoice(index);
        }
    });
}

void SegmentedPicker::addItem(const QString& text, const QVariant& tag) {
    auto* segment = new Segment(text, tag, this);
    group_->addButton(segment, count());
    segments_.push_back(segment);
    layout_->addWidget(segment);
    const int width = segmentWidth();
    for (Segment* each : segments_) {
        each->setFixedSize(width, kHeight - 2 * kTrackInset);
    }
    updateGeometry();
}

void SegmentedPicker::setItemText(int index, const QString& text) {
    if (index < 0 || index >= count()) {
        return;
    }
    segments_[static_cast<std::size_t>(index)]->setText(text);
    const int width = segmentWidth();
    for (Segment* each : segments_) {
        each->setFixedSize(width, kHeight - 2 * kTrackInset);
    }
    updateGeometry();
    // Another language renames the choice.
    announceChoice();
}

QString SegmentedPicker::itemText(int index) const {
    return index >= 0 && index < count() ? segments_[static_cast<std::size_t>(index)]->text()
                                         : QString();
}

QVariant SegmentedPicker::itemData(int index) const {
    return index >= 0 && index < count() ? segments_[static_cast<std::size_t>(index)]->data()
                                         : QVariant();
}

int SegmentedPicker::findData(const QVariant& tag) const {
    for (int i = 0; i < count(); ++i) {
        if (itemData(i) == tag) {
            return i;
        }
    }
    return -1;
}

QAbstractButton* SegmentedPicker::segment(int index) const {
    return index >= 0 && index < count() ? segments_[static_cast<std::size_t>(index)] : nullptr;
}

int SegmentedPicker::currentIndex() const {
    return chosen_;
}

void SegmentedPicker::setCurrentIndex(int index) {
    chosen_ = segment(index) != nullptr ? index : -1;
    if (QAbstractButton* chosen = segment(index)) {
        chosen->setChecked(true);
    } else if (QAbstractButton* checked = group_->checkedButton()) {
        // An exclusive group keeps one button checked; lift that to show no choice.
        group_->setExclusive(false);
        checked->setChecked(false);
        group_->setExclusive(true);
    }
    announceChoice();
}

QVariant SegmentedPicker::currentData() const {
    return itemData(currentIndex());
}

void SegmentedPicker::takeChoice(int index) {
    // The group has already checked the segment; choosing the chosen one again changes nothing,
    // so only a new choice is reported. setCurrentIndex() notes its choice first, so it reports
    // nothing.
    if (index != chosen_) {
        chosen_ = index;
        announceChoice();
        Q_EMIT activated(index);
    }
}

void SegmentedPicker::announceChoice() {
    const QString chosen = itemText(chosen_);
    if (chosen == announced_) {
        return;
    }
    announced_ = chosen;
    // The bridge sends this as the description's change, which a screen reader speaks for the
    // focused control: so the choice a key or a click made is heard.
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

int SegmentedPicker::segmentWidth() const {
    // Rounded up, so that no label is cut at the picker's own size.
    double widest = 0;
    for (const Segment* each : segments_) {
        widest = std::max(widest, QFontMetricsF(each->font()).horizontalAdvance(each->text()));
    }
    return static_cast<int>(std::ceil(widest)) + 2 * kHorizontalPadding;
}

QSize SegmentedPicker::sizeHint() const {
    const int n = count();
    return {n * segmentWidth() + std::max(n - 1, 0) * kTrackInset + 2 * kTrackInset, kHeight};
}

QSize SegmentedPicker::minimumSizeHint() const {
    return sizeHint();
}

void SegmentedPicker::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (step == 0 || count() == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int from = currentIndex() < 0 ? 0 : currentIndex();
    const int to = std::clamp(from + step, 0, count() - 1);
    if (to != currentIndex()) {
        setCurrentIndex(to);
        Q_EMIT activated(to);
    }
}

void SegmentedPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(track, kTrackRadius, kTrackRadius);
    painter.fillPath(shape, Theme::color(Token::bgSunken, *this));
    const bool keyboardFocus = hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
    painter.setPen(
        QPen(Theme::color(keyboardFocus ? Token::accentPrimary : Token::borderSubtle, *this), 1));
    painter.drawPath(shape);
}

}  // namespace quillorbitex
