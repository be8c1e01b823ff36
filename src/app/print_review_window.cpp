#include "app/print_review_window.h"

#include <QFont>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "output/output_files.h"
#include "platform/qt/busy_pointer.h"
#include "session/output_commands.h"

namespace velmaris::app {
namespace {

QFont ReviewFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

}  // namespace

PrintReviewWindow::PrintReviewWindow(session::OutputCommands& output, QWidget* parent)
    : QDialog(parent), output_(output) {
    setObjectName(QStringLiteral("PrntFile"));
    setWindowTitle(QStringLiteral("Data To Be Printed"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setSizeGripEnabled(false);

    txtContent_ = new QPlainTextEdit(this);
    txtContent_->setObjectName(QStringLiteral("txtContent"));
    txtContent_->setFont(ReviewFont());
    txtContent_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtContent_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtContent_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    btnPrint_ = new QPushButton(QStringLiteral("Print"), this);
    btnPrint_->setObjectName(QStringLiteral("btnPrint"));
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    label1_ = new QLabel(QStringLiteral("Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste."), this);
    label1_->setObjectName(QStringLiteral("Label1"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPrint_);
    buttons->addWidget(btnCancel_);
    buttons->addSpacing(16);
    buttons->addWidget(label1_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtContent_, 1);
    layout->addLayout(buttons);

    // Wide enough for a report line of 80 characters in the review font.
    const QFontMetrics metrics(txtContent_->font());
    resize(metrics.horizontalAdvance(QString(84, QLatin1Char('M'))) + 40,
           metrics.lineSpacing() * 30);
    setFixedSize(size());

    connect(btnPrint_, &QPushButton::clicked, this, &PrintReviewWindow::print);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::close);
}

void PrintReviewWindow::LoadStagedText() {
    const domain::StagedText staged = output_.LoadStagedText();
    longLineFlag_ = staged.longLineFlag;
    txtContent_->setPlainText(domain::ReviewBoxText(staged.text));
}

QString PrintReviewWindow::EditedText() const {
    return domain::TextFromReviewBox(txtContent_->toPlainText());
}

void PrintReviewWindow::print() {
    {
        platform::BusyPointer busy;
        output_.PrintStagedText(EditedText(), longLineFlag_);
    }
    close();
}

}  // namespace velmaris::app
