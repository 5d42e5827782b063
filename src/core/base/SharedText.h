#pragma once
// A text kept once for the whole process. A journal of a million records names a few dozen
// activities, a few hundred descriptions and locations, and mostly leaves the notes empty; each
// record holds four 32-bit handles instead of four strings, and equal texts have equal handles,
// so comparing two of them is comparing two numbers.
//
// Texts are never freed: the pool only grows by texts the user typed or a file brought, which
// is little next to the records that name them. Reading a text is safe from any thread that got
// its handle; adding one is guarded by a lock, so a journal may load on a worker thread.

#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>

namespace kt {

class SharedText {
public:
    // The empty text.
    constexpr SharedText() = default;
    // Finds `text` in the pool or adds it.
    explicit SharedText(std::string_view text);
    SharedText& operator=(std::string_view text);

    const std::string& str() const;
    operator const std::string&() const { return str(); }
    operator std::string_view() const { return str(); }
    std::string_view view() const { return str(); }
    const char* c_str() const { return str().c_str(); }
    const char* data() const { return str().data(); }
    size_t size() const { return str().size(); }
    bool empty() const { return m_id == 0; }
    std::string::const_iterator begin() const { return str().begin(); }
    std::string::const_iterator end() const { return str().end(); }

    // The handle: 0 for the empty text; equal texts have equal handles.
    uint32_t Id() const { return m_id; }
    // True when the text goes into a database line byte for byte: plain ASCII without tab, line
    // break, NUL or ESC (anything else is blanked or escaped on the way out).
    bool IsPlainField() const;
    // The same, handing over the text in the same look-up.
    bool IsPlainField(std::string_view& text) const;

    // The text if the pool holds it, without adding it; the empty text otherwise (check found).
    static SharedText Find(std::string_view text, bool& found);
    // How many texts the pool holds (the empty one included).
    static size_t PoolSize();

    friend bool operator==(const SharedText& a, const SharedText& b) { return a.m_id == b.m_id; }
    friend bool operator==(const SharedText& a, std::string_view b) { return a.view() == b; }

private:
    friend class TextInterner;
    static const std::string& Lookup(uint32_t id);
    uint32_t m_id = 0;
};

std::ostream& operator<<(std::ostream& out, const SharedText& text);

// A loader's front of the pool: remembers the texts it met last, so the texts a file repeats on
// every line cost a compare instead of a locked look-up. Not thread-safe; one per loading thread.
// The look-up runs four times per line of a journal file, so it is here to be inlined.
class TextInterner {
public:
    SharedText operator()(std::string_view text) {
        SharedText result;
        const size_t n = text.size();
        if (n == 0) return result;
        // The slot from the length and the first and last eight bytes: two loads and a multiply,
        // and different for the texts a journal repeats (activities that share a first word
        // differ in their last bytes). A text of up to 16 bytes is all in these words, so it is
        // recognised without reading the pool's copy.
        const Words words = WordsOf(text.data(), n);
        const uint64_t mixed = (words.head ^ (words.tail * 0x9E3779B97F4A7C15ULL) ^ n) * 0xFF51AFD7ED558CCDULL;
        Slot& slot = m_slots[mixed >> (64 - kSlotBits)];
        if (slot.size == n && slot.words.head == words.head && slot.words.tail == words.tail &&
            (n <= 2 * sizeof(uint64_t) ||
             SameBytes(slot.data + sizeof(uint64_t), text.data() + sizeof(uint64_t), n - 2 * sizeof(uint64_t)))) {
            result.m_id = slot.id;
            return result;
        }
        return Miss(slot, text, words);
    }

private:
    struct Words {
        uint64_t head = 0;
        uint64_t tail = 0;
    };
    struct Slot {
        Words words;
        const char* data = nullptr;  // the pool's copy, which never moves
        uint32_t size = 0;           // 0: an empty slot (the empty text never gets one)
        uint32_t id = 0;
    };
    static constexpr int kSlotBits = 10;

    // Loads of a fixed size (a copy of a length known only at run time is a call). Below 16
    // bytes the words overlap or repeat bytes; with the length they still tell every text apart.
    static uint64_t Load(const char* at, size_t size) {
        if (size == 8) {
            uint64_t w = 0;
            std::memcpy(&w, at, 8);
            return w;
        }
        if (size == 4) {
            uint32_t w = 0;
            std::memcpy(&w, at, 4);
            return w;
        }
        return static_cast<unsigned char>(*at);
    }
    static Words WordsOf(const char* d, size_t n) {
        if (n >= 8) return {Load(d, 8), Load(d + n - 8, 8)};
        if (n >= 4) return {Load(d, 4) | Load(d + n - 4, 4) << 32, 0};
        return {Load(d, 1) | Load(d + n / 2, 1) << 8 | Load(d + n - 1, 1) << 16, 0};
    }
    // memcmp for the short texts of a journal, without a call: eight bytes at a time.
    static bool SameBytes(const char* a, const char* b, size_t n) {
        for (; n >= sizeof(uint64_t); a += sizeof(uint64_t), b += sizeof(uint64_t), n -= sizeof(uint64_t)) {
            if (Load(a, 8) != Load(b, 8)) return false;
        }
        for (; n > 0; --n, ++a, ++b) {
            if (*a != *b) return false;
        }
        return true;
    }
    SharedText Miss(Slot& slot, std::string_view text, Words words);

    Slot m_slots[1 << kSlotBits];
};

}  // namespace kt
