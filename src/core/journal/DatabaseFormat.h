#pragma once
// The lines of a database file (the active journal, archives and backups): reading them into
// records and writing records as lines. Both run once per record of a journal of a million, so
// they work on the bytes where they lie: the reader cuts a line into fields in one pass and takes
// its texts from the text pool, the writer appends to the one buffer that becomes the file.

#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/base/SharedText.h"
#include "core/journal/EventRecord.h"

namespace kt {

// Appends the line of `record` (no line end): the time, type, description, duration with two
// decimals, location, calories and weight with one, the unit flag (1 for kilograms) and the
// notes, separated by tabs. Tabs, line breaks and NULs in the texts become blanks. With `encode`
// the texts are written in the file's bytes (see TextCodec.h), otherwise as UTF-8.
void AppendRecordLine(std::string& out, const CEventRecord& record, bool encode);

// The line of one record as UTF-8 text, texts sanitized.
std::string DatabaseRecordLine(const CEventRecord& record);

// The bytes of a database file made a piece at a time in one buffer, so a saved journal of any
// size needs a megabyte besides its records: lines are added until the piece is full, the piece
// is written, cleared and filled again.
class RecordFileWriter {
public:
    static constexpr size_t kPieceSize = 1 << 20;
    // Adds bytes as they are (the header line).
    void AddText(std::string_view text);
    // Adds the line of `record` in the file's bytes and its CR LF; false, adding nothing, when the
    // line does not fit in what is left of the piece (a line never fits only in an empty piece).
    bool Add(const CEventRecord& record);
    bool Full() const { return m_used >= kPieceSize; }
    std::string_view Piece() const { return std::string_view(m_buffer.data(), m_used); }
    void Clear() { m_used = 0; }

private:
    // Room for `room` more bytes: true when there is or was made, false when the piece has other
    // lines and no room for these (unless `always`).
    bool MakeRoom(size_t room, bool always);

    std::string m_buffer;
    size_t m_used = 0;
    std::unordered_map<uint32_t, std::string> m_coded;  // the file form of texts that are not plain
};

// Reads the lines of a database file into records appended to `records`. A line without a tab (the
// header, an empty line) makes no record; a line that ends early gives a record with the missing
// fields empty or 0. Every line with a unit field sets `metric`, an older line without one sets
// pounds, and a record takes the unit as it then is; a weight above 0 becomes `lastWeight`.
class RecordReader {
public:
    // `header`, when given, receives the number of a first line that holds no tab.
    RecordReader(std::vector<CEventRecord>& records, bool& metric, double& lastWeight, std::optional<uint64_t>* header = nullptr);

    // Reads the complete lines at the start of `bytes`, and with `last` the rest as the last line,
    // and returns how many bytes that took; the rest is the start of a line the next bytes go on.
    // LF or CR LF end a line. A UTF-8 byte-order mark at the start of the first bytes is skipped.
    size_t Read(std::string_view bytes, bool last);
    // Reads one line, decoded to UTF-8, its end removed.
    void ReadLine(std::string_view line);
    // How many lines were read.
    long long Lines() const { return m_lines; }
    // The records read so far are in date order among themselves (none earlier than the one
    // before), so a loader need not walk them again to know.
    bool InDateOrder() const { return m_inDateOrder; }

private:
    // The tabs of a line up to the one that ends the unit field.
    static constexpr int kTabs = 8;
    static constexpr size_t kNone = std::string_view::npos;
    // A line as the file holds it, with the places of its first tabs and of its first byte the
    // codec must see (kNone: none).
    void ReadFileLine(std::string_view line, const size_t* tabs, int tabCount, size_t coded);
    // A line of every field whose texts need the codec: reads it with those texts decoded one by
    // one, which is the line decoded whole as long as no text before the notes decodes to a tab
    // and the date, numbers and unit flag need no decoding. False, reading nothing, otherwise.
    bool AddCodedRecord(std::string_view line, const size_t* tabs, size_t coded);
    // The record of a UTF-8 line; `texts`, when given, are its type, description, location and
    // notes already made.
    void AddRecord(std::string_view line, const size_t* tabs, int tabCount, const SharedText* texts);

    std::vector<CEventRecord>& m_records;
    bool& m_metric;
    double& m_lastWeight;
    std::optional<uint64_t>* m_header;
    long long m_lines = 0;
    bool m_started = false;  // past the place of a byte-order mark
    bool m_inDateOrder = true;
    Time64 m_lastDate = std::numeric_limits<Time64>::min();  // of the last record read
    TextInterner m_texts;
    std::string m_decoded;
    // The texts the codec had to see, by their bytes in the file (kept in m_codedBytes).
    struct DecodedText {
        SharedText text;
        bool tab = false;  // the decoded text holds a tab
    };
    std::unordered_map<std::string_view, DecodedText> m_decodedTexts;
    std::deque<std::string> m_codedBytes;
};

}  // namespace kt
