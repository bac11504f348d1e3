#include "ui/program/program_options.h"

#include "core/product.h"
#include "core/version.h"

namespace veltrano {

Result<ProgramOptions> ParseProgramOptions(const QStringList& arguments) {
    ProgramOptions options;
    bool onlyFiles = false;
    for (const QString& argument : arguments) {
        if (onlyFiles || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            options.Files << argument;
        } else if (argument == QLatin1String("--")) {
            onlyFiles = true;  // a file whose name starts with "-" follows
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.Help = true;
        } else if (argument == QLatin1String("--version")) {
            options.Version = true;
        } else if (argument == QLatin1String("--print-list")) {
            options.PrintList = true;
        } else {
            return Status::Failed(QStringLiteral("unknown option: ") + argument);
        }
    }
    return options;
}

QString ProgramUsageText() {
    const QString usage = QStringLiteral(
        "Usage: veltrano-video-joiner [--print-list] [FILE...]\n"
        "       veltrano-video-joiner --help | --version\n"
        "\n"
        "Starts %1. The files named are added to the list at start, in\n"
        "order, as if they had been dropped on it (folders are skipped).\n"
        "\n"
        "Options:\n"
        "  --print-list  add the files, print the list's rows (File Name, Type, Duration,\n"
        "                Video Size, File Size, Modified, Video Codec, Audio Codec, separated\n"
        "                by tabs, one row a line) to standard output and quit; messages go\n"
        "                to standard error and no window is shown\n"
        "  -h, --help    print this help and quit\n"
        "  --version     print the program's version and quit\n"
        "  --            every argument after it is a file\n");
    return usage.arg(QString::fromLatin1(kProductName));
}

QString ProgramVersionText() {
    return QStringLiteral("veltrano-video-joiner ") + QString::fromLatin1(kVersion) +
           QLatin1Char('\n');
}

}  // namespace veltrano
