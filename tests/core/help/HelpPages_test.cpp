// The help pages as written: each of the ten is there under its name and title, and every
// link and picture in them leads to a page, an anchor or a picture that exists.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "core/help/HelpTopics.h"
#include "support/TestFiles.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;

const fs::path kFolder{VITALUNE_HELP_SOURCE_DIR};

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern, int group) {
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it) {
        found.push_back((*it)[group].str());
    }
    return found;
}

std::set<std::string> Anchors(const std::string& page) {
    static const std::regex kAnchor(R"re(\b(?:id|name)\s*=\s*"([^"]+)")re", std::regex::icase);
    const auto list = Matches(page, kAnchor, 1);
    return {list.begin(), list.end()};
}

bool IsWeb(const std::string& link) {
    return link.starts_with("http://") || link.starts_with("https://") ||
           link.starts_with("mailto:");
}

// Each page under its title, and no stray page that the contents list would not show; every
// link and picture leads somewhere.
TEST(HelpPages, TitlesLinksAndPictures) {
    static const std::regex kTitle(R"re(<title>([^<]*)</title>)re", std::regex::icase);
    static const std::regex kLink(R"re(\b(href|src)\s*=\s*"([^"]*)")re", std::regex::icase);
    std::map<std::string, std::string> pages;
    for (const HelpPage& page : kHelpPages) {
        const std::string text = test::ReadTestFile(kFolder / page.file);
        EXPECT_EQ(Matches(text, kTitle, 1), std::vector<std::string>{std::string(page.title)})
            << page.file;
        EXPECT_NE(text.find("charset=utf-8"), std::string::npos) << page.file;
        pages[std::string(page.file)] = text;
    }
    for (const auto& entry : fs::directory_iterator(kFolder)) {
        if (entry.is_regular_file()) {
            EXPECT_TRUE(pages.count(entry.path().filename().string())) << entry.path();
        }
    }
    std::set<std::string> picturesUsed;
    int links = 0;
    for (const auto& [name, text] : pages) {
        for (auto it = std::sregex_iterator(text.begin(), text.end(), kLink);
             it != std::sregex_iterator(); ++it) {
            const std::string kind = (*it)[1].str();
            const std::string link = (*it)[2].str();
            ++links;
            SCOPED_TRACE(name + ": " + kind + "=\"" + link + "\"");
            ASSERT_FALSE(link.empty());
            if (IsWeb(link)) {
                continue;
            }
            const auto hash = link.find('#');
            const std::string file = link.substr(0, hash);
            const std::string anchor = hash == std::string::npos ? "" : link.substr(hash + 1);
            EXPECT_EQ(file.find(".."), std::string::npos) << "links stay inside the help folder";
            EXPECT_NE(file.front(), '/') << "links are relative";
            const std::string target = file.empty() ? name : file;
            if (kind == "src" || kind == "SRC") {
                EXPECT_TRUE(fs::is_regular_file(kFolder / target));
                picturesUsed.insert(fs::path(target).lexically_normal().string());
                continue;
            }
            const auto page = pages.find(target);
            ASSERT_NE(page, pages.end()) << "not one of the ten pages";
            if (!anchor.empty()) {
                EXPECT_TRUE(Anchors(page->second).count(anchor)) << "no such anchor";
            }
        }
    }
    EXPECT_GT(links, 40);
    // Every picture of the folder is shown somewhere (none left behind by an old page).
    for (const auto& entry : fs::directory_iterator(kFolder / "images")) {
        const std::string relative = fs::relative(entry.path(), kFolder).string();
        EXPECT_TRUE(picturesUsed.count(relative)) << relative << " is shown by no page";
    }
}

TEST(HelpPages, EveryPageLeadsToTheOthers) {
    // From each page the reader can reach the start page, and every page is linked from one.
    std::set<std::string> linkedTo;
    static const std::regex kHref(R"re(\bhref\s*=\s*"([^"#]+)(#[^"]*)?")re", std::regex::icase);
    for (const HelpPage& page : kHelpPages) {
        const std::string text = test::ReadTestFile(kFolder / page.file);
        const auto targets = Matches(text, kHref, 1);
        const std::set<std::string> own(targets.begin(), targets.end());
        if (page.file != kHelpPages.front().file) {
            EXPECT_TRUE(own.count(std::string(kHelpPages.front().file))) << page.file;
        }
        for (const auto& target : own) {
            if (target != page.file) {
                linkedTo.insert(target);
            }
        }
    }
    for (const HelpPage& page : kHelpPages) {
        EXPECT_TRUE(linkedTo.count(std::string(page.file)))
            << page.file << " is linked from no page";
    }
}

}  // namespace
}  // namespace vitalune
