#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Codes to numbers, for the hundreds of thousands of look-ups of an import:
// one flat table probed in place, each slot holding the code's hash, so that
// a look-up touches one or two cache lines and compares a code's bytes only
// when the hashes agree. The codes are views; their bytes must outlive the
// index.
class CBc3CodeIndex
{
public:
    // The number of a code, or -1.
    int Find(std::string_view code) const;
    // The number of a code, which becomes nValue when the code is new.
    int Insert(std::string_view code, int nValue, bool* pAdded = nullptr);
    void Reserve(size_t nCodes);
    size_t Size() const { return m_nCount; }

private:
    // Eight bytes a slot, so that many fit in a cache line; the code itself
    // is read only when the hash agrees.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t entry = 0; // 1 + index into m_entries; 0: empty
    };
    struct Entry {
        std::string_view code;
        int value;
    };

    static std::uint32_t Hash(std::string_view code);
    size_t Probe(std::string_view code, std::uint32_t hash) const;
    void Grow(size_t nSlots);

    std::vector<Slot> m_slots;
    std::vector<Entry> m_entries;
    size_t m_nCount = 0;
};
