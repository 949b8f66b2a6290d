#include "app/KioskMode.h"

#include "app/CleanQuit.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QMainWindow>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

KioskMode::KioskMode(QMainWindow& window, QToolBar& toolbar)
    : QObject(&window), window_(window), toolbar_(toolbar) {
    quit_ = new QAction(tr("Quit"), this);
    quit_->setToolTip(tr("Quit: hold to quit at once, tap to be asked"));
    connect(quit_, &QAction::triggered, &window_, [this] { window_.close(); });
    hold_ = new QTimer(this);
    hold_->setSingleShot(true);
    hold_->setInterval(kQuitHoldMs);
    connect(hold_, &QTimer::timeout, this, [this] {
        held_ = true;
        window_.close();
    });
}

void KioskMode::Apply(bool on) {
    if (on == active_)
        return;
    active_ = on;
    const bool visible = window_.isVisible();
    window_.setWindowFlag(Qt::FramelessWindowHint, on);
    if (on) {
        toolbar_.addAction(quit_);
        // The button's own press and release, not the action's: the action fires on release.
        if (auto* button = qobject_cast<QToolButton*>(toolbar_.widgetForAction(quit_))) {
            connect(button, &QToolButton::pressed, hold_, qOverload<>(&QTimer::start));
            connect(button, &QToolButton::released, hold_, &QTimer::stop);
        }
        toolbar_.show();
        window_.showFullScreen();
        return;
    }
    toolbar_.removeAction(quit_);
    hold_->stop();
    if (visible)
        window_.showNormal();
}

bool KioskMode::MayClose() {
    if (!active_ || held_ || app::QuitRequested())
        return true;
    return platform::Ask(&window_, tr("Quit QUILO?"), tr("QUILO"));
}
