// Reading any bytes as vCard contacts never crashes, gives only person lines the
// database can keep, and what an import of them exports reads back as the same persons.
#include <string>

#include "FuzzContacts.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace vitalune;
    fuzz::CheckContacts(std::string(reinterpret_cast<const char*>(data), size),
                        ContactsFormat::VCard);
    return 0;
}
