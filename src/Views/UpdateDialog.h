#pragma once

#include <QDialog>
#include <QUrl>

#include "Application/UpdatePresenter.h"

namespace quillorbitex {

// The window that answers an update check: "up to date", a newer version with its release notes
// and a button that opens its download page, or why the check failed. Drawn with the theme.
class UpdateDialog final : public QDialog {
    Q_OBJECT

public:
    explicit UpdateDialog(const UpdateCheckOutcome& outcome, QWidget* parent = nullptr);

Q_SIGNALS:
    // The user chose to download the new version from `url`.
    void downloadRequested(const QUrl& url);
};

}  // namespace quillorbitex
