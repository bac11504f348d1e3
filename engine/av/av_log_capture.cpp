#include "engine/av/av_log_capture.h"

extern "C" {
#include <libavutil/log.h>
}

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <vector>

namespace veltrano {

namespace av {

namespace {

// The captures alive: libav's log callback is process-wide, so what it reaches is too.
std::mutex& CapturesMutex() {
    static std::mutex mutex;
    return mutex;
}

std::vector<LogCapture*>& Captures() {
    static std::vector<LogCapture*> captures;
    return captures;
}

void Callback(void* context, int level, const char* format, va_list args) {
    if (level <= AV_LOG_ERROR && context != nullptr) {
        va_list copy;
        va_copy(copy, args);
        char buffer[1024];
        std::vsnprintf(buffer, sizeof buffer, format, copy);
        va_end(copy);
        const QString line = QString::fromUtf8(buffer).simplified();
        const std::lock_guard<std::mutex> lock(CapturesMutex());
        for (LogCapture* capture : Captures()) {
            capture->Record(context, line);
        }
    }
    av_log_default_callback(context, level, format, args);
}

}  // namespace

LogCapture::LogCapture(const void* context) : context_(context) {
    const std::lock_guard<std::mutex> lock(CapturesMutex());
    if (Captures().empty()) {
        av_log_set_callback(Callback);
    }
    Captures().push_back(this);
}

LogCapture::~LogCapture() {
    const std::lock_guard<std::mutex> lock(CapturesMutex());
    std::vector<LogCapture*>& captures = Captures();
    captures.erase(std::remove(captures.begin(), captures.end(), this), captures.end());
    if (captures.empty()) {
        av_log_set_callback(av_log_default_callback);
    }
}

QString LogCapture::Errors() const {
    const std::lock_guard<std::mutex> lock(CapturesMutex());
    return errors_;
}

void LogCapture::Record(const void* context, const QString& line) {
    if (context != context_ || line.isEmpty()) {
        return;
    }
    errors_ = errors_.isEmpty() ? line : errors_ + QLatin1Char(' ') + line;
}

}  // namespace av

}  // namespace veltrano
