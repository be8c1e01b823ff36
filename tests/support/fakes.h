#pragma once

#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/regional_settings.h"
#include "platform/text_area.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace velmaris::testing {

// A clock that always says the same moment.
class FixedClock final : public platform::Clock {
  public:
    explicit FixedClock(QDateTime now) : now_(std::move(now)) {}
    [[nodiscard]] QDateTime Now() const override { return now_; }
    void Set(QDateTime now) { now_ = std::move(now); }

  private:
    QDateTime now_;
};

// Regional settings given outright.
class FixedRegional final : public platform::RegionalSettings {
  public:
    FixedRegional(int dateOrder, int timeOrder, QLocale locale = QLocale(QLocale::English))
        : dateOrder_(dateOrder), timeOrder_(timeOrder), locale_(std::move(locale)) {}
    [[nodiscard]] domain::DateOrder DateOrder() const override {
        return static_cast<domain::DateOrder>(dateOrder_);
    }
    [[nodiscard]] int TimeOrder() const override { return timeOrder_; }
    [[nodiscard]] QLocale Locale() const override { return locale_; }

  private:
    int dateOrder_;
    int timeOrder_;
    QLocale locale_;
};

struct ShownMessage {
    QString text;
    QString title;
    platform::MessageStyle style;
};

// Records every message instead of showing it.
class RecordingMessages final : public platform::MessageBoxes {
  public:
    void Show(const QString& text, const QString& title, platform::MessageStyle style) override {
        shown.push_back({text, title, style});
    }
    // Records the question as an exclamation and gives the scripted answer.
    bool Ask(const QString& text, const QString& title) override {
        shown.push_back({text, title, platform::MessageStyle::Exclamation});
        return answer;
    }
    [[nodiscard]] int CountOf(const QString& text) const {
        int count = 0;
        for (const ShownMessage& message : shown) {
            count += message.text == text ? 1 : 0;
        }
        return count;
    }
    // The texts shown, one after the other.
    [[nodiscard]] std::string Texts(QChar separator = QLatin1Char('\n')) const {
        QStringList texts;
        for (const ShownMessage& message : shown) {
            texts << message.text;
        }
        return texts.join(separator).toStdString();
    }
    // The messages shown, one "title|style|text" line each.
    [[nodiscard]] std::string Lines() const {
        QStringList lines;
        for (const ShownMessage& m : shown) {
            const char* style = m.style == platform::MessageStyle::Information   ? "Information"
                                : m.style == platform::MessageStyle::Exclamation ? "Exclamation"
                                                                                 : "Critical";
            lines << m.title + QLatin1Char('|') + QLatin1String(style) + QLatin1Char('|') + m.text;
        }
        return lines.join(QLatin1Char('\n')).toStdString();
    }
    std::vector<ShownMessage> shown;
    bool answer = false;  // to every question
};

// A text area that keeps what it was given.
class RecordingTextArea final : public platform::TextArea {
  public:
    [[nodiscard]] bool IsMinimised() const override { return minimised; }
    void SetText(const QString& newText) override {
        text = newText;
        ++setCount;
    }
    bool minimised = false;
    QString text;
    int setCount = 0;
};

// A fresh program folder for one test, removed afterwards.
class DataFolder {
  public:
    [[nodiscard]] QString Path() const { return dir_.path(); }
    [[nodiscard]] QString FilePath(const QString& name) const {
        return QDir(dir_.path()).filePath(name);
    }
    // Writes the file with exactly these bytes.
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(FilePath(name));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }
    [[nodiscard]] QByteArray Read(const QString& name) const {
        QFile file(FilePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

  private:
    QTemporaryDir dir_;
};

}  // namespace velmaris::testing
