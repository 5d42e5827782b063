// A whole database file: loading, saving and loading again gives the same records, and a second
// save writes the same bytes. Reading the bytes in two pieces, cut anywhere, gives what reading
// them at once gives, and the saved bytes are the encoded lines.

#include "core/base/TextCodec.h"
#include "core/journal/DatabaseFormat.h"
#include "core/journal/KT2Doc.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kt::CKT2Doc first;
    first.ParseDatabaseContent(kt::fuzz::Bytes(data, size));
    const std::string saved = first.DatabaseContent(1);
    kt::fuzz::Expect(saved == kt::EncodeText(first.DatabaseLines(1)), "a saved file is its lines encoded", saved);

    // The cut comes from the input's first byte, so the fuzzer steers it too.
    const std::string_view bytes = kt::fuzz::Bytes(data, size);
    const size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    std::vector<kt::CEventRecord> pieces;
    bool metric = false;
    double weight = 0.0;
    kt::RecordReader reader(pieces, metric, weight);
    const size_t used = reader.Read(bytes.substr(0, cut), false);
    kt::fuzz::Expect(used <= cut, "a piece is not read past its end");
    reader.Read(bytes.substr(used), true);
    kt::CKT2Doc again;
    again.SetRecords(pieces);
    kt::fuzz::Expect(again.DatabaseContent(1) == saved && metric == first.m_bMetric && weight == first.m_dLastWeight,
                     "reading in pieces gives the records of one read", saved, again.DatabaseContent(1));

    kt::CKT2Doc second;
    second.ParseDatabaseContent(saved);
    kt::fuzz::Expect(second.Records().size() == first.Records().size(), "a save keeps every record", saved);
    kt::fuzz::Expect(second.m_bMetric == first.m_bMetric, "the unit survives a save", saved);
    const std::string resaved = second.DatabaseContent(1);
    kt::fuzz::Expect(resaved == saved, "a saved journal is stable", saved, resaved);
    return 0;
}
