#include "bc3/CBc3CodeIndex.h"

std::uint32_t CBc3CodeIndex::Hash(std::string_view code)
{
    // FNV-1a, then mixed so that the low bits that pick a slot depend on
    // every byte.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : code) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    hash ^= hash >> 29;
    hash *= 0xbf58476d1ce4e5b9ULL;
    hash ^= hash >> 32;
    return std::uint32_t(hash);
}

// The slot holding the code, or the empty slot where it would go.
size_t CBc3CodeIndex::Probe(std::string_view code, std::uint32_t hash) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.entry == 0 || (slot.hash == hash && m_entries[slot.entry - 1].code == code))
            return i;
    }
}

int CBc3CodeIndex::Find(std::string_view code) const
{
    if (m_slots.empty())
        return -1;
    const Slot& slot = m_slots[Probe(code, Hash(code))];
    return slot.entry == 0 ? -1 : m_entries[slot.entry - 1].value;
}

int CBc3CodeIndex::Insert(std::string_view code, int nValue, bool* pAdded)
{
    // At most half full, so that probes stay short.
    if ((m_nCount + 1) * 2 > m_slots.size())
        Grow(m_slots.empty() ? 64 : m_slots.size() * 2);
    const std::uint32_t hash = Hash(code);
    Slot& slot = m_slots[Probe(code, hash)];
    const bool added = slot.entry == 0;
    if (pAdded)
        *pAdded = added;
    if (!added)
        return m_entries[slot.entry - 1].value;
    m_entries.push_back(Entry{code, nValue});
    slot = Slot{hash, std::uint32_t(m_entries.size())};
    ++m_nCount;
    return nValue;
}

void CBc3CodeIndex::Reserve(size_t nCodes)
{
    size_t slots = 64;
    while (slots < nCodes * 2)
        slots *= 2;
    if (slots > m_slots.size())
        Grow(slots);
    m_entries.reserve(nCodes);
}

void CBc3CodeIndex::Grow(size_t nSlots)
{
    std::vector<Slot> old(nSlots);
    old.swap(m_slots);
    const size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.entry == 0)
            continue;
        size_t i = slot.hash & mask;
        while (m_slots[i].entry != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}
