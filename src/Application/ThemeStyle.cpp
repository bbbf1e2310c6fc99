#include "Application/ThemeStyle.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <algorithm>

#include "Application/ThemePalette.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kScrollBarExtent = 10;
constexpr int kScrollBarThumbMinimum = 32;
constexpr int kSliderThickness = 22;
constexpr int kSliderHandle = 18;
constexpr double kTrackHeight = 4;
constexpr int kComboHeight = 34;
constexpr double kComboRadius = 8;

QColor color(Token token, const QPalette& palette) {
    return ThemePalette::color(token, palette);
}

// The thumb's place along a scroll bar of `length` pixels.
std::pair<int, int> thumbSpan(const QStyleOptionSlider& bar, int length) {
    const qint64 range = static_cast<qint64>(bar.maximum) - bar.minimum;
    if (range <= 0) {
        return {0, length};
    }
    const qint64 page = std::max(bar.pageStep, 1);
    const int size = std::clamp(static_cast<int>(length * page / (range + page)),
                                std::min(kScrollBarThumbMinimum, length), length);
    const int start = QStyle::sliderPositionFromValue(bar.minimum, bar.maximum, bar.sliderPosition,
                                                      length - size, bar.upsideDown);
    return {start, size};
}

// The rows of an open combo box list: padded, the text elided as the list asks, on the theme's
// hover and selection colours.
class PopupRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize text = QStyledItemDelegate::sizeHint(option, index);
        return {text.width() + 2 * ThemeStyle::popupRowHorizontalPadding,
                std::max(text.height(), option.fontMetrics.height()) +
                    2 * ThemeStyle::popupRowVerticalPadding};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette& palette = option.palette;
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        const bool hovered = (option.state & QStyle::State_MouseOver) != 0;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (selected || hovered) {
            QPainterPath row;
            row.addRoundedRect(QRectF(option.rect).adjusted(4, 1, -4, -1), 6, 6);
            painter->fillPath(row, color(selected ? Token::accentMuted : Token::bgHover, palette));
        }
        const QRect text = option.rect.adjusted(ThemeStyle::popupRowHorizontalPadding, 0,
                                                -ThemeStyle::popupRowHorizontalPadding, 0);
        painter->setFont(option.font);
        painter->setPen(color(Token::textPrimary, palette));
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                          option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                        option.textElideMode, text.width()));
        painter->restore();
    }
};

bool isPopupList(const QWidget* widget) {
    return widget->inherits("QComboBoxPrivateContainer");
}

QPainterPath popupShape(const QWidget& popup) {
    QPainterPath shape;
    shape.addRoundedRect(QRectF(popup.rect()).adjusted(0.5, 0.5, -0.5, -0.5),
                         ThemeStyle::popupRadius, ThemeStyle::popupRadius);
    return shape;
}

}  // namespace

ThemeStyle::ThemeStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ThemeStyle::install() {
    if (dynamic_cast<ThemeStyle*>(QApplication::style()) == nullptr) {
        QApplication::setStyle(new ThemeStyle);
    }
}

QColor ThemeStyle::trackColor(const QPalette& palette) {
    return ThemePalette::mix(color(Token::textTertiary, palette),
                             color(Token::textSecondary, palette), 0.5);
}

int ThemeStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    switch (metric) {
        case PM_ScrollBarExtent:
            return kScrollBarExtent;
        case PM_ScrollBarSliderMin:
            return kScrollBarThumbMinimum;
        case PM_SliderThickness:
            return kSliderThickness;
        case PM_SliderLength:
        case PM_SliderControlThickness:
            return kSliderHandle;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int ThemeStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const {
    // A long list scrolls in a pop-up of bounded height rather than covering the screen.
    if (hint == SH_ComboBox_Popup) {
        return 0;
    }
    // The list draws its own rounded outline.
    if (hint == SH_ComboBox_PopupFrameStyle) {
        return QFrame::NoFrame;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ThemeStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (dynamic_cast<PopupRowDelegate*>(combo->itemDelegate()) == nullptr) {
            combo->setItemDelegate(new PopupRowDelegate(combo));
        }
        // The panel's inset above the first row and below the last, set before the list first
        // opens: the combo box sizes its list for the rows plus the list window's contents margins
        // (an inset added when the list shows cut its last row). Those margins hold the window's
        // frame; the inset lies beyond it, so that a change of frame keeps it.
        if (auto* panel = qobject_cast<QFrame*>(combo->view()->window())) {
            const int frame = panel->frameWidth();
            panel->setContentsMargins(frame, frame + popupVerticalInset, frame,
                                      frame + popupVerticalInset);
        }
    } else if (isPopupList(widget)) {
        widget->installEventFilter(this);
    }
}

void ThemeStyle::unpolish(QWidget* widget) {
    if (isPopupList(widget)) {
        widget->removeEventFilter(this);
        widget->clearMask();
    }
    QProxyStyle::unpolish(widget);
}

bool ThemeStyle::eventFilter(QObject* watched, QEvent* event) {
    auto* popup = qobject_cast<QWidget*>(watched);
    if (popup == nullptr || !isPopupList(popup)) {
        return QProxyStyle::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::Show:
            popup->setMask(QRegion(popupShape(*popup).toFillPolygon().toPolygon()));
            for (auto* list : popup->findChildren<QAbstractItemView*>()) {
                // The panel drawn below shows through the list.
                list->setFrameShape(QFrame::NoFrame);
                QPalette clear = list->palette();
                clear.setColor(QPalette::Base, Qt::transparent);
                list->setPalette(clear);
            }
            break;
        case QEvent::Resize:
            // Cut to its rounded shape: a pop-up cannot rely on a compositor for translucency.
            popup->setMask(QRegion(popupShape(*popup).toFillPolygon().toPolygon()));
            break;
        case QEvent::Paint: {
            QPainter painter(popup);
            painter.setRenderHint(QPainter::Antialiasing);
            const QPainterPath shape = popupShape(*popup);
            painter.fillPath(shape, color(Token::bgElevated, popup->palette()));
            painter.setPen(QPen(color(Token::borderStrong, popup->palette()), 1));
            painter.drawPath(shape);
            break;
        }
        default:
            break;
    }
    return QProxyStyle::eventFilter(watched, event);
}

QRect ThemeStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                 SubControl subControl, const QWidget* widget) const {
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control == CC_ScrollBar && slider != nullptr) {
        const bool horizontal = slider->orientation == Qt::Horizontal;
        const QRect area = option->rect;
        const int length = horizontal ? area.width() : area.height();
        const auto [start, size] = thumbSpan(*slider, length);
        const auto along = [&](int from, int extent) {
            return horizontal ? QRect(area.x() + from, area.y(), extent, area.height())
                              : QRect(area.x(), area.y() + from, area.width(), extent);
        };
        switch (subControl) {
            case SC_ScrollBarSlider:
                return along(start, size);
            case SC_ScrollBarSubPage:
                return along(0, start);
            case SC_ScrollBarAddPage:
                return along(start + size, length - start - size);
            case SC_ScrollBarGroove:
                return area;
            case SC_ScrollBarAddLine:
            case SC_ScrollBarSubLine:
                return {};
            default:
                break;
        }
    }
    if (control == CC_ComboBox && subControl == SC_ComboBoxEditField) {
        // The text as far in from the rounded edge as in the theme's text fields.
        return QProxyStyle::subControlRect(control, option, subControl, widget)
            .adjusted(6, 0, 0, 0);
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

QStyle::SubControl ThemeStyle::hitTestComplexControl(ComplexControl control,
                                                     const QStyleOptionComplex* option,
                                                     const QPoint& position,
                                                     const QWidget* widget) const {
    if (control == CC_ScrollBar) {
        for (const SubControl part :
             {SC_ScrollBarSlider, SC_ScrollBarSubPage, SC_ScrollBarAddPage}) {
            if (subControlRect(control, option, part, widget).contains(position)) {
                return part;
            }
        }
        return SC_None;
    }
    return QProxyStyle::hitTestComplexControl(control, option, position, widget);
}

QSize ThemeStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                   const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_ComboBox) {
        result.setHeight(std::max(result.height(), kComboHeight));
        result.setWidth(result.width() + 8);
    }
    return result;
}

void ThemeStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    const QPalette& palette = option->palette;
    const bool enabled = (option->state & State_Enabled) != 0;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (!enabled) {
        painter->setOpacity(0.45);
    }
    switch (control) {
        case CC_ScrollBar: {
            const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
            if (bar != nullptr && bar->maximum > bar->minimum) {
                const QRectF thumb =
                    QRectF(subControlRect(control, option, SC_ScrollBarSlider, widget))
                        .adjusted(2, 2, -2, -2);
                const double radius = std::min(thumb.width(), thumb.height()) / 2;
                QPainterPath shape;
                shape.addRoundedRect(thumb, radius, radius);
                const bool active = (option->activeSubControls & SC_ScrollBarSlider) != 0 &&
                                    (option->state & (State_Sunken | State_MouseOver)) != 0;
                painter->fillPath(
                    shape, active ? color(Token::textSecondary, palette) : trackColor(palette));
            }
            break;
        }
        case CC_Slider: {
            const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
            if (slider == nullptr) {
                break;
            }
            const QRect handle = subControlRect(control, option, SC_SliderHandle, widget);
            const QRectF area = option->rect;
            const double middle = area.center().y();
            const QRectF track(area.left() + kSliderHandle / 2.0, middle - kTrackHeight / 2,
                               area.width() - kSliderHandle, kTrackHeight);
            QPainterPath whole;
            whole.addRoundedRect(track, kTrackHeight / 2, kTrackHeight / 2);
            painter->fillPath(whole, trackColor(palette));
            QRectF filled = track;
            filled.setRight(handle.center().x());
            QPainterPath done;
            done.addRoundedRect(filled, kTrackHeight / 2, kTrackHeight / 2);
            painter->fillPath(done, color(Token::accentPrimary, palette));
            const QRectF knob = QRectF(handle).adjusted(1, 1, -1, -1);
            const double side = std::min(knob.width(), knob.height());
            const QRectF circle(knob.center().x() - side / 2, knob.center().y() - side / 2, side,
                                side);
            painter->setBrush(Qt::white);
            painter->setPen(QPen(color(Token::accentPrimary, palette), 2));
            painter->drawEllipse(circle.adjusted(1, 1, -1, -1));
            if ((option->state & State_HasFocus) != 0 &&
                (option->state & State_KeyboardFocusChange) != 0) {
                painter->setBrush(Qt::NoBrush);
                painter->setPen(QPen(color(Token::accentText, palette), 1));
                painter->drawEllipse(circle.adjusted(-2, -2, 2, 2));
            }
            break;
        }
        case CC_ComboBox: {
            const QRectF field = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
            QPainterPath shape;
            shape.addRoundedRect(field, kComboRadius, kComboRadius);
            const bool focused = (option->state & State_HasFocus) != 0 &&
                                 (option->state & State_KeyboardFocusChange) != 0;
            const bool hovered = (option->state & State_MouseOver) != 0;
            painter->fillPath(shape, color(hovered ? Token::bgHover : Token::bgElevated, palette));
            painter->setPen(
                QPen(color(focused ? Token::accentPrimary : Token::borderMid, palette), 1));
            painter->drawPath(shape);
            // The chevron.
            const QRect arrow = subControlRect(control, option, SC_ComboBoxArrow, widget);
            const QPointF centre = QRectF(arrow).center();
            QPainterPath chevron;
            chevron.moveTo(centre + QPointF(-4, -2));
            chevron.lineTo(centre + QPointF(0, 2));
            chevron.lineTo(centre + QPointF(4, -2));
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(color(Token::textSecondary, palette), 1.5, Qt::SolidLine,
                                 Qt::RoundCap, Qt::RoundJoin));
            painter->drawPath(chevron);
            break;
        }
        default:
            painter->restore();
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
    }
    painter->restore();
}

}  // namespace quillorbitex
