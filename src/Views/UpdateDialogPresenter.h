#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "Application/UpdatePresenter.h"
#include "Platform/Workspace.h"

namespace quillorbitex {

class UpdateDialog;

// Shows update check outcomes in an UpdateDialog of their own; the download button hands the link
// to the desktop's browser through the workspace. Main thread.
class UpdateDialogPresenter final : public QObject, public UpdatePresenter {
    Q_OBJECT

public:
    explicit UpdateDialogPresenter(std::shared_ptr<Workspace> workspace, QObject* parent = nullptr);
    ~UpdateDialogPresenter() override;

    void present(const UpdateCheckOutcome& outcome, std::function<void()> closed) override;
    void bringToFront() override;

    // The dialog on screen, or null.
    UpdateDialog* currentDialog() const { return dialog_; }

private:
    std::shared_ptr<Workspace> workspace_;
    QPointer<UpdateDialog> dialog_;
};

}  // namespace quillorbitex
