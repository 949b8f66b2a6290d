#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QTimer;
class QToolBar;

// The kiosk: the window full screen without a frame on a screen that is only the map, as on a
// dashboard or a chart table. It closes only after a long press on the toolbar's Quit or a
// confirmation, so a stray touch never ends the run; a signal to quit still ends it at once.
class KioskMode : public QObject {
    Q_OBJECT

public:
    // A press held this long on Quit quits without asking.
    static constexpr int kQuitHoldMs = 1500;

    // window and toolbar must outlive the kiosk.
    KioskMode(QMainWindow& window, QToolBar& toolbar);

    // On: full screen, frameless, the toolbar with Quit showing; off: the window as before.
    // Repeats change nothing.
    void Apply(bool on);
    [[nodiscard]] bool Active() const { return active_; }
    // Whether the window may close now: always outside the kiosk; inside it after the long
    // press, or when the user confirms.
    bool MayClose();
    [[nodiscard]] QAction* QuitAction() const { return quit_; }

private:
    QMainWindow& window_;
    QToolBar& toolbar_;
    QAction* quit_ = nullptr;
    QTimer* hold_ = nullptr;
    bool active_ = false;
    bool held_ = false; // the long press was made: no question
};
