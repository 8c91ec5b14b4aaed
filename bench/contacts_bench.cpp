// Reading an address book of 10,000 vCards and importing them into a new group, as the names
// editor's import does.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <string>

#include "BenchMain.h"
#include "core/contacts/Contacts.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"

namespace vitalune::bench {
namespace {

constexpr std::array<const char*, 16> kGiven = {
    "Ann",  "John", "Mary",  "Peter", "Jos\xC3\xA9", "Zo\xC3\xAB", "Lars",         "Olivia",
    "Noah", "Emma", "Lucas", "Mia",   "Ren\xC3\xA9", "Chloe",      "Bj\xC3\xB6rn", "Sofia"};
constexpr std::array<const char*, 16> kFamily = {
    "Smith", "Jones",    "M\xC3\xBCller", "Garcia",  "Brown",          "Dubois", "Rossi", "Novak",
    "Silva", "Kowalski", "Nielsen",       "O'Brien", "Lef\xC3\xA8vre", "Weber",  "Costa", "Berg"};

// Cards as address books write them: 4.0 and 3.0 mixed, a folded note, one in ten without a
// year of birth.
std::string GenerateVCards(std::size_t count) {
    std::mt19937 random(20080105);
    std::string text;
    char bday[64];
    for (std::size_t i = 0; i < count; ++i) {
        const char* given = kGiven[random() % kGiven.size()];
        const char* family = kFamily[random() % kFamily.size()];
        const std::string number = std::to_string(random() % 100000);
        const bool four = i % 2 == 0;
        text += four ? "BEGIN:VCARD\r\nVERSION:4.0\r\n" : "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        text += std::string{"N:"} + family + ";" + given + " " + number + ";;;\r\n";
        text += std::string{"FN:"} + given + " " + number + " " + family + "\r\n";
        const unsigned day = 1 + random() % 28;
        const unsigned month = 1 + random() % 12;
        const unsigned year = 1920 + random() % 90;
        if (i % 10 == 9) {
            std::snprintf(bday, sizeof bday, "BDAY:--%02u%02u\r\n", month, day);
        } else if (four) {
            std::snprintf(bday, sizeof bday, "BDAY;VALUE=DATE:%04u%02u%02u\r\n", year, month, day);
        } else {
            std::snprintf(bday, sizeof bday, "BDAY:%04u-%02u-%02uT00:00:00Z\r\n", year, month, day);
        }
        text += bday;
        text += random() % 2 ? "GENDER:F\r\n" : "GENDER:M\r\n";
        text += "EMAIL;TYPE=HOME:person" + number + "@example.org\r\n";
        text +=
            "NOTE:A note long enough to be folded by the address book that wrote this ca\r\n"
            " rd\\, as the format asks for lines over 75 octets.\r\n";
        text += "END:VCARD\r\n";
    }
    return text;
}

void BM_VCardImport(benchmark::State& state) {
    const std::string cards = GenerateVCards(static_cast<std::size_t>(state.range(0)));
    const FixedClock clock(EncodeDate(2008, 1, 5));
    for (auto _ : state) {
        NamesDatabase database(clock);
        database.MakeEmpty();
        const ContactsImport result =
            ImportContacts(database, ReadContacts(cards, ContactsFormat::VCard), "Contacts");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_VCardImport)->Arg(10000)->Unit(benchmark::kMillisecond);

const bool kAdded = AddFigure(Time("vcard-import-10k", "ms", "BM_VCardImport/10000"));

}  // namespace
}  // namespace vitalune::bench
