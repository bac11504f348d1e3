#pragma once

#include <QUrl>

namespace veltrano {

// Opens a page or a local file in the desktop's own viewer (the help pages, the product page).
// Behind an interface so that tests never start a browser.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void OpenLink(const QUrl& url) = 0;
};

// LinkOpener over QDesktopServices; what a missing file or browser shows is the desktop's.
class DesktopLinkOpener : public LinkOpener {
public:
    void OpenLink(const QUrl& url) override;
};

}  // namespace veltrano
