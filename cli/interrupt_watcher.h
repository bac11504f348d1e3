#pragma once

#include <QObject>
#include <QTimer>

namespace veltrano {

// Turns Ctrl+C (SIGINT), SIGTERM and SIGHUP into a Qt signal on the thread that owns the watcher.
// The signal handler only sets a flag; a short timer notices it, so nothing unsafe runs inside the
// handler.
class InterruptWatcher : public QObject {
    Q_OBJECT

public:
    explicit InterruptWatcher(QObject* parent = nullptr);
    ~InterruptWatcher() override;

    bool Interrupted() const;

signals:
    void InterruptRequested();

private:
    QTimer timer_;
    bool reported_ = false;
};

}  // namespace veltrano
