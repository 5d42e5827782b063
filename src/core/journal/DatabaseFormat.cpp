#include "core/journal/DatabaseFormat.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/base/Format.h"
#include "core/base/Scan.h"
#include "core/base/Text.h"
#include "core/base/TextCodec.h"

namespace kt {
namespace {

// One text as a database line holds it: a tab or a line break would shift the fields after it and a
// NUL would end the text for C-string readers, so they become blanks. With `encode` in the file's
// bytes (see TextCodec.h), otherwise as UTF-8.
std::string FieldForm(const SharedText& text, bool encode) {
    std::string clean = SanitizeFieldText(text.str());
    return encode ? EncodeLine(clean) : clean;
}

// The most a line takes besides its texts: the date, three numbers, eight tabs, the flag, CR LF.
constexpr size_t kLineRoom = 24 + 3 * kFixedRoom + 16;

// Writes the line of `record` at `p` (which has room for kLineRoom and the texts), the texts
// given in the form they take; returns the end. "%2.2f", "%3.1f" and "%2.1f": the widths never
// pad, as every number, "inf" and "nan" are as wide.
char* WriteLine(char* p, const CEventRecord& record, const std::string_view* texts) {
    p = std::to_chars(p, p + 24, static_cast<unsigned long long>(record.m_time)).ptr;
    const auto text = [&p](std::string_view t) {
        *p++ = '\t';
        p = std::copy(t.begin(), t.end(), p);  // an empty text may have no bytes at all to copy from
    };
    text(texts[0]);
    text(texts[1]);
    *p++ = '\t';
    p = FormatFixed(p, record.m_dDuration, 2);
    text(texts[2]);
    *p++ = '\t';
    p = FormatFixed(p, record.m_dCalories, 1);
    *p++ = '\t';
    p = FormatFixed(p, record.m_dWeight, 1);
    *p++ = '\t';
    *p++ = record.m_bMetric != 0 ? '1' : '0';
    text(texts[3]);
    return p;
}

// Where the tabs, the line ends and the bytes the codec must see (0x80 and above, ESC) lie among
// 64 bytes: bit i stands for byte i.
struct ByteClasses {
    uint64_t tabs = 0;
    uint64_t newlines = 0;
    uint64_t coded = 0;
};

constexpr size_t kBlock = 64;

// The classes of fewer than a block's bytes (the end of the bytes), and of every block where
// there is no vector unit to ask.
ByteClasses ClassifyBytes(const char* p, size_t count) {
    ByteClasses classes;
    for (size_t i = 0; i < count; ++i) {
        const auto c = static_cast<unsigned char>(p[i]);
        const uint64_t bit = uint64_t{1} << i;
        if (c == '\t') classes.tabs |= bit;
        if (c == '\n') classes.newlines |= bit;
        if (c >= 0x80 || c == 0x1B) classes.coded |= bit;
    }
    return classes;
}

ByteClasses ClassifyBlock(const char* p) {
#if defined(__SSE2__)
    // Sixteen bytes per compare; every x86-64 processor has these instructions.
    ByteClasses classes;
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i newline = _mm_set1_epi8('\n');
    const __m128i escape = _mm_set1_epi8(0x1B);
    for (size_t i = 0; i < kBlock; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const auto mask = [](__m128i m) { return static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(m))); };
        classes.tabs |= mask(_mm_cmpeq_epi8(bytes, tab)) << i;
        classes.newlines |= mask(_mm_cmpeq_epi8(bytes, newline)) << i;
        // The top bit of a byte is the top bit of 0x80 and above.
        classes.coded |= (mask(bytes) | mask(_mm_cmpeq_epi8(bytes, escape))) << i;
    }
    return classes;
#else
    return ClassifyBytes(p, kBlock);
#endif
}

// The bits below bit `n` (n up to 64).
uint64_t BitsBelow(size_t n) { return n >= kBlock ? ~uint64_t{0} : (uint64_t{1} << n) - 1; }

