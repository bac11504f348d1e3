#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace veltrano {

// How every step below the windows reports failure: Status for a step that yields nothing,
// Result<T> for one that yields a T. A failure carries the sentence the user is shown and a
// negative code: the libav AVERROR behind it, or kFailed when no library call failed.
// Nothing else means failure: no empty-string successes, no -1 successes, no output fields.
class [[nodiscard]] Status {
public:
    static constexpr int kFailed = -1;

    // Success.
    Status() = default;
    // A failure. A code that is not negative becomes kFailed, so a failure never reads as
    // success.
    Status(int code, QString message)
        : code_(code < 0 ? code : kFailed), message_(std::move(message)) {}
    static Status Failed(QString message) { return Status(kFailed, std::move(message)); }
    // Success with something the user should still hear about (what a join left out).
    static Status Note(QString note) {
        Status done;
        done.message_ = std::move(note);
        return done;
    }

    bool Ok() const { return code_ >= 0; }
    // 0 on success.
    int Code() const { return code_; }
    // On success empty, or the note of Note().
    const QString& Message() const { return message_; }

private:
    int code_ = 0;
    QString message_;
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT: a value is a success
    // `failure` must not be Ok(): a Result without a value is a failure.
    Result(Status failure)  // NOLINT: a failed Status is a failed Result
        : status_(failure.Ok() ? Status::Failed(QString()) : std::move(failure)) {}

    bool Ok() const { return value_.has_value(); }
    const Status& GetStatus() const { return status_; }
    int Code() const { return status_.Code(); }
    const QString& Message() const { return status_.Message(); }

    // Only on success.
    const T& Value() const& { return *value_; }
    T& Value() & { return *value_; }
    T&& Value() && { return std::move(*value_); }
    const T& operator*() const& { return *value_; }
    T& operator*() & { return *value_; }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }

private:
    std::optional<T> value_;
    Status status_;
};

}  // namespace veltrano
