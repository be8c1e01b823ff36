// The main window driven by the scripts of tests/data/app/scenarios.txt. Each script sets up a
// program folder, starts the window and triggers its commands; each "? what" line asks for
// part of the window's state, and the "= " lines under it are what that state must be. The
// file as run, with the observed "= " lines, must equal the file as written (on a difference
// it is written beside the test as scenarios.txt.actual).
#include "app_fixture.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace velmaris::testing {
namespace {

QString OnOff(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

QString Escaped(const QByteArray& bytes) {
    return QString::fromUtf8(bytes)
        .replace(QStringLiteral("\r"), QStringLiteral("\\r"))
        .replace(QStringLiteral("\n"), QStringLiteral("\\n"));
}

class Script {
  public:
    // Runs one line of a script; the lines it answers with, for a question.
    QStringList Run(const QString& line) {
        const QString verb = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1);
        const QStringList args = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (verb == QLatin1String("==")) {
            rig_.reset();
            fontInstalled_ = true;
            copyData_ = true;
            dialogLog_.clear();
        } else if (verb == QLatin1String("nofont")) {
            fontInstalled_ = false;
        } else if (verb == QLatin1String("bare")) {
            copyData_ = false;
        } else if (verb == QLatin1String("write")) {
            Rig().folder.Write(args[0], Unescape(rest.section(QLatin1Char(' '), 1).toUtf8()));
        } else if (verb == QLatin1String("remove")) {
            QFile::remove(Rig().folder.FilePath(rest));
        } else if (verb == QLatin1String("grow")) {
            QByteArray bytes = Rig().folder.Read(args[0]);
            bytes += QByteArray(args[1].toInt() - bytes.size(), 'd');
            Rig().folder.Write(args[0], bytes);
        } else if (verb == QLatin1String("start")) {
            Rig().window->StartUp();
        } else if (verb == QLatin1String("do")) {
            Rig().Action(args[0].toLatin1().constData())->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else if (verb == QLatin1String("answer")) {
            AnswerNextDialog(args);
        } else if (verb == QLatin1String("set")) {
            Content(args[0])->setPlainText(
                QString::fromUtf8(Unescape(rest.section(QLatin1Char(' '), 1).toUtf8())));
        } else if (verb == QLatin1String("replace")) {
            const QStringList change = rest.section(QLatin1Char(' '), 1).split(QLatin1Char('|'));
            Content(args[0])->setPlainText(
                Content(args[0])->toPlainText().replace(change[0], change[1]));
        } else if (verb == QLatin1String("click")) {
            Child<QPushButton>(Window(args[0]), args[1])->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else if (verb == QLatin1String("clickat")) {
            ClickAt(args[0], args[1]);
        } else if (verb == QLatin1String("place")) {
            Rig().window->move(args[0].toInt(), args[1].toInt());
            Rig().window->resize(args[2].toInt(), args[3].toInt());
        } else if (verb == QLatin1String("close")) {
            Rig().window->close();
        } else if (verb == QLatin1String("clock")) {
            Rig().clock.Set(QDateTime::fromString(rest, Qt::ISODate));
        } else if (verb == QLatin1String("tick")) {
            Rig().window->UpdateCaption();
        } else if (verb == QLatin1String("?")) {
            return Ask(args);
        } else {
            ADD_FAILURE() << "unknown script line: " << line.toStdString();
        }
        return {};
    }

  private:
    AppRig& Rig() {
        if (!rig_) {
            rig_ = std::make_unique<AppRig>(fontInstalled_, copyData_);
        }
        return *rig_;
    }

    // A window the main window opened, by its object name (the main window itself: "main").
    QWidget* Window(const QString& name) {
        if (name == QLatin1String("main")) {
            return Rig().window.get();
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == name && widget->isVisible()) {
                return widget;
            }
        }
        return nullptr;
    }
    template <typename W>
    static W* Child(QWidget* window, const QString& name) {
        W* child = window != nullptr ? window->findChild<W*>(name) : nullptr;
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    // The text box of a window: Text1 of the main window, txtContent of the others.
    QPlainTextEdit* Content(const QString& window) {
        return window == QLatin1String("main")
                   ? Rig().Text1()
                   : Child<QPlainTextEdit>(Window(window), QStringLiteral("txtContent"));
    }

    // The next modal dialog starts: its fields are noted, filled in as "field=text", and the
    // button is clicked; then the dialog is closed without OK if it is still open.
    void AnswerNextDialog(const QStringList& args) {
        QTimer::singleShot(0, [this, args] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                dialogLog_ << QStringLiteral("no dialog");
                return;
            }
            QString fields;
            for (const QString& arg : args.mid(0, args.size() - 1)) {
                auto* field = Child<QLineEdit>(dialog, arg.section(QLatin1Char('='), 0, 0));
                fields += QLatin1Char(' ') + field->objectName() + QLatin1Char('=') + field->text();
                field->setText(arg.section(QLatin1Char('='), 1));
            }
            Child<QPushButton>(dialog, args.last())->click();
            dialogLog_ << QStringLiteral("%1 \"%2\" started%3, %4 after %5")
                              .arg(dialog->objectName(), dialog->windowTitle(), fields,
                                   dialog->isVisible() ? QStringLiteral("open")
                                                       : QStringLiteral("closed"),
                                   args.last());
            dialog->reject();
        });
    }

    // A click on the window (at its corner) or on one of its labels.
    void ClickAt(const QString& window, const QString& label) {
        QWidget* top = Window(window);
        ASSERT_NE(top, nullptr);
        const QPoint point = label == QLatin1String("corner")
                                 ? QPoint(5, 5)
                                 : Child<QLabel>(top, label)->geometry().center();
        QWidget* target = top->childAt(point) != nullptr ? top->childAt(point) : top;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(top, point));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QStringList Ask(const QStringList& args) {
        AppRig& rig = Rig();
        const QString what = args.value(0);
        if (what == QLatin1String("date")) {
            return {rig.DateLine()};
        }
        if (what == QLatin1String("next")) {
            return {domain::DayNumberToDateText(rig.program->NextReportDay(),
                                                domain::DateOrder::YearMonthDay)};
        }
        if (what == QLatin1String("lines")) {
            const domain::DataBuffer& buffer = rig.program->Buffer();
            const QString shown = rig.Text1()->toPlainText();
            return {QStringLiteral("page %1, all %2, shown %3 %4%5")
                        .arg(buffer.PageLineCount())
                        .arg(buffer.AllLineCount())
                        .arg(shown.count(QLatin1Char('\n')))
                        .arg(shown == rig.ShownPage() ? QStringLiteral("as the page")
                                                      : QStringLiteral("not the page"))
                        .arg(QGuiApplication::overrideCursor() != nullptr
                                 ? QStringLiteral(", busy cursor")
                                 : QString())};
        }
        if (what == QLatin1String("font")) {
            const QFont font = rig.Text1()->font();
            return {QStringLiteral("%1 %2, bold %3, italic %4, kept %5, read-only %6")
                        .arg(font.family())
                        .arg(font.pointSizeF())
                        .arg(OnOff(font.bold()), OnOff(font.italic()))
                        .arg(rig.window->Font().fontSize)
                        .arg(OnOff(rig.Text1()->isReadOnly()))};
        }
        if (what == QLatin1String("items")) {
            QStringList items;
            for (const QString& name : args.mid(1)) {
                const QAction* action = rig.Action(name.toLatin1().constData());
                items << QStringLiteral("%1 %2%3").arg(
                    name,
                    action->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                    action->isChecked() ? QStringLiteral(" checked") : QString());
            }
            return items;
        }
        if (what == QLatin1String("file")) {
            const QByteArray bytes = rig.folder.Read(args[1]);
            QFile supplied(QStringLiteral(VELMARIS_DATA_DIR "/") + args[1]);
            if (!QFile::exists(rig.folder.FilePath(args[1]))) {
                return {QStringLiteral("(none)")};
            }
            if (supplied.open(QIODevice::ReadOnly) && supplied.readAll() == bytes) {
                return {QStringLiteral("as supplied")};
            }
            return {args.size() > 2 ? Escaped(bytes.split('\n').value(args[2].toInt()))
                                    : Escaped(bytes),
                    QStringLiteral("%1 bytes").arg(bytes.size())};
        }
        if (what == QLatin1String("text")) {
            // The editor's text, or that it is the file's with "\n" line breaks.
            const QString text = Content(args[1])->toPlainText();
            const QString file = QString::fromUtf8(rig.folder.Read(args.value(2)));
            return {args.size() > 2 && QString(file).replace(QStringLiteral("\r\n"),
                                                             QStringLiteral("\n")) == text
                        ? QStringLiteral("the text of ") + args[2]
                        : Escaped(text.toUtf8())};
        }
        if (what == QLatin1String("buffer")) {
            const QString wanted = args.mid(1).join(QLatin1Char(' '));
            return {rig.program->Buffer().AllLines().contains(wanted)
                        ? QStringLiteral("holds ") + wanted
                        : QStringLiteral("does not hold ") + wanted};
        }
        if (what == QLatin1String("label")) {
            return {Child<QLabel>(Window(args[1]), args[2])->text()};
        }
        if (what == QLatin1String("windows")) {
            QStringList open;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->isVisible()) {
                    open << widget->objectName();
                }
            }
            open.sort();
            return {open.isEmpty() ? QStringLiteral("(none)") : open.join(QLatin1Char(' '))};
        }
        if (what == QLatin1String("caption")) {
            const auto* timer = rig.window->findChild<QTimer*>(QStringLiteral("Timer1"));
            return {rig.window->windowTitle(),
                    QStringLiteral("Timer1 every %1 ms%2")
                        .arg(timer->interval())
                        .arg(timer->isActive() ? QString() : QStringLiteral(", stopped"))};
        }
        if (what == QLatin1String("window")) {
            QWidget* window = Window(args[1]);
            if (window == nullptr) {
                return {QStringLiteral("(not open)")};
            }
            return {QStringLiteral("\"%1\" at %2,%3 size %4x%5%6%7")
                        .arg(window->windowTitle())
                        .arg(window->x())
                        .arg(window->y())
                        .arg(window->width())
                        .arg(window->height())
                        .arg(window->isModal() ? QStringLiteral(", modal") : QString())
                        .arg(window->isVisible() ? QString() : QStringLiteral(", hidden"))};
        }
        if (what == QLatin1String("timing")) {
            const QString page = rig.ShownPage();
            return {QStringLiteral("%1 aspects, %2 timing lines")
                        .arg(page.count(QStringLiteral(" degree) - ")))
                        .arg(page.count(QStringLiteral("\n        applying, ")) +
                             page.count(QStringLiteral("\n        separating, ")))};
        }
        if (what == QLatin1String("orb")) {
            return {QString::number(rig.program->Options()[domain::kOrbOption])};
        }
        if (what == QLatin1String("dialog")) {
            return std::exchange(dialogLog_, {});
        }
        if (what == QLatin1String("messages")) {
            QStringList shown =
                QString::fromStdString(rig.messages.Lines()).split(QLatin1Char('\n'));
            rig.messages.shown.clear();
            return shown == QStringList{QString()} ? QStringList{QStringLiteral("(none)")} : shown;
        }
        ADD_FAILURE() << "unknown question: " << args.join(' ').toStdString();
        return {};
    }

    std::unique_ptr<AppRig> rig_;
    bool fontInstalled_ = true;
    bool copyData_ = true;
    QStringList dialogLog_;
};

TEST(Scenarios, EachScriptGivesTheStatesWrittenUnderIt) {
    EnsureApplication();
    const QString name = QStringLiteral("app/scenarios.txt");
    QString ran;
    Script script;
    for (const QString& line : QString::fromUtf8(Golden(name)).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("= "))) {
            continue;  // what the question before it answered when the file was written
        }
        ran += line + QLatin1Char('\n');
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        SCOPED_TRACE(line.toStdString());
        for (const QString& answer : script.Run(line)) {
            ran += QStringLiteral("= ") + answer + QLatin1Char('\n');
        }
    }
    ran.chop(1);
    ExpectGolden(ran.toUtf8(), name);
}

}  // namespace
}  // namespace velmaris::testing