// The unit field is one digit in every file this program writes.
bool UnitFlag(std::string_view field) {
    if (field.size() == 1 && field[0] >= '0' && field[0] <= '9') return field[0] > '0';
    return ScanIntOr(field, 0) > 0;
}

}  // namespace

void AppendRecordLine(std::string& out, const CEventRecord& record, bool encode) {
    // The texts are the only part that can hold anything but ASCII, and ASCII separates them, so
    // encoding them one by one gives the bytes of the encoded line.
    const SharedText* texts[] = {&record.m_strType, &record.m_strDescription, &record.m_strLocation, &record.m_strNotes};
    std::string held[4];
    std::string_view forms[4];
    size_t textBytes = 0;
    for (size_t i = 0; i < 4; ++i) {
        if (!texts[i]->IsPlainField(forms[i])) forms[i] = held[i] = FieldForm(*texts[i], encode);
        textBytes += forms[i].size();
    }
    constexpr size_t kStack = 4096;
    if (kLineRoom + textBytes <= kStack) {
        char line[kStack];
        out.append(line, WriteLine(line, record, forms));
        return;
    }
    std::string line(kLineRoom + textBytes, '\0');
    line.resize(static_cast<size_t>(WriteLine(line.data(), record, forms) - line.data()));
    out += line;
}

bool RecordFileWriter::MakeRoom(size_t room, bool always) {
    if (m_used + room <= m_buffer.size()) return true;
    // The buffer grows to a piece and a little more, so that a small file costs a small buffer.
    constexpr size_t kFull = kPieceSize + kPieceSize / 16;
    constexpr size_t kFirst = 64 << 10;
    if (!always && m_used > 0 && m_used + room > kFull) return false;
    m_buffer.resize(std::max(m_used + room, std::min(kFull, std::max(kFirst, 2 * m_buffer.size()))));
    return true;
}

void RecordFileWriter::AddText(std::string_view text) {
    MakeRoom(text.size(), true);
    std::memcpy(m_buffer.data() + m_used, text.data(), text.size());
    m_used += text.size();
}

bool RecordFileWriter::Add(const CEventRecord& record) {
    const SharedText* texts[] = {&record.m_strType, &record.m_strDescription, &record.m_strLocation, &record.m_strNotes};
    std::string_view forms[4];
    size_t textBytes = 0;
    for (size_t i = 0; i < 4; ++i) {
        if (!texts[i]->IsPlainField(forms[i])) {
            // The few texts that need blanks or escapes recur on many lines (an activity name with
            // a character above U+00FF): each is worked out once per file.
            auto [it, added] = m_coded.try_emplace(texts[i]->Id());
            if (added) it->second = FieldForm(*texts[i], true);
            forms[i] = it->second;
        }
        textBytes += forms[i].size();
    }
    // A full piece leaves the line to the next one; a line longer than a piece is a piece of its own.
    if (!MakeRoom(kLineRoom + textBytes + 2, false)) return false;
    char* const start = m_buffer.data() + m_used;
    char* p = WriteLine(start, record, forms);
    *p++ = '\r';
    *p++ = '\n';
    m_used += static_cast<size_t>(p - start);
    return true;
}

std::string DatabaseRecordLine(const CEventRecord& record) {
    std::string line;
    AppendRecordLine(line, record, false);
    return line;
}

RecordReader::RecordReader(std::vector<CEventRecord>& records, bool& metric, double& lastWeight, std::optional<uint64_t>* header)
    : m_records(records), m_metric(metric), m_lastWeight(lastWeight), m_header(header) {}

