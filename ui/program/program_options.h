#pragma once

#include <QString>
#include <QStringList>

namespace veltrano {

// The window program's command line: files to add at start, --print-list, --help.
struct ProgramOptions {
    bool Help = false;
    // Print the list's rows after adding the files, then quit.
    bool PrintList = false;
    QStringList Files;  // in command-line order
    QString Error;      // not empty: the command line was not understood
};

// `arguments` without the program name.
ProgramOptions ParseProgramOptions(const QStringList& arguments);
QString ProgramUsageText();

}  // namespace veltrano
