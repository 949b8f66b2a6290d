#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through ShowMessage or Ask, so tests can see what the
// user would have been told, and answer for them, without a modal box blocking them.
namespace platform {

enum class MessageIcon { Information, Warning, Error, Question };

struct Message {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::Information;
};

// Shows a modal box with an OK button (or hands it to the hook when one is set).
void ShowMessage(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon);

// "Unable to write file: " + what (the path, or the path and the reason), caption
// "Save Error".
void ReportWriteFailure(QWidget* parent, const QString& what);

// A question with Yes and No buttons, No the default; true for Yes.
[[nodiscard]] bool Ask(QWidget* parent, const QString& text, const QString& caption);

// While a hook is set, ShowMessage calls it instead of opening a box. Pass nullptr to restore
// the boxes. Returns the previous hook.
using MessageHook = std::function<void(const Message&)>;
MessageHook SetMessageHook(MessageHook hook);

// The same for Ask: the hook's result is the answer (the message has icon Question).
using AnswerHook = std::function<bool(const Message&)>;
AnswerHook SetAnswerHook(AnswerHook hook);

} // namespace platform
