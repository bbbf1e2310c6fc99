// A rule name and a capsule on one flowing line: the name takes the room it needs, and the capsule
// goes beside it only when both fit.
#include <gtest/gtest.h>

#include <QWidget>

#include "Views/Components/CapsuleLabel.h"
#include "Views/Components/FlowLayout.h"
#include "Views/Components/ThemedTextLabel.h"

namespace quillorbitex {
namespace {

TEST(FlowLayout, WrappedTextTakesItsLineAndWhatFollowsGoesBesideOnlyWhenBothFit) {
    // A name of about a third of a card and one wider than a paragraph prefers elsewhere.
    for (const QString& text :
         {QStringLiteral("Open files and folders in the file manager"),
          QStringLiteral("Open the weekly planning board of the input team with the filters of the "
                         "last thirty days")}) {
        QWidget host;
        auto* layout = new FlowLayout(8, 4);
        host.setLayout(layout);
        auto* name = new ThemedTextLabel(Theme::Font::heading3, ThemePalette::Token::textPrimary,
                                         ThemedTextLabel::Overflow::wrap);
        name->setText(text);
        auto* capsule = new CapsuleLabel;
        capsule->setText(QStringLiteral("Custom"));
        layout->addWidget(name);
        layout->addWidget(capsule);
        host.show();
        const int nameWidth = name->oneLineWidth();
        const int besideWidth = nameWidth + 8 + capsule->sizeHint().width();
        const struct {
            int lineWidth;
            bool nameOnOneLine;
            bool capsuleBeside;
        } cases[] = {
            {besideWidth, true, true},
            {nameWidth, true, false},
            {nameWidth - 1, false, false},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(text.toStdString() + " in " + std::to_string(c.lineWidth));
            host.resize(c.lineWidth, layout->heightForWidth(c.lineWidth));
            layout->activate();
            const bool oneLine = name->height() == name->heightForWidth(QWIDGETSIZE_MAX);
            EXPECT_EQ(oneLine, c.nameOnOneLine) << name->width() << " wide";
            EXPECT_EQ(capsule->y() < name->geometry().bottom(), c.capsuleBeside);
            if (!oneLine) {
                EXPECT_EQ(name->width(), c.lineWidth);
            }
        }
    }
}

}  // namespace
}  // namespace quillorbitex
