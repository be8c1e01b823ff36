#include "platform/qt/qt_text_area.h"

#include <QScrollBar>

namespace velmaris::platform {

bool QtTextArea::IsMinimised() const {
    if (text_.isNull() || window_.isNull()) {
        return true;
    }
    return window_->isMinimized();
}

void QtTextArea::SetText(const QString& text) {
    if (text_.isNull()) {
        return;
    }
    // The text box breaks lines at "\n"; CR LF would leave a visible CR on every line.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // setPlainText treats the last "\n" as the start of an empty line, as the page's always
    // empty last slot is.
    text_->setPlainText(lines);
    text_->horizontalScrollBar()->setValue(0);
    text_->verticalScrollBar()->setValue(0);
}

}  // namespace velmaris::platform
