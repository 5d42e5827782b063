#include "core/base/SharedText.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <ostream>
#include <stdexcept>
#include <unordered_map>

namespace kt {
namespace {

// Texts live in chunks that never move, so a handle's text can be read without the lock while
// another thread adds texts; only the chunk table is shared, and its slots are filled once.
constexpr uint32_t kChunkBits = 10;
constexpr uint32_t kChunkSize = 1u << kChunkBits;
constexpr uint32_t kMaxChunks = 1u << 18;

struct Entry {
    std::string text;
    bool plain = false;
};

std::atomic<Entry*> g_chunks[kMaxChunks];
// A local static, not a global: a text read during another file's static start-up must still
// find it built (clang does not take an empty std::string as a constant initializer).
const std::string& EmptyText() {
    static const std::string empty;
    return empty;
}

struct Index {
    std::mutex lock;
    // Keys look into the texts of the chunks.
    std::unordered_map<std::string_view, uint32_t> ids;
    uint32_t next = 1;  // 0 is the empty text, which is not stored
};

Index& TheIndex() {
    static Index index;
    return index;
}

bool IsPlain(std::string_view text) {
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 || b == 0x1B || c == '\t' || c == '\r' || c == '\n' || c == '\0') return false;
    }
    return true;
}

Entry& EntryOf(uint32_t id) { return g_chunks[id >> kChunkBits].load(std::memory_order_acquire)[id & (kChunkSize - 1)]; }

uint32_t Intern(std::string_view text) {
    if (text.empty()) return 0;
    Index& index = TheIndex();
    const std::lock_guard<std::mutex> guard(index.lock);
    const auto it = index.ids.find(text);
    if (it != index.ids.end()) return it->second;
    const uint32_t id = index.next;
    const uint32_t chunk = id >> kChunkBits;
    if (chunk >= kMaxChunks) throw std::length_error("too many distinct texts");
    if (!g_chunks[chunk].load(std::memory_order_relaxed)) g_chunks[chunk].store(new Entry[kChunkSize], std::memory_order_release);
    Entry& entry = EntryOf(id);
    entry.text.assign(text);
    entry.plain = IsPlain(text);
    index.ids.emplace(std::string_view(entry.text), id);
    ++index.next;
    return id;
}

}  // namespace

SharedText::SharedText(std::string_view text) : m_id(Intern(text)) {}

SharedText& SharedText::operator=(std::string_view text) {
    m_id = Intern(text);
    return *this;
}

const std::string& SharedText::Lookup(uint32_t id) { return id == 0 ? EmptyText() : EntryOf(id).text; }

const std::string& SharedText::str() const { return Lookup(m_id); }

bool SharedText::IsPlainField() const { return m_id == 0 || EntryOf(m_id).plain; }

bool SharedText::IsPlainField(std::string_view& text) const {
    if (m_id == 0) {
        text = std::string_view();
        return true;
    }
    const Entry& entry = EntryOf(m_id);
    text = entry.text;
    return entry.plain;
}

SharedText SharedText::Find(std::string_view text, bool& found) {
    SharedText result;
    found = true;
    if (text.empty()) return result;
    Index& index = TheIndex();
    const std::lock_guard<std::mutex> guard(index.lock);
    const auto it = index.ids.find(text);
    found = it != index.ids.end();
    if (found) result.m_id = it->second;
    return result;
}

size_t SharedText::PoolSize() {
    Index& index = TheIndex();
    const std::lock_guard<std::mutex> guard(index.lock);
    return index.next;
}

std::ostream& operator<<(std::ostream& out, const SharedText& text) { return out << text.str(); }

SharedText TextInterner::Miss(Slot& slot, std::string_view text, Words words) {
    SharedText result;
    result.m_id = Intern(text);
    slot = {words, SharedText::Lookup(result.m_id).data(), static_cast<uint32_t>(text.size()), result.m_id};
    return result;
}

}  // namespace kt
