#pragma once

#include <QDBusConnection>
#include <QObject>

#include <optional>

// Keeps the screen from blanking through the desktop's screen-saver service
// (org.freedesktop.ScreenSaver Inhibit and UnInhibit on the session bus). Where there is no
// session bus or no such service it does nothing, and says nothing: the screen then blanks as
// the desktop decides. The calls never wait: the window goes on while the bus answers.
class ScreenSaverInhibitor : public QObject {
public:
    // bus: the session bus, or a bus of a test's own.
    explicit ScreenSaverInhibitor(QDBusConnection bus = QDBusConnection::sessionBus(),
                                  QObject* parent = nullptr);
    // Lets the screen blank again.
    ~ScreenSaverInhibitor() override;
    ScreenSaverInhibitor(const ScreenSaverInhibitor&) = delete;
    ScreenSaverInhibitor& operator=(const ScreenSaverInhibitor&) = delete;

    // On: asks the desktop to keep the screen on; off: lets it blank. Repeats change nothing.
    void SetInhibited(bool on);
    // The desktop has granted the inhibit and it has not been given back.
    [[nodiscard]] bool Inhibited() const { return cookie_.has_value(); }

private:
    void Ask();
    void GiveBack();

    QDBusConnection bus_;
    bool wanted_ = false;
    bool asking_ = false;
    bool refused_ = false; // the desktop said no; asked again once wanted afresh
    std::optional<uint> cookie_;
};