size_t RecordReader::Read(std::string_view bytes, bool last) {
    size_t start = 0;
    if (!m_started) {
        // A byte-order mark is recognised only whole.
        constexpr size_t kMarkSize = 3;
        if (bytes.size() < kMarkSize && !last) return 0;
        m_started = true;
        start = bytes.size() - SkipByteOrderMark(bytes).size();
    }
    // One pass over the bytes, a block at a time, finds the line ends, the tabs and whether a line
    // needs the codec; each line is read as its end comes by.
    const char* data = bytes.data();
    const size_t size = bytes.size();
    size_t tabs[kTabs];
    int tabCount = 0;
    size_t coded = kNone;  // the first byte of the line the codec must see
    const auto firstCoded = [&](uint64_t bits, size_t block) {
        if (coded == kNone && bits != 0) coded = block + static_cast<size_t>(std::countr_zero(bits)) - start;
    };
    for (size_t block = start; block < size; block += kBlock) {
        const size_t count = std::min(kBlock, size - block);
        const ByteClasses classes = count == kBlock ? ClassifyBlock(data + block) : ClassifyBytes(data + block, count);
        size_t lineBit = start - std::min(start, block);  // where the current line starts in this block
        // Line by line: the tabs before the line's end (its first few only), then the line.
        uint64_t tabBits = classes.tabs;
        for (uint64_t ends = classes.newlines;; ends &= ends - 1) {
            const size_t endBit = ends != 0 ? static_cast<size_t>(std::countr_zero(ends)) : kBlock;
            for (uint64_t t = tabBits & BitsBelow(endBit); t != 0 && tabCount < kTabs; t &= t - 1)
                tabs[tabCount++] = block + static_cast<size_t>(std::countr_zero(t)) - start;
            if (ends == 0) break;
            firstCoded(classes.coded & BitsBelow(endBit) & ~BitsBelow(lineBit), block);
            const size_t at = block + endBit;
            const size_t end = at > start && data[at - 1] == '\r' ? at - 1 : at;
            ReadFileLine(bytes.substr(start, end - start), tabs, tabCount, coded);
            start = at + 1;
            lineBit = endBit + 1;
            tabBits &= ~BitsBelow(lineBit);
            tabCount = 0;
            coded = kNone;
        }
        firstCoded(classes.coded & ~BitsBelow(lineBit), block);
    }
    if (start < size && last) {
        // A last line without a line end is taken as it stands, a CR included.
        ReadFileLine(bytes.substr(start), tabs, tabCount, coded);
        start = size;
    }
    return start;
}

void RecordReader::ReadFileLine(std::string_view line, const size_t* tabs, int tabCount, size_t coded) {
    if (++m_lines == 1 && m_header && tabCount == 0) *m_header = ScanU64Or(line, 0);
    // A line of plain ASCII is already its own UTF-8 text.
    if (coded == kNone) {
        AddRecord(line, tabs, tabCount, nullptr);
        return;
    }
    if (tabCount == kTabs && AddCodedRecord(line, tabs, coded)) return;
    // Anything else is decoded whole first: a decoded tab before the notes cuts a field.
    DecodeLineInto(line, m_decoded);
    ReadLine(m_decoded);
}

