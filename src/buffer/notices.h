#pragma once

#include <QString>

#include <functional>

namespace velmaris::domain {

// What the domain has to tell the user while it works. The domain only says what happened;
// the session decides how it is told (the text, the title and the icon of the message).
enum class NoticeKind {
    BufferFull,              // a line was refused: the buffer holds its most lines
    BufferNearlyFull,        // a page was shown while the buffer holds over 1000 lines
    BufferCleared,           // "Clear all data" emptied the buffer
    NoPositionsForDay,       // subject: the day's date text; the ephemeris cannot serve it
    InterpretationTooLarge,  // subject: the interpretation file left out of the page
    HelpTopicTooLarge,       // subject: the topic file that was not shown
};

struct Notice {
    NoticeKind kind;
    QString subject;
};

// Receives each notice at the moment it arises, so that the messages keep their order.
using NoticeSink = std::function<void(const Notice&)>;

}  // namespace velmaris::domain
