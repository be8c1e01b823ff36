#pragma once

#include <QString>

#include <array>

#include "buffer/notices.h"

namespace velmaris::domain {

class DataBuffer;

// One item of the Help menu and the topic file it shows.
struct HelpTopic {
    const char* menuName;  // object name of the menu item
    const char* fileName;  // topic file in the program folder
    const char* caption;   // of the menu item
};

// The nine topics in the order of the Help menu.
// clang-format off
inline constexpr std::array<HelpTopic, 9> kHelpTopics = {{
    {"mnuMainMenuHelp",        "VELMARIS.HLP", "&VELMARIS Window"},
    {"mnuHelpOptions",         "OPTIONS.HLP",  "&Options Window"},
    {"mnuHelpPrntfile",        "PRNTFILE.HLP", "&File To Print Window"},
    {"mnuHelpInterpretations", "INTERPS.HLP",  "&Interpretations"},
    {"mnuHelpHints",           "HINTS.HLP",    "&Hints"},
    {"mnuHelpRevisions",       "REVISION.HLP", "&Revision history"},
    {"mnuPhilosophyHelp",      "PHILO.HLP",    "&Philosophy"},
    {"mnuHelpLicense",         "LICENSE.HLP",  "&License Agreement"},
    {"mnuHelpUpgrades",        "UPGRADES.HLP", "&Upgrades"},
}};
// clang-format on

// How exact the positions and the timing are: after the program's own items in the Help menu.
inline constexpr HelpTopic kAccuracyTopic{"mnuHelpAccuracy", "ACCURACY.HLP", "A&ccuracy"};

// Writes a help topic as a page of the data buffer: a new page, every line of the topic file,
// one blank line. The caller shows the page.
// Given:   appFolder  program folder that holds the topic file
//          helpFile   topic file name, e.g. "HINTS.HLP"
// Returns: whether the topic was written
// Notes:   a missing or unreadable topic file changes nothing, neither the page nor the whole
//          buffer, so the page on screen stays as it was; a file larger than
//          kLargestDataFileBytes does the same and tells HelpTopicTooLarge. When the buffer
//          refuses a line of the topic (it is full), the rest of the topic is left out: each
//          further line would only be refused with one more BufferFull.
bool WriteHelpTopic(const QString& appFolder, const QString& helpFile, DataBuffer& buffer,
                    const NoticeSink& notices);

// Which folders the program works with: its own folder, and the installed copy of the data
// files when that folder was seeded from one.
[[nodiscard]] QString ProgramFolderText(const QString& appFolder, const QString& installedFolder);

}  // namespace velmaris::domain
