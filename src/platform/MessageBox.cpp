#include "platform/MessageBox.h"

#include <QMessageBox>

#include <utility>

namespace platform {

namespace {

MessageHook& Hook() {
    static MessageHook hook;
    return hook;
}

} // namespace

void ShowMessage(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon) {
    if (Hook()) {
        Hook()({text, caption, icon});
        return;
    }
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    if (icon == MessageIcon::Warning)
        boxIcon = QMessageBox::Warning;
    else if (icon == MessageIcon::Error)
        boxIcon = QMessageBox::Critical;
    QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

MessageHook SetMessageHook(MessageHook hook) {
    return std::exchange(Hook(), std::move(hook));
}

} // namespace platform
