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
    struct Slot {
        std::uint64_t hash = 0;
        std::string_view code;
        int value = -1; // -1: empty
    };

    static std::uint64_t Hash(std::string_view code);
    size_t Probe(std::string_view code, std::uint64_t hash) const;
    void Grow(size_t nSlots);

    std::vector<Slot> m_slots;
    size_t m_nCount = 0;
};
