#include "Views/Dashboard/SectionHeader.h"

#include <QEvent>
#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "Views/Theme/TokenLabel.h"

namespace quillorbitex {

SectionHeader::SectionHeader(std::string_view titleKey, std::string_view subtitleKey,
                             QWidget* parent)
    : QWidget(parent),
      titleKey_(titleKey),
      subtitleKey_(subtitleKey),
      title_(new TokenLabel({}, Theme::Font::heading1, ThemePalette::Token::textPrimary, this)),
      subtitle_(
          new TokenLabel({}, Theme::Font::bodyText, ThemePalette::Token::textSecondary, this)) {
    subtitle_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(title_);
    layout->addWidget(subtitle_);
    retranslate();
}

QString SectionHeader::title() const {
    return title_->text();
}

QString SectionHeader::subtitle() const {
    return subtitle_->text();
}

void SectionHeader::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void SectionHeader::retranslate() {
    title_->setText(L10n::string(titleKey_));
    subtitle_->setText(L10n::string(subtitleKey_));
}

}  // namespace quillorbitex
