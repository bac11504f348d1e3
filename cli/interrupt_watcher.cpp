#include "cli/interrupt_watcher.h"

#include <atomic>
#include <csignal>

namespace veltrano {

namespace {

std::atomic<bool> g_interrupted{false};

extern "C" void OnInterrupt(int) {
    g_interrupted.store(true);
}

}  // namespace

InterruptWatcher::InterruptWatcher(QObject* parent) : QObject(parent) {
    g_interrupted.store(false);
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
    // A closed terminal or session stops the join as Ctrl+C does, so nothing is left behind.
    std::signal(SIGHUP, OnInterrupt);
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (g_interrupted.load() && !reported_) {
            reported_ = true;
            emit InterruptRequested();
        }
    });
    timer_.start();
}

InterruptWatcher::~InterruptWatcher() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
}

bool InterruptWatcher::Interrupted() const {
    return g_interrupted.load();
}

}  // namespace veltrano
