// Writes the Debian changelog or the AppStream file from the revision history NEWS.
//   velmaris-release-notes debian NEWS PACKAGE MAINTAINER OUT
//   velmaris-release-notes appstream NEWS TEMPLATE OUT
// The AppStream template holds a line "@RELEASES@" where the release list goes.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "release_notes.h"

namespace {

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

int Usage() {
    std::cerr << "usage: velmaris-release-notes debian NEWS PACKAGE MAINTAINER OUT\n"
                 "       velmaris-release-notes appstream NEWS TEMPLATE OUT\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::string mode = argv[1];
    if (!((mode == "debian" && argc == 6) || (mode == "appstream" && argc == 5))) {
        return Usage();
    }
    const std::string newsPath = argv[2];
    std::string news;
    if (!ReadFile(newsPath, news)) {
        std::cerr << newsPath << ": cannot be read\n";
        return 1;
    }
    const auto parsed = velmaris::packaging::ParseReleaseNotes(news);
    if (!parsed.error.empty()) {
        std::cerr << newsPath << ": " << parsed.error << "\n";
        return 1;
    }
    std::string output;
    std::string outPath;
    if (mode == "debian") {
        output = velmaris::packaging::DebianChangelog(parsed.releases, argv[3], argv[4]);
        outPath = argv[5];
    } else {
        std::string templ;
        if (!ReadFile(argv[3], templ)) {
            std::cerr << argv[3] << ": cannot be read\n";
            return 1;
        }
        const std::string marker = "@RELEASES@\n";
        const auto at = templ.find(marker);
        if (at == std::string::npos) {
            std::cerr << argv[3] << ": no line @RELEASES@\n";
            return 1;
        }
        output = templ.replace(at, marker.size(),
                               velmaris::packaging::AppStreamReleases(parsed.releases));
        outPath = argv[4];
    }
    if (!WriteFile(outPath, output)) {
        std::cerr << outPath << ": cannot be written\n";
        return 1;
    }
    return 0;
}
