// "ActivityList.txt": any content gives a table of 310 entries that writes and reads back stably.

#include "core/activities/ActivityList.h"
#include "core/base/TextCodec.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kt::ActivityTable table = kt::ActivityTable::Defaults();
    kt::ParseActivityListLines(table, kt::DecodeText(kt::fuzz::Bytes(data, size)));
    const std::vector<std::string> first = kt::ActivityListLines(table);
    kt::fuzz::Expect(first.size() == 310, "the table keeps 310 entries");

    kt::ActivityTable reread = kt::ActivityTable::Defaults();
    kt::ParseActivityListLines(reread, kt::DecodeText(kt::EncodeText(first)));
    kt::ActivityTable third = kt::ActivityTable::Defaults();
    kt::ParseActivityListLines(third, kt::DecodeText(kt::EncodeText(kt::ActivityListLines(reread))));
    // The first write rounds each MET to six decimals; from then on nothing may change.
    kt::fuzz::Expect(kt::ActivityListLines(third) == kt::ActivityListLines(reread), "a written activity list is stable");
    return 0;
}
