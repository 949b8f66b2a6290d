#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through ShowMessage, so tests can see what the user
// would have been told without a modal box blocking them.
namespace platform {

enum class MessageIcon { Information, Warning, Error };

struct Message {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::Information;
};

// Shows a modal box with an OK button (or hands it to the hook when one is set).
void ShowMessage(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon);

// While a hook is set, ShowMessage calls it instead of opening a box. Pass nullptr to restore
// the boxes. Returns the previous hook.
using MessageHook = std::function<void(const Message&)>;
MessageHook SetMessageHook(MessageHook hook);

} // namespace platform
