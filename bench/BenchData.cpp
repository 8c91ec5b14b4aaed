#include "BenchData.h"

#include <array>
#include <cstdio>
#include <random>
#include <vector>

namespace vitalune::bench {

namespace {

// windows-1252 bytes, as an old file holds them (\xE9 is e acute, \xFC u umlaut...).
constexpr std::array<const char*, 24> kFirstNames = {
    "Ann",   "John",  "Mary",     "Peter", "Jos\xE9", "Zo\xEB", "Fran\xE7oise", "Lars",
    "Anna",  "Liam",  "Olivia",   "Noah",  "Emma",    "Lucas",  "Mia",          "Ren\xE9",
    "Chloe", "Ethan", "Bj\xF6rn", "Sofia", "Ivan",    "Nadia",  "Tom",          "Eve"};
constexpr std::array<const char*, 24> kLastNames = {
    "Smith",  "Jones",    "M\xFCller", "Garcia",   "Brown",  "Dubois",     "Rossi", "Novak",
    "Silva",  "Kowalski", "Nielsen",   "Taylor",   "Martin", "Lef\xE8vre", "Weber", "Costa",
    "Horvat", "Jansen",   "O'Brien",   "Sch\xF6n", "Moreau", "Ivanova",    "Berg",  "Walker"};

}  // namespace

std::string GenerateDatabaseText(std::size_t persons, std::size_t groups) {
    std::mt19937 random(20080105);
    std::vector<std::string> byGroup(groups);
    for (std::size_t g = 0; g < groups; ++g) {
        byGroup[g] = "#Group " + std::to_string(g + 1) + "|" + std::to_string(g % 48) + "\r\n";
    }
    char date[16];
    for (std::size_t i = 0; i < persons; ++i) {
        std::string& text = byGroup[random() % groups];
        text += kFirstNames[random() % kFirstNames.size()];
        text += ' ';
        text += kLastNames[random() % kLastNames.size()];
        text += ' ';
        text += std::to_string(random() % 100000);
        std::snprintf(
            date, sizeof date, "|%02u.%02u.%04u|", 1 + static_cast<unsigned>(random() % 28),
            1 + static_cast<unsigned>(random() % 12), 1920 + static_cast<unsigned>(random() % 90));
        text += date;
        text += random() % 2 ? "M\r\n" : "F\r\n";
    }
    std::string all;
    for (const std::string& text : byGroup) {
        all += text;
    }
    return all;
}

}  // namespace vitalune::bench
