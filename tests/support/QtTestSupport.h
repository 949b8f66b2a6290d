#pragma once

// Helpers for tests that run Qt widgets: message boxes and modal dialogs.

#include "platform/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace testsupport {

// Collects every message ShowMessage would have shown, for the life of the catcher.
class MessageCatcher {
public:
    MessageCatcher() {
        previous_ =
            platform::SetMessageHook([this](const platform::Message& m) { messages.push_back(m); });
    }
    ~MessageCatcher() { platform::SetMessageHook(previous_); }
    MessageCatcher(const MessageCatcher&) = delete;
    MessageCatcher& operator=(const MessageCatcher&) = delete;

    std::vector<platform::Message> messages;

private:
    platform::MessageHook previous_;
};

// Acts on the modal dialog of type T once its event loop runs (a dialog opened by the step
// that follows). A missing or different dialog is a failure and is closed, so no test hangs.
template <typename T> void WhenModal(std::function<void(T&)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<T*>(modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "expected a modal " << T::staticMetaObject.className();
            if (modal != nullptr)
                modal->close();
            return;
        }
        action(*dialog);
    });
}

// Runs step; fails and closes any modal dialog that opens before the pending events are handled.
inline void ExpectNoModal(const std::function<void()>& step) {
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    step();
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
}

// Runs the event loop until cond holds; false after timeoutMs. The deadline is a safety net
// for a broken build, far beyond what a passing run needs.
inline bool PumpUntil(const std::function<bool()>& cond, int timeoutMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!cond()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

} // namespace testsupport
