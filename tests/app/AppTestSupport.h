#pragma once

#include "app/CGPSMapFrame.h"
#include "platform/MessageBox.h"
#include "platform/QSettingsStore.h"
#include "view/MapCommands.h"
#include "view/MapLoader.h"
#include "view/MapView.h"

#include "support/QtTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

using testsupport::MessageCatcher;
using testsupport::PumpUntil;

// Rejects the next modal dialog as soon as it is open, so a command that runs one returns.
// Returns the timer; it stops after closing one dialog.
inline QTimer* RejectNextModalDialog(QObject* owner) {
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, timer, [timer] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            dialog->reject();
        }
    });
    timer->start(10);
    return timer;
}

// A frame over a real QSettings INI file in a temporary folder.
class FrameFixture : public ::testing::Test {
protected:
    QString IniPath() const { return dir.filePath("QUILO.ini"); }

    // A new store and frame over the same file, as at the next start.
    CGPSMapFrame& StartFrame(QSize size = QSize(400, 300)) {
        frame.reset();
        store = std::make_unique<platform::QSettingsStore>(IniPath());
        frame = std::make_unique<CGPSMapFrame>(*store);
        EXPECT_TRUE(frame->Create());
        frame->resize(size);
        frame->show();
        PumpUntil([this] { return frame->View().width() > 0; });
        return *frame;
    }
    void StopFrame() {
        frame.reset();
        store->Sync();
        store.reset();
    }

    QTemporaryDir dir;
    MessageCatcher catcher;
    std::unique_ptr<platform::QSettingsStore> store;
    std::unique_ptr<CGPSMapFrame> frame;
};

#ifdef QUILO_PATH
// The program's quilo as a process of its own, its output in log, the entries of env over the
// test's environment; killed with SIGKILL when the test is done with it.
class QuiloProcess {
public:
    QuiloProcess(std::vector<std::string> args, const std::vector<std::string>& env,
                 const std::string& log) {
        args.insert(args.begin(), QUILO_PATH);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        std::vector<std::string> envStore = env;
        for (char** e = environ; *e != nullptr; ++e) {
            const std::string entry = *e;
            const std::string name = entry.substr(0, entry.find('=') + 1);
            bool replaced = false;
            for (const std::string& own : env)
                replaced = replaced || own.starts_with(name);
            if (!replaced)
                envStore.push_back(entry);
        }
        std::vector<char*> envp;
        for (std::string& entry : envStore)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                         0600);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        if (::posix_spawn(&pid_, QUILO_PATH, &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~QuiloProcess() { Kill(); }
    QuiloProcess(const QuiloProcess&) = delete;
    QuiloProcess& operator=(const QuiloProcess&) = delete;

    [[nodiscard]] bool Started() const { return pid_ > 0; }
    // True while it runs (it has not ended on its own).
    [[nodiscard]] bool Running() { return pid_ > 0 && !Reaped(); }
    void Signal(int signal) const {
        if (pid_ > 0)
            ::kill(pid_, signal);
    }
    // Its exit status once it has ended within timeoutMs; nullopt when it still runs or a
    // signal ended it.
    std::optional<int> WaitExit(int timeoutMs = 20000) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!Reaped() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!Reaped() || !WIFEXITED(status_))
            return std::nullopt;
        return WEXITSTATUS(status_);
    }
    void Kill() {
        if (pid_ > 0 && !Reaped()) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status_, 0);
        }
        pid_ = -1;
    }

private:
    bool Reaped() {
        if (!reaped_ && pid_ > 0 && ::waitpid(pid_, &status_, WNOHANG) == pid_)
            reaped_ = true;
        return reaped_;
    }

    pid_t pid_ = -1;
    int status_ = 0;
    bool reaped_ = false;
};
#endif
