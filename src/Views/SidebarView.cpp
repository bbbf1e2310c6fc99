#include "Views/SidebarView.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "Views/CaptureToggleWidget.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/Icons.h"
#include "Views/Components/PlainText.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kRowHeight = 38;
constexpr int kRowInset = 8;
constexpr int kRowPadding = 14;
constexpr double kRowRadius = 8;
constexpr int kIconBox = 16;

// The sections' marks, drawn as outlines in a 16 px box: a grid of four tiles, a scribble, a bolt
// in a circle and a heart-rate trace. At one device pixel per point the outlines are 1 px wide on
// half-pixel positions, so that straight edges fall on whole pixels; on denser screens they are
// 1.5 px wide, as heavy as the labels beside them.
void drawSectionIcon(QPainter& painter, const QRectF& box, DashboardSection section,
                     const QColor& color) {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 16.0, box.height() / 16.0);
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1;
    QPen pen(color, ratio < 1.5 ? 1.0 : 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (section) {
        case DashboardSection::overview:
            for (const QPointF corner :
                 {QPointF(1.5, 1.5), QPointF(9.5, 1.5), QPointF(1.5, 9.5), QPointF(9.5, 9.5)}) {
                painter.drawRoundedRect(QRectF(corner, QSizeF(5, 5)), 1.5, 1.5);
            }
            break;
        case DashboardSection::customGestures: {
            QPainterPath path(QPointF(1.5, 11));
            path.cubicTo(3, 4, 6, 2.5, 6.5, 6);
            path.cubicTo(7, 9.5, 4, 12.5, 6.5, 13);
            path.cubicTo(9, 13.5, 10, 5, 12.5, 4.5);
            path.cubicTo(14.5, 4.2, 14, 9, 14.5, 11.5);
            painter.drawPath(path);
            break;
        }
        case DashboardSection::activeGestures: {
            painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            // An upright bolt, filled, so that it stays a shape rather than a smudge when small.
            QPainterPath bolt;
            bolt.moveTo(9, 3.5);
            bolt.lineTo(4.75, 8.75);
            bolt.lineTo(7.75, 8.75);
            bolt.lineTo(7, 12.5);
            bolt.lineTo(11.25, 7.25);
            bolt.lineTo(8.25, 7.25);
            bolt.closeSubpath();
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            painter.drawPath(bolt);
            break;
        }
        case DashboardSection::debugging: {
            const QPointF trace[] = {{0.5, 8.5}, {4, 8.5},     {5.5, 4},    {7.5, 13},
                                     {9.5, 2.5}, {11.5, 10.5}, {12.5, 8.5}, {15.5, 8.5}};
            painter.drawPolyline(trace, static_cast<int>(std::size(trace)));
            break;
        }
    }
    painter.restore();
}

// One navigation row: a selection bar, the section's mark and its title, on a rounded highlight
// that stands 8 px in from the column's edges while the row is the current one.
class SectionRow final : public QAbstractButton {
public:
    SectionRow(DashboardSection section, QWidget* parent)
        : QAbstractButton(parent), section_(section) {
        setAccessibilityIdentifier(
            *this, QStringLiteral("DashboardSidebar_") +
                       QString::fromLatin1(rawValue(section).data(),
                                           static_cast<qsizetype>(rawValue(section).size())));
        setFixedHeight(kRowHeight);
        setCursor(Qt::PointingHandCursor);
        setFont(Theme::font(Theme::Font::heading3));
    }

    void setSelected(bool selected) {
        selected_ = selected;
        retranslate();
        update();
    }

    void retranslate() {
        setText(title(section_));
        setAccessibleName(text());
        updateToolTip();
        setProperty("accessibilityValue",
                    selected_ ? L10n::string("selected") : L10n::string("unselected"));
    }

    // Where the title is drawn: right of the selection bar and the mark.
    QRectF titleArea() const {
        const QRectF highlight = QRectF(rect()).adjusted(kRowInset, 0, -kRowInset, 0);
        const double x = highlight.left() + kRowPadding + 2 + 10 + kIconBox + 10;
        return {x, highlight.top(), highlight.right() - kRowPadding - x, highlight.height()};
    }

