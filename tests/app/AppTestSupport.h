#pragma once

#include "app/CGPSMapFrame.h"
#include "platform/MessageBox.h"
#include "platform/QSettingsStore.h"
#include "view/MapView.h"

#include "support/QtTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

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
