#include "Views/Onboarding/PermissionBlock.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>

#include "Views/Components/FlowLayout.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kTileSize = 44;
constexpr int kSymbolSize = 24;
constexpr double kCornerRadius = 10;
constexpr int kMargin = 14;
// The least width left to the explanation before the buttons move under it.
constexpr int kLeastTextWidth = 320;

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

}  // namespace

// The symbol on a faint wash of the status colour.
class PermissionBlock::Tile final : public QWidget {
public:
    Tile(OnboardingSymbol::Shape shape, QWidget* parent) : QWidget(parent), shape_(shape) {
        setFixedSize(kTileSize, kTileSize);
    }

    void setColorToken(Token token) {
        token_ = token;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor color = Theme::color(token_, *this);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
        painter.fillPath(shape, withAlpha(color, 0.12));
        const double inset = (kTileSize - kSymbolSize) / 2.0;
        OnboardingSymbol::paint(painter, shape_, QRectF(inset, inset, kSymbolSize, kSymbolSize),
                                color);
    }

private:
    OnboardingSymbol::Shape shape_;
    Token token_ = Token::statusAmber;
};

PermissionBlock::PermissionBlock(OnboardingSymbol::Shape symbol, QWidget* parent)
    : QWidget(parent),
      tile_(new Tile(symbol, this)),
      title_(new ThemedTextLabel(Theme::Font::heading3, Token::textPrimary,
                                 ThemedTextLabel::Overflow::wrap, this)),
      pill_(new StatusPill(StatusPill::State::amber({}), this)),
      detail_(new ThemedTextLabel(Theme::Font::bodyText, Token::textSecondary,
                                  ThemedTextLabel::Overflow::wrap, this)),
      actionsBox_(new QWidget(this)),
      row_(new QHBoxLayout(this)),
      text_(new QVBoxLayout) {
    // The pill beside the title, centred on it, or under it where the title takes the line.
    auto* heading = new FlowLayout(8, 4);
    heading->addWidget(title_);
    heading->addWidget(pill_);
    text_->setSpacing(4);
    text_->addLayout(heading);
    text_->addWidget(detail_);
    actions_ = new QHBoxLayout(actionsBox_);
    actions_->setContentsMargins(0, 0, 0, 0);
    actions_->setSpacing(8);

    row_->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    row_->setSpacing(kMargin);
    row_->addWidget(tile_, 0, Qt::AlignVCenter);
    row_->addLayout(text_, 1);
    row_->addWidget(actionsBox_, 0, Qt::AlignVCenter);
    tile_->setColorToken(pill_->state().colorToken());
}

void PermissionBlock::setTitle(const QString& title) {
    title_->setText(title);
}

void PermissionBlock::setDetail(const QString& detail) {
    detail_->setText(detail);
}

void PermissionBlock::setPillState(const StatusPill::State& state) {
    pill_->setState(state);
    tile_->setColorToken(state.colorToken());
    update();
}

void PermissionBlock::addAction(QWidget* action) {
    action->setParent(this);
    actions_->addWidget(action, 0, Qt::AlignVCenter);
}

QString PermissionBlock::title() const {
    return title_->text();
}

QString PermissionBlock::detail() const {
    return detail_->text();
}

bool PermissionBlock::actionsBelowText() const {
    return row_->indexOf(actionsBox_) < 0;
}

void PermissionBlock::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

void PermissionBlock::arrange() {
    const int buttons = actionsBox_->sizeHint().width();
    // The block can always be as narrow as the buttons under the text need.
    setMinimumWidth(2 * kMargin + kTileSize + kMargin + std::max(buttons, kLeastTextWidth / 2));
    const int besideText = width() - 2 * kMargin - kTileSize - 2 * kMargin - buttons;
    const bool below = besideText < kLeastTextWidth;
    if (below == actionsBelowText()) {
        return;
    }
    if (below) {
        row_->removeWidget(actionsBox_);
        text_->addSpacing(6);
        text_->addWidget(actionsBox_, 0, Qt::AlignLeft);
    } else {
        text_->removeWidget(actionsBox_);
        // The spacing added with the buttons.
        delete text_->takeAt(text_->count() - 1);
        row_->addWidget(actionsBox_, 0, Qt::AlignVCenter);
    }
}

const StatusPill::State& PermissionBlock::pillState() const {
    return pill_->state();
}

void PermissionBlock::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(outline, kCornerRadius, kCornerRadius);
    painter.fillPath(shape, Theme::color(Token::bgHover, *this));
    painter.setPen(QPen(withAlpha(Theme::color(pill_->state().colorToken(), *this), 0.25), 1));
    painter.drawPath(shape);
}

}  // namespace quillorbitex
