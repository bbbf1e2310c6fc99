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
        for (const int line : {besideWidth, nameWidth, nameWidth - 1}) {
            SCOPED_TRACE(text.toStdString() + " in " + std::to_string(line));
            host.resize(line, layout->heightForWidth(line));
            layout->activate();
            const bool oneLine = name->height() == name->heightForWidth(QWIDGETSIZE_MAX);
            EXPECT_EQ(oneLine, line >= nameWidth) << name->width() << " wide";
            EXPECT_EQ(capsule->y() < name->geometry().bottom(), line >= besideWidth);
            EXPECT_TRUE(oneLine || name->width() == line) << "a wrapped name takes the line";
        }
    }
}

}  // namespace
}  // namespace quillorbitex
