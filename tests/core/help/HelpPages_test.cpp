// The help pages as written: each of the ten is there under its name and title, and every
// link and picture in them leads to a page, an anchor or a picture that exists.
#include <gtest/gtest.h>

#include <algorithm>
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
// link and picture leads somewhere, and every page and picture is reached.
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
    std::set<std::pair<std::string, std::string>> linked;  // (from, to)
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
            linked.insert({name, target});
            if (!anchor.empty()) {
                EXPECT_TRUE(Anchors(page->second).count(anchor)) << "no such anchor";
            }
        }
    }
    EXPECT_GT(links, 40);
    // From each page the reader reaches the start page, and every page is linked from another.
    const std::string start{kHelpPages.front().file};
    for (const auto& [name, text] : pages) {
        EXPECT_TRUE(name == start || linked.count({name, start})) << name;
        EXPECT_TRUE(std::any_of(
            linked.begin(), linked.end(),
            [&page = name](const auto& link) { return link.second == page && link.first != page; }))
            << name << " is linked from no page";
    }
    // Every picture of the folder is shown somewhere (none left behind by an old page).
    for (const auto& entry : fs::directory_iterator(kFolder / "images")) {
        const std::string relative = fs::relative(entry.path(), kFolder).string();
        EXPECT_TRUE(picturesUsed.count(relative)) << relative << " is shown by no page";
    }
}

}  // namespace
}  // namespace vitalune
