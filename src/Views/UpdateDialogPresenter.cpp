#include "Views/UpdateDialogPresenter.h"

#include "Views/UpdateDialog.h"

namespace quillorbitex {

UpdateDialogPresenter::UpdateDialogPresenter(std::shared_ptr<Workspace> workspace, QObject* parent)
    : QObject(parent), workspace_(std::move(workspace)) {}

UpdateDialogPresenter::~UpdateDialogPresenter() {
    delete dialog_.data();
}

void UpdateDialogPresenter::present(const UpdateCheckOutcome& outcome,
                                    std::function<void()> closed) {
    delete dialog_.data();
    // A window of its own: the dashboard may be closed while the program checks.
    auto* dialog = new UpdateDialog(outcome);
    dialog_ = dialog;
    connect(dialog, &UpdateDialog::downloadRequested, this, [this](const QUrl& url) {
        if (workspace_) {
            workspace_->openURL(url);
        }
    });
    // Every way the dialog goes (buttons, the window's close button, Escape, deletion) ends here.
    connect(dialog, &QObject::destroyed, this, [closed = std::move(closed)] {
        if (closed) {
            closed();
        }
    });
    bringToFront();
}

void UpdateDialogPresenter::bringToFront() {
    if (UpdateDialog* dialog = dialog_) {
        // Shown again if the window manager minimised it.
        dialog->setWindowState(dialog->windowState() & ~Qt::WindowMinimized);
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    }
}

}  // namespace quillorbitex
