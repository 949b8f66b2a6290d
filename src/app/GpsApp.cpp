#include "app/GpsApp.h"

#include "app/CGPSMapFrame.h"
#include "platform/MessageBox.h"

#include <QObject>

#include <new>

GpsApp::GpsApp(SettingsStore& store)
    : store_(store), factory_([](SettingsStore& s) { return std::make_unique<CGPSMapFrame>(s); }) {}

GpsApp::~GpsApp() = default;

bool GpsApp::InitInstance(bool show) {
    std::unique_ptr<CGPSMapFrame> frame;
    bool created = false;
    try {
        frame = factory_ ? factory_(store_) : nullptr;
        created = frame != nullptr && frame->Create();
    } catch (const std::bad_alloc&) {
        created = false; // the only exception our own code lets through: out of memory
    }
    if (!created) {
        platform::ShowMessage(nullptr,
                              QObject::tr("QUILO could not create its main window and will close."),
                              QObject::tr("Error"), platform::MessageIcon::Error);
        return false;
    }
    frame_ = std::move(frame);
    if (show)
        frame_->show();
    return true;
}
