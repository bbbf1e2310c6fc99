#pragma once

#include <QWidget>
#include <string_view>

namespace quillorbitex {

class TokenLabel;

// The title and subtitle every dashboard section opens with. Both are string-table keys (English
// texts marked with L10N_KEY), looked up again when the language changes.
class SectionHeader final : public QWidget {
    Q_OBJECT

public:
    SectionHeader(std::string_view titleKey, std::string_view subtitleKey,
                  QWidget* parent = nullptr);

    // The texts shown now.
    QString title() const;
    QString subtitle() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::string_view titleKey_;
    std::string_view subtitleKey_;
    TokenLabel* title_;
    TokenLabel* subtitle_;
};

}  // namespace quillorbitex
