// The revision history NEWS: one heading per release, newest first, each followed by its items.
//
//   VELMARIS 1.01 (2026-12-07)
//
//   - What the release brought, one item a bullet; an item goes on
//     over lines indented by two blanks.
//
// The Debian changelog and the AppStream release list are both written from it, so that the
// package version, the changelog and the software centre's list never disagree.
#pragma once

#include <string>
#include <vector>

namespace velmaris::packaging {

struct Release {
    std::string version;
    int year = 0;
    int month = 0;
    int day = 0;
    // Each item's lines, joined with single blanks.
    std::vector<std::string> items;
    // Each item's lines as written, for outputs that keep the wrapping.
    std::vector<std::vector<std::string>> itemLines;
};

struct ParseResult {
    std::vector<Release> releases;
    // Empty when the text was read; otherwise "line N: what is wrong".
    std::string error;
};

ParseResult ParseReleaseNotes(const std::string& text);

// "Mon, 07 Dec 2026 00:00:00 +0000" for the release's day.
std::string Rfc2822Date(int year, int month, int day);

// A Debian changelog: one entry per release, signed by the maintainer ("Name <address>").
std::string DebianChangelog(const std::vector<Release>& releases, const std::string& package,
                            const std::string& maintainer);

// The <releases> element of an AppStream file, indented for its place under <component>.
std::string AppStreamReleases(const std::vector<Release>& releases);

}  // namespace velmaris::packaging
