#include "platform/MessageBox.h"

#include <QMessageBox>

#include <utility>

namespace platform {

namespace {

MessageHook& Hook() {
    static MessageHook hook;
    return hook;
}

AnswerHook& Answers() {
    static AnswerHook hook;
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
    else if (icon == MessageIcon::Question)
        boxIcon = QMessageBox::Question;
    QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void ReportWriteFailure(QWidget* parent, const QString& what) {
    ShowMessage(parent, QObject::tr("Unable to write file: ") + what, QObject::tr("Save Error"),
                MessageIcon::Error);
}

bool Ask(QWidget* parent, const QString& text, const QString& caption) {
    if (Answers())
        return Answers()({text, caption, MessageIcon::Question});
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

MessageHook SetMessageHook(MessageHook hook) {
    return std::exchange(Hook(), std::move(hook));
}

AnswerHook SetAnswerHook(AnswerHook hook) {
    return std::exchange(Answers(), std::move(hook));
}

} // namespace platform
