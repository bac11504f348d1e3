#include "ui/main/link_opener.h"

#include <QDesktopServices>

namespace veltrano {

void DesktopLinkOpener::OpenLink(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

}  // namespace veltrano
