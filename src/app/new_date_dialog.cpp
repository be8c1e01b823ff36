#include "app/new_date_dialog.h"

#include "app/painted_decorations.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace velmaris::app {
namespace {

// Layout in twips.
using platform::TwipsRect;
constexpr double kClientWidth = 2520;
constexpr double kClientHeight = 2175;
constexpr TwipsRect kLblMonth{120, 240, 1335, 255};
constexpr TwipsRect kTxtMonth{1680, 240, 612, 288};
constexpr TwipsRect kLblDay{120, 600, 1335, 255};
constexpr TwipsRect kTxtDay{1680, 600, 612, 288};
constexpr TwipsRect kLblYear{120, 960, 1335, 255};
constexpr TwipsRect kTxtYear{1680, 960, 612, 288};
constexpr TwipsRect kCmdOK{720, 1440, 1095, 495};
constexpr double kPointSize = 8.25;

}  // namespace

bool IsTypedCharacterAccepted(const QString& text) {
    if (text.isEmpty()) {
        return true;
    }
    const char16_t c = text.front().unicode();
    if (c == u'\b') {
        return true;
    }
    if (c < 0x20 || c == 0x7F) {
        return true;  // a control character: Tab, Enter, Escape, Ctrl+V ...
    }
    return text.size() == 1 && c >= u'0' && c <= u'9';
}

void DateField::keyPressEvent(QKeyEvent* event) {
    if (!IsTypedCharacterAccepted(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A mouse click that gave the focus would place the cursor after this; selecting once the
    // click has been handled keeps the whole text selected either way.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) {
            selectAll();
        }
    });
    selectAll();
}

NewDateDialog::NewDateDialog(const domain::NewDateFields& start, AcceptFields acceptFields,
                             const platform::ScreenMetrics& screen, QWidget* parent)
    : QDialog(parent), screen_(screen), acceptFields_(std::move(acceptFields)) {
    setObjectName(QStringLiteral("NewDate"));
    setWindowTitle(QStringLiteral("New Transit Date"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(screen.PixelsX(kClientWidth), screen.PixelsY(kClientHeight));

    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kPointSize);
    font.setBold(true);
    setFont(font);

    const auto label = [this](const char* name, const QString& caption, const TwipsRect& place) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(screen_.Pixels(place));
        return l;
    };
    const auto field = [this](const char* name, const QString& text, const TwipsRect& place) {
        auto* f = new DateField(text, this);
        f->setObjectName(QLatin1String(name));
        f->setGeometry(screen_.Pixels(place));
        return f;
    };
    lblMonth_ = label("lblMonth", QStringLiteral("Transit Month"), kLblMonth);
    txtMonth_ = field("txtMonth", start.month, kTxtMonth);
    lblDay_ = label("lblDay", QStringLiteral("Transit Day"), kLblDay);
    txtDay_ = field("txtDay", start.day, kTxtDay);
    lblYear_ = label("lblYear", QStringLiteral("Transit Year"), kLblYear);
    txtYear_ = field("txtYear", start.year, kTxtYear);

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(screen_.Pixels(kCmdOK));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &NewDateDialog::ok);

    setTabOrder(txtMonth_, txtDay_);
    setTabOrder(txtDay_, txtYear_);
    setTabOrder(txtYear_, cmdOK_);
    txtMonth_->setFocus(Qt::OtherFocusReason);
}

void NewDateDialog::ok() {
    if (acceptFields_(txtMonth_->text(), txtDay_->text(), txtYear_->text())) {
        accept();
    }
}

void NewDateDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    FrameControl(painter, *lblMonth_, screen_);
    FrameControl(painter, *lblDay_, screen_);
    FrameControl(painter, *lblYear_, screen_);
}

}  // namespace velmaris::app