    bool isTitleElided() const {
        return QFontMetricsF(font()).horizontalAdvance(text()) > titleArea().width();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QAbstractButton::resizeEvent(event);
        updateToolTip();
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF highlight = QRectF(rect()).adjusted(kRowInset, 0, -kRowInset, 0);
        if (selected_) {
            QPainterPath shape;
            shape.addRoundedRect(highlight, kRowRadius, kRowRadius);
            painter.fillPath(shape, Theme::color(Token::bgHover, *this));
        }
        if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            painter.setPen(QPen(Theme::color(Token::accentPrimary, *this), 1));
            painter.drawRoundedRect(highlight.adjusted(0.5, 0.5, -0.5, -0.5), kRowRadius,
                                    kRowRadius);
        }
        double x = highlight.left() + kRowPadding;
        const double middle = highlight.center().y();
        if (selected_) {
            QPainterPath bar;
            bar.addRoundedRect(QRectF(x, middle - 9, 2, 18), 1, 1);
            painter.fillPath(bar, Theme::color(Token::accentPrimary, *this));
        }
        x += 2 + 10;
        drawSectionIcon(
            painter, QRectF(x, middle - kIconBox / 2.0, kIconBox, kIconBox), section_,
            Theme::color(selected_ ? Token::accentPrimary : Token::textSecondary, *this));
        const QRectF textArea = titleArea();
        painter.setFont(font());
        painter.setPen(Theme::color(Token::textPrimary, *this));
        painter.drawText(
            textArea, Qt::AlignLeft | Qt::AlignVCenter,
            QFontMetricsF(font()).elidedText(text(), Qt::ElideRight, textArea.width()));
    }

private:
    // A title that still does not fit in some language can be read whole from its tooltip.
    void updateToolTip() { setToolTip(isTitleElided() ? plainToolTip(text()) : QString()); }

    DashboardSection section_;
    bool selected_ = false;
};

// The product mark beside the name.
class BrandMark final : public QWidget {
public:
    explicit BrandMark(QWidget* parent) : QWidget(parent) { setFixedSize(22, 22); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        Icons::paintApplicationIcon(painter, QRectF(rect()));
    }
};

// A 1 px line in the subtle border colour.
class Divider final : public QWidget {
public:
    explicit Divider(QWidget* parent) : QWidget(parent) { setFixedHeight(1); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Theme::color(Token::borderSubtle, *this));
    }
};

QWidget* padded(QWidget* content, int left, int top, int right, int bottom, QWidget* parent) {
    auto* holder = new QWidget(parent);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(left, top, right, bottom);
    layout->setSpacing(0);
    layout->addWidget(content);
    return holder;
}

}  // namespace

SidebarView::SidebarView(AppModel& model, QWidget* parent)
    : QWidget(parent),
      brand_(new ThemedTextLabel(Theme::Font::heading2, Token::textPrimary,
                                 ThemedTextLabel::Overflow::none, this)),
      caption_(new ThemedTextLabel(Theme::Font::captionText, Token::textSecondary,
                                   ThemedTextLabel::Overflow::none, this)),
      captureToggle_(new CaptureToggleWidget(model, this)) {
    setObjectName(QStringLiteral("DashboardSidebar"));
    setFixedWidth(columnWidth);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* brandRow = new QWidget(this);
    auto* brandLayout = new QHBoxLayout(brandRow);
    brandLayout->setContentsMargins(18, 22, 18, 24);
    brandLayout->setSpacing(10);
    brandLayout->addWidget(new BrandMark(brandRow));
    brandLayout->addWidget(brand_, 1);
    column->addWidget(brandRow);

    auto* navigation = new QVBoxLayout();
    navigation->setContentsMargins(0, 0, 0, 0);
    navigation->setSpacing(6);
    navigation->addWidget(padded(caption_, 18, 0, 18, 4, this));
    for (const DashboardSection section : allCases<DashboardSection>()) {
        auto* row = new SectionRow(section, this);
        connect(row, &QAbstractButton::clicked, this,
                [this, section] { Q_EMIT sectionSelected(section); });
        navigation->addWidget(row);
        rows_[section] = row;
    }
    column->addLayout(navigation);
    column->addWidget(padded(new Divider(this), 14, 12, 14, 12, this));
    column->addStretch(1);
    column->addWidget(padded(captureToggle_, 14, 14, 14, 14, this));

    retranslate();
    setSelectedSection(selected_);
}

void SidebarView::setSelectedSection(DashboardSection section) {
    selected_ = section;
    for (const auto& [rowSection, row] : rows_) {
        static_cast<SectionRow*>(row)->setSelected(rowSection == section);
    }
}

bool SidebarView::isTitleElided(DashboardSection section) const {
    return static_cast<const SectionRow*>(rows_.at(section))->isTitleElided();
}

QAbstractButton* SidebarView::row(DashboardSection section) const {
    return rows_.at(section);
}

void SidebarView::retranslate() {
    brand_->setText(L10n::string("Quillorbitex"));
    caption_->setText(L10n::string("Sections").toUpper());
    for (const auto& [section, row] : rows_) {
        static_cast<SectionRow*>(row)->retranslate();
    }
}

void SidebarView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void SidebarView::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), Theme::color(Token::bgPrimary, *this));
}

}  // namespace quillorbitex
