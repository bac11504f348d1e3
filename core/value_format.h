#pragma once

#include <QLocale>
#include <QString>

namespace veltrano {

// Text forms of durations, sizes and file facts used by every window.

// "hh:mm:ss"; a half second rounds up below 60 s and to even from 60 s on; hours unbounded.
QString FormatDuration(double seconds);
// Upper-case extension after the last dot of the file name; empty when there is none.
QString GetExtension(const QString& path);
double BytesToMegabytes(double bytes);
// Size in bytes of a regular file; 0 when the path names nothing, a folder or a special
// file; -1 on any other failure.
double GetFileSize(const QString& path);
// "#,##0.0" with the locale's separators, then " MB".
QString FormatMegabytes(double megabytes, const QLocale& locale = QLocale());
// True when the path is a folder that can be entered. Never changes the working directory.
bool FolderExists(const QString& path);

}  // namespace veltrano
