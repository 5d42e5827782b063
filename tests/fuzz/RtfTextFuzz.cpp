// The reader of our documents' RTF: any bytes give styled text whose spans lie inside the text
// and whose paragraph styles name existing paragraphs.

#include "core/about/RtfText.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const kt::StyledText t = kt::RtfToStyledText(kt::fuzz::Bytes(data, size));
    size_t end = 0;
    for (const kt::TextSpan& s : t.spans) {
        kt::fuzz::Expect(s.start >= end && s.length > 0 && s.start + s.length <= t.text.size(), "spans are in order inside the text",
                         t.text);
        end = s.start + s.length;
    }
    size_t paragraphs = 1;
    for (char c : t.text) paragraphs += c == '\n' ? 1 : 0;
    for (const kt::ParagraphStyle& p : t.alignments) kt::fuzz::Expect(p.paragraph < paragraphs, "aligned paragraphs exist", t.text);
    return 0;
}
