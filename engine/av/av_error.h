#pragma once

#include <QString>

namespace veltrano {

namespace av {

// libav's own sentence for a negative return code (av_strerror).
QString ErrorText(int code);
// "<what>: <libav's reason>", the one form in which engine failures reach the user.
QString Describe(const QString& what, int code);

}  // namespace av

}  // namespace veltrano
