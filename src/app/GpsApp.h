#pragma once

#include <functional>
#include <memory>

class CGPSMapFrame;
class SettingsStore;

// The application object: creates the one frame window over the settings store and makes it
// the main window.
class GpsApp {
public:
    using FrameFactory = std::function<std::unique_ptr<CGPSMapFrame>(SettingsStore&)>;

    // store must outlive the application object.
    explicit GpsApp(SettingsStore& store);
    ~GpsApp();
    GpsApp(const GpsApp&) = delete;
    GpsApp& operator=(const GpsApp&) = delete;

    // Creates the frame (its view, menus, toolbar and show flags) and, when show is set, shows
    // it. When the frame or its view cannot be created, tells the user and returns false: the
    // program then ends.
    bool InitInstance(bool show = true);

    [[nodiscard]] CGPSMapFrame* Frame() const { return frame_.get(); }

    // Replaces how the frame is made (tests make it fail).
    void SetFrameFactory(FrameFactory factory) { factory_ = std::move(factory); }

private:
    SettingsStore& store_;
    FrameFactory factory_;
    std::unique_ptr<CGPSMapFrame> frame_;
};
