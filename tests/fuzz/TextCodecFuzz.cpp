// The one-byte-per-character codec: any file bytes decode to UTF-8 whose encoding decodes to the
// same text, and any text written out reads back as that text.

#include "core/base/TextCodec.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = kt::fuzz::Bytes(data, size);
    const std::vector<std::string> lines = kt::DecodeText(bytes);
    const std::vector<std::string> again = kt::DecodeText(kt::EncodeText(lines));
    kt::fuzz::Expect(again == lines, "decoded lines survive a write");

    // The bytes taken as UTF-8 text of one line: a write and a read give it back.
    const std::string text = kt::CodePointsToUtf8(kt::Utf8ToCodePoints(bytes));
    std::string oneLine;
    for (char c : text) oneLine += (c == '\n' || c == '\r') ? ' ' : c;
    const std::string back = kt::DecodeLine(kt::EncodeLine(oneLine));
    kt::fuzz::Expect(back == oneLine, "a text survives a write", oneLine, back);
    return 0;
}
