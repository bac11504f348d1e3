#pragma once

#include <QString>
#include <QStringList>

#include "core/result.h"

namespace veltrano {

// The window program's command line: files to add at start, --print-list, --help, --version.
struct ProgramOptions {
    bool Help = false;
    bool Version = false;
    // Print the list's rows after adding the files, then quit.
    bool PrintList = false;
    QStringList Files;  // in command-line order
};

// `arguments` without the program name. A failure names the first option not understood.
Result<ProgramOptions> ParseProgramOptions(const QStringList& arguments);
QString ProgramUsageText();
// "veltrano-video-joiner " and the program's version.
QString ProgramVersionText();

}  // namespace veltrano
