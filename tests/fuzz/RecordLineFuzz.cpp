// One line of a database file: whatever it holds, the record it gives survives a save and a
// load with its texts whole (only tabs, line breaks and NULs become blanks) and its line stable,
// and the line is what printf writes with the record format.

#include "core/base/Format.h"
#include "core/base/Text.h"
#include "core/base/TextCodec.h"
#include "core/journal/KT2Doc.h"
#include "core/journal/Texts.h"
#include "fuzz/FuzzCheck.h"

namespace {

std::string Texts(const kt::CEventRecord& r) {
    return r.m_strType.str() + "|" + r.m_strDescription.str() + "|" + r.m_strLocation.str() + "|" + r.m_strNotes.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes = kt::fuzz::Bytes(data, size);
    if (const size_t end = bytes.find_first_of("\r\n"); end != std::string_view::npos) bytes = bytes.substr(0, end);
    kt::CKT2Doc first;
    first.ParseRecordLine(kt::DecodeLine(bytes));
    if (first.Records().empty()) return 0;
    const kt::CEventRecord& r1 = first.Records()[0];
    const std::string line1 = kt::DatabaseRecordLine(r1);

    const kt::CEventRecord clean = [&r1] {
        kt::CEventRecord c = r1;
        for (kt::SharedText* t : {&c.m_strType, &c.m_strDescription, &c.m_strLocation, &c.m_strNotes}) *t = kt::SanitizeFieldText(*t);
        return c;
    }();
    // The texts may hold a NUL no more, so %s takes them whole.
    const std::string printed =
        kt::Format(kt::journal::kRecordFormat, static_cast<unsigned long long>(clean.m_time), clean.m_strType.c_str(),
                   clean.m_strDescription.c_str(), clean.m_dDuration, clean.m_strLocation.c_str(), clean.m_dCalories, clean.m_dWeight,
                   clean.m_bMetric != 0 ? 1 : 0, clean.m_strNotes.c_str());
    kt::fuzz::Expect(line1 == printed, "a line is what printf writes", printed, line1);

    kt::CKT2Doc second;
    second.ParseRecordLine(kt::DecodeLine(kt::EncodeLine(line1)));
    kt::fuzz::Expect(second.Records().size() == 1, "a written record reads back as one record", line1);
    const kt::CEventRecord& r2 = second.Records()[0];
    kt::fuzz::Expect(Texts(r2) == Texts(clean), "texts survive a save", Texts(clean), Texts(r2));
    kt::fuzz::Expect(r2.m_time == r1.m_time && r2.m_bMetric == (r1.m_bMetric != 0 ? 1 : 0), "date and unit survive a save", line1);
    kt::fuzz::Expect(kt::DatabaseRecordLine(r2) == line1, "a saved line is stable", line1, kt::DatabaseRecordLine(r2));
    return 0;
}
