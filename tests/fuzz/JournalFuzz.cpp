// A whole database file: loading, saving and loading again gives the same records, and a second
// save writes the same bytes.

#include "core/base/TextCodec.h"
#include "core/journal/KT2Doc.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kt::CKT2Doc first;
    first.ParseDatabaseContent(kt::fuzz::Bytes(data, size));
    const std::string saved = kt::EncodeText(first.DatabaseLines(1));

    kt::CKT2Doc second;
    second.ParseDatabaseContent(saved);
    kt::fuzz::Expect(second.Records().size() == first.Records().size(), "a save keeps every record", saved);
    kt::fuzz::Expect(second.m_bMetric == first.m_bMetric, "the unit survives a save", saved);
    const std::string again = kt::EncodeText(second.DatabaseLines(1));
    kt::fuzz::Expect(again == saved, "a saved journal is stable", saved, again);
    return 0;
}