bool RecordReader::AddCodedRecord(std::string_view line, const size_t* tabs, size_t coded) {
    // The line's nine fields; the notes run to the line's end.
    const auto field = [&](int i) {
        const size_t from = i == 0 ? 0 : tabs[i - 1] + 1;
        return line.substr(from, i < kTabs ? tabs[i] - from : kNone);
    };
    // The date, the numbers and the unit flag are read as the bytes stand only when the codec
    // leaves them so (a field before the first coded byte is plain ASCII).
    for (int i : {0, 3, 5, 6, 7}) {
        if (tabs[i] > coded && NeedsCoding(field(i))) return false;
    }
    constexpr int kTextFields[] = {1, 2, 4, kTabs};
    SharedText texts[4];
    for (size_t k = 0; k < 4; ++k) {
        const std::string_view bytes = field(kTextFields[k]);
        const size_t end = kTextFields[k] < kTabs ? tabs[kTextFields[k]] : line.size();
        if (end <= coded || !NeedsCoding(bytes)) {
            texts[k] = m_texts(bytes);
            continue;
        }
        // The coded texts of a file recur on many lines (an activity named with a character
        // beyond Latin-1, a note in a script of its own): each is decoded once per file, up to
        // a number that keeps a file of ever new ones from costing a second copy of them.
        constexpr size_t kMaxDecodedTexts = 4096;
        DecodedText decoded;
        if (const auto found = m_decodedTexts.find(bytes); found != m_decodedTexts.end()) {
            decoded = found->second;
        } else {
            DecodeLineInto(bytes, m_decoded);
            decoded = {m_texts(m_decoded), m_decoded.find('\t') != std::string::npos};
            if (m_decodedTexts.size() < kMaxDecodedTexts) m_decodedTexts.emplace(m_codedBytes.emplace_back(bytes), decoded);
        }
        // A tab decoded before the notes cuts a field: the line is read decoded whole.
        if (decoded.tab && kTextFields[k] < kTabs) return false;
        texts[k] = decoded.text;
    }
    AddRecord(line, tabs, kTabs, texts);
    return true;
}

void RecordReader::ReadLine(std::string_view line) {
    size_t tabs[kTabs];
    int tabCount = 0;
    for (size_t tab = line.find('\t'); tab != std::string_view::npos && tabCount < kTabs; tab = line.find('\t', tab + 1))
        tabs[tabCount++] = tab;
    AddRecord(line, tabs, tabCount, nullptr);
}

void RecordReader::AddRecord(std::string_view line, const size_t* tabs, int tabCount, const SharedText* texts) {
    // The header and empty lines hold no tab: their number means nothing to the database.
    if (tabCount == 0) return;
    const std::string_view dateField = line.substr(0, tabs[0]);
    uint64_t date = 0;
    if (!ScanPlainUnsigned(dateField, date)) date = ScanU64Or(dateField, 0);
    // Type, description, duration, location, calories, weight: each only when a tab ends it; the
    // fields after the first one without are left empty.
    constexpr int kLeadingFields = 6;
    const int taken = std::min(tabCount - 1, kLeadingFields);
    const auto field = [&](int i) { return i < taken ? line.substr(tabs[i] + 1, tabs[i + 1] - tabs[i] - 1) : std::string_view(); };
    const auto number = [&](int i) {
        double value = 0.0;
        if (i < taken && !ScanPlainDecimal(field(i), value)) value = ScanDoubleOr(field(i), 0.0);
        return value;
    };
    const double duration = number(2);
    const double calories = number(4);
    const double weight = number(5);
    std::string_view notes;
    if (taken == kLeadingFields) {
        if (tabCount == kLeadingFields + 1) {
            // Files of earlier versions have no unit field; their weights are pounds.
            notes = line.substr(tabs[kLeadingFields] + 1);
            m_metric = false;
        } else {
            const size_t flag = tabs[kLeadingFields] + 1;
            m_metric = UnitFlag(line.substr(flag, tabs[kLeadingFields + 1] - flag));
            // The notes start after the unit field's tab. Every file holds a one-character flag
            // there; a longer or empty one must not cost the notes a character or add a tab.
            notes = line.substr(tabs[kLeadingFields + 1] + 1);
        }
    }
    if (weight > 0) m_lastWeight = weight;
    const auto time = static_cast<Time64>(date);
    m_inDateOrder = m_inDateOrder && time >= m_lastDate;
    m_lastDate = time;
    if (texts) {
        m_records.emplace_back(time, texts[0], texts[1], duration, texts[2], calories, weight, m_metric ? 1 : 0, texts[3]);
    } else {
        m_records.emplace_back(time, m_texts(field(0)), m_texts(field(1)), duration, m_texts(field(3)), calories, weight, m_metric ? 1 : 0,
                               m_texts(notes));
    }
}

}  // namespace kt
