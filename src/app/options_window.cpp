#include "app/options_window.h"

#include "app/start_up.h"
#include "options/options_editor.h"
#include "platform/qt/busy_pointer.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velmaris::app {
namespace {

// Layout in twips.
using platform::TwipsRect;
constexpr double kClientWidth = 7440;
constexpr double kClientHeight = 3960;
constexpr TwipsRect kTxtContent{240, 120, 6975, 2895};
constexpr TwipsRect kBtnSave{480, 3240, 972, 495};
constexpr TwipsRect kCmdRestoreDefault{2400, 3240, 2535, 495};
constexpr TwipsRect kBtnQuit{5880, 3240, 972, 495};
constexpr double kTextPointSize = 9;

// True for a key press that would type a character while Alt or Meta is held: Alt+O, pressed
// while reaching for a menu, would otherwise put an "o" into the options text. Keys with Ctrl
// never type (the text box leaves them to its editing shortcuts), and Ctrl+Alt together is how
// some keyboards give AltGr, which types characters such as @ and stays allowed.
bool TypesWithModifier(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers();
    const bool held = (mods & (Qt::AltModifier | Qt::MetaModifier)) != 0;
    return held && !mods.testFlag(Qt::ControlModifier) && !key.text().isEmpty() &&
           key.text().front().isPrint();
}

}  // namespace

OptionsWindow::OptionsWindow(session::OptionsCommands& commands, const domain::OptionsText& text,
                             const platform::ScreenMetrics& screen, QWidget* parent)
    : QDialog(parent), commands_(commands) {
    setObjectName(QStringLiteral("Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(screen.PixelsX(kClientWidth), screen.PixelsY(kClientHeight));

    txtContent_ = new QPlainTextEdit(this);
    txtContent_->setObjectName(QStringLiteral("txtContent"));
    txtContent_->setGeometry(screen.Pixels(kTxtContent));
    txtContent_->setFont(platform::FontOf(kTextFontName, kTextPointSize, false, false));
    txtContent_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtContent_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtContent_->setTabChangesFocus(true);
    txtContent_->installEventFilter(this);

    btnSave_ = new QPushButton(QStringLiteral("Save"), this);
    btnSave_->setObjectName(QStringLiteral("btnSave"));
    btnSave_->setGeometry(screen.Pixels(kBtnSave));
    cmdRestoreDefault_ = new QPushButton(QStringLiteral("Restore Default Settings"), this);
    cmdRestoreDefault_->setObjectName(QStringLiteral("cmdRestoreDefault"));
    cmdRestoreDefault_->setGeometry(screen.Pixels(kCmdRestoreDefault));
    btnQuit_ = new QPushButton(QStringLiteral("Quit"), this);
    btnQuit_->setObjectName(QStringLiteral("btnQuit"));
    btnQuit_->setGeometry(screen.Pixels(kBtnQuit));
    // Enter in the text box starts a new line; no button is pressed by it.
    for (QPushButton* button : {btnSave_, cmdRestoreDefault_, btnQuit_}) {
        button->setAutoDefault(false);
    }

    setTabOrder(txtContent_, btnSave_);
    setTabOrder(btnSave_, btnQuit_);
    setTabOrder(btnQuit_, cmdRestoreDefault_);

    connect(btnSave_, &QPushButton::clicked, this, &OptionsWindow::save);
    connect(cmdRestoreDefault_, &QPushButton::clicked, this, &OptionsWindow::restoreDefault);
    connect(btnQuit_, &QPushButton::clicked, this, &OptionsWindow::close);
    showText(text);
}

bool OptionsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtContent_ && event->type() == QEvent::KeyPress &&
        TypesWithModifier(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsWindow::showText(const domain::OptionsText& text) {
    latin1_ = text.latin1;
    txtContent_->setPlainText(text.text);
    setWindowTitle(domain::kOptionsEditorCaption);
}

void OptionsWindow::save() {
    platform::BusyPointer busy;
    commands_.Save(txtContent_->toPlainText(), latin1_);
}

void OptionsWindow::restoreDefault() {
    // The box is emptied only once the copy has been made, so a failed restore leaves the
    // text being edited in place.
    platform::BusyPointer busy;
    const session::RestoredOptions restored = commands_.RestoreDefault();
    if (restored.copied) {
        txtContent_->clear();
    }
    if (restored.text) {
        showText(*restored.text);
    }
}

}  // namespace velmaris::app
