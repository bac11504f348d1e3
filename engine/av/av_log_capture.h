#pragma once

#include <QString>

namespace veltrano {

namespace av {

// Keeps what libav logs as an error about one object (a muxer's format context) while it lives:
// a muxer often says why it turns something down only in its log and returns a bare code.
// libav has one log callback for the whole process; the first capture installs ours, which
// still hands every line to libav's default callback, and the last one puts the default back.
// Safe to use from several threads at once.
class LogCapture {
public:
    explicit LogCapture(const void* context);
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // The error lines logged so far, on one line ("Can't initialize DV format! Make sure ...");
    // empty when there were none.
    QString Errors() const;

    // For the log callback: records `line` when it concerns this capture's context.
    void Record(const void* context, const QString& line);

private:
    const void* context_;
    QString errors_;
};

}  // namespace av

}  // namespace veltrano
