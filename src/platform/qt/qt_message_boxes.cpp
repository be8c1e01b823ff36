#include "platform/qt/qt_message_boxes.h"

namespace velmaris::platform {

QMessageBox::Icon IconForStyle(MessageStyle style) {
    switch (style) {
        case MessageStyle::Critical:
            return QMessageBox::Critical;
        case MessageStyle::Exclamation:
            return QMessageBox::Warning;
        case MessageStyle::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

void QtMessageBoxes::Show(const QString& text, const QString& title, MessageStyle style) {
    QMessageBox box(IconForStyle(style), title, text, QMessageBox::Ok, parent_.data());
    box.exec();
}

bool QtMessageBoxes::Ask(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    parent_.data());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace velmaris::platform
