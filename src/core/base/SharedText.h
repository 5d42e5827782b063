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
class TextInterner {
public:
    SharedText operator()(std::string_view text);

private:
    struct Slot {
        const char* data = nullptr;  // the pool's copy, which never moves
        uint32_t size = 0;
        uint32_t id = 0;
    };
    static constexpr int kSlotBits = 10;
    Slot m_slots[1 << kSlotBits];
};

}  // namespace kt
