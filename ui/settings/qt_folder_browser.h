#pragma once

#include <QPointer>
#include <QWidget>

#include "app/join/join_action.h"

namespace veltrano {

// The folder browser over the platform's directory dialog.
class QtFolderBrowser : public FolderBrowser {
public:
    // Without an owner the browser is owned by whichever modal window is open at the time,
    // which is the output settings dialog whenever the Join action or "Browse..." opens it.
    explicit QtFolderBrowser(QWidget* owner = nullptr);

    std::optional<QString> ChooseFolder() override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace veltrano
