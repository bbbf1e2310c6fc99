#include "Views/UpdateDialog.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/Icons.h"
#include "Views/Components/InputConventions.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/DarkCardFrame.h"
#include "Views/Theme/GhostButton.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kIconSize = 64;

ThemedTextLabel* textLabel(const QString& text, Theme::Font font, Token color, QWidget* parent) {
    auto* label = new ThemedTextLabel(font, color, ThemedTextLabel::Overflow::wrap, parent);
    label->setText(text);
    return label;
}

void identify(QWidget* widget, const char* identifier, const QString& label = {}) {
    setAccessibilityIdentifier(*widget, QString::fromLatin1(identifier));
    if (!label.isEmpty()) {
        widget->setAccessibleName(label);
    }
}

struct Texts {
    QString title;
    QString message;
};

QString sentences(const QString& first, const QString& second) {
    return first + QLatin1Char(' ') + second;
}

Texts textsFor(const UpdateCheckOutcome& outcome) {
    using Kind = UpdateCheckOutcome::Kind;
    switch (outcome.kind) {
        case Kind::upToDate:
            return {L10n::string("You're up to date"),
                    L10n::format("Quillorbitex %@ is the newest version available.",
                                 outcome.currentVersion)};
        case Kind::updateAvailable: {
            const QString available = outcome.newest ? outcome.newest->displayVersion : QString();
            const QString message = L10n::format("Quillorbitex %1$@ is available; you have %2$@.",
                                                 available, outcome.currentVersion);
            const QString install =
                L10n::string("Download it and install it with your package manager.");
            const bool hasLink = outcome.newest && !outcome.newest->downloadURL.isEmpty();
            return {L10n::string("A new version of Quillorbitex is available"),
                    hasLink ? sentences(message, install) : message};
        }
        case Kind::unreachable:
            return {L10n::string("Update check failed"),
                    sentences(L10n::string("Quillorbitex could not reach the update server."),
                              L10n::string("Check your network connection and try again."))};
        case Kind::unreadable:
            return {
                L10n::string("Update check failed"),
                sentences(L10n::string("The update server sent no readable update information."),
                          L10n::string("Try again later."))};
    }
    return {};
}

// The application icon, drawn at the screen's own resolution.
class IconView final : public QWidget {
public:
    explicit IconView(QWidget* parent) : QWidget(parent) { setFixedSize(kIconSize, kIconSize); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        Icons::paintApplicationIcon(painter, QRectF(rect()));
    }
};

}  // namespace

UpdateDialog::UpdateDialog(const UpdateCheckOutcome& outcome, QWidget* parent) : QDialog(parent) {
    // The window may open without the dashboard; its buttons take Return all the same.
    InputConventions::install();
    identify(this, "updateDialog");
    setWindowTitle(L10n::string("Software Update"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumWidth(440);

    const Texts texts = textsFor(outcome);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(24, 24, 24, 20);
    outer->setSpacing(18);
    outer->addWidget(new IconView(this), 0, Qt::AlignTop);

    auto* column = new QVBoxLayout();
    column->setSpacing(10);
    outer->addLayout(column, 1);

    auto* title = textLabel(texts.title, Theme::Font::heading2, Token::textPrimary, this);
    identify(title, "updateDialog.title");
    column->addWidget(title);
    auto* message = textLabel(texts.message, Theme::Font::bodyText, Token::textSecondary, this);
    identify(message, "updateDialog.message");
    column->addWidget(message);

    const bool available =
        outcome.kind == UpdateCheckOutcome::Kind::updateAvailable && outcome.newest.has_value();
    if (available && !outcome.newest->notes.isEmpty()) {
        auto* card = new DarkCardFrame(this);
        QVBoxLayout* cardLayout = card->contentLayout();
        cardLayout->setSpacing(8);
        cardLayout->addWidget(textLabel(L10n::string("Release notes"), Theme::Font::captionText,
                                        Token::textSecondary, this));
        auto* notes = new QPlainTextEdit(card);
        identify(notes, "updateDialog.notes", L10n::string("Release notes"));
        notes->setPlainText(outcome.newest->notes);
        notes->setReadOnly(true);
        notes->setFrameShape(QFrame::NoFrame);
        notes->setFont(Theme::font(Theme::Font::bodyText));
        notes->setMinimumHeight(120);
        notes->setMaximumHeight(240);
        QPalette palette = notes->palette();
        palette.setColor(QPalette::Base, Theme::color(Token::bgElevated, *this));
        palette.setColor(QPalette::Text, Theme::color(Token::textPrimary, *this));
        notes->setPalette(palette);
        cardLayout->addWidget(notes);
        column->addWidget(card);
    }

    auto* buttons = new QHBoxLayout();
    buttons->setSpacing(10);
    buttons->addStretch(1);
    auto* close = new GhostButton(L10n::string("Close"), this);
    identify(close, "updateDialog.close", close->text());
    connect(close, &QAbstractButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    if (available && !outcome.newest->downloadURL.isEmpty()) {
        const QUrl url = outcome.newest->downloadURL;
        auto* download = new AccentButton(L10n::string("Download"), false, this);
        identify(download, "updateDialog.download", download->text());
        connect(download, &QAbstractButton::clicked, this, [this, url] {
            Q_EMIT downloadRequested(url);
            accept();
        });
        buttons->addWidget(download);
        download->setFocus();
    } else {
        close->setFocus();
    }
    column->addSpacing(6);
    column->addLayout(buttons);
}

}  // namespace quillorbitex
