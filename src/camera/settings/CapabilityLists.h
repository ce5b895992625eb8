#pragma once

// What the setting readers share: turning the camera's code lists into the
// data block's flag tables and value lists, and its codes into enumeration
// values. The SDK's records are packed, so list entries are read by value,
// never through a reference to a member.

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstddef>

#include "Kvrptpif.h"
#include "SettingStorage.h"

namespace kavrotether::capability {

constexpr int kListMax = int(KVR_CAPA_LIST_MAX);

// A code's enumeration value: the index of the first equal entry of the
// vocabulary's code table, -1 when none is.
template<typename T, std::size_t N>
constexpr int codeIndex(const T (&table)[N], quint32 code)
{
    for (std::size_t i = 0; i < N; ++i)
        if (quint32(table[i]) == code)
            return int(i);
    return -1;
}

// Codes that are their own value below a limit.
constexpr int below(quint32 code, int limit)
{
    return code < quint32(limit) ? int(code) : -1;
}

// On/off settings: 0 and 1, nothing else.
constexpr int switchLike(quint32 code)
{
    return below(code, 2);
}

// White-balance mode and adjustment codes; codes the camera may send that
// the program has no value for (3, 0x8000, 11, ...) give -1.
inline int wbModeCodeToIndex(quint32 code)
{
    return codeIndex(Utilities::arrWBVal, code);
}
inline int wbAdjustCodeToIndex(quint32 code)
{
    return codeIndex(Utilities::arrWBAdjVal, code);
}

// The entries a list really holds: its count, clamped to the list's
// capacity. Slots past the count hold whatever the camera left there (often
// 0, a real code for many settings), so nothing is read beyond it.
template<typename List>
int countedEntries(const List &list)
{
    return std::clamp<int>(list.count, 0, kListMax);
}

// Rebuilds a flag table from a code list: every listed code that maps to a
// value of the table sets its flag, every other flag is cleared. At most
// `walk` entries are looked at, never more than the list counts.
// The table is built aside and then stored flag by flag, so the interface,
// which reads it without a lock, never sees it all cleared in between.
template<std::size_t N, typename List, typename Map>
void fillFlags(SettingFlags<N> &flags, const List &list, Map map, int walk = kListMax)
{
    std::array<quint8, N> next{};
    const int n = std::clamp(walk, 0, countedEntries(list));
    for (int i = 0; i < n; ++i) {
        const int v = map(quint32(list.codes[i]));
        if (v >= 0 && v < int(N))
            next[std::size_t(v)] = 1;
    }
    for (std::size_t i = 0; i < N; ++i)
        flags[i].store(next[i]);
}

// Writes the first n values of a value list (entry i is at(i)) and 0 in the
// slots after them, where the interface's walk of the list stops.
template<typename T, typename At>
void storeCounted(SettingValueList<T> &values, int n, At at)
{
    const int counted = std::clamp(n, 0, kListMax);
    for (int i = 0; i < kListMax; ++i)
        values[std::size_t(i)].store(i < counted ? static_cast<T>(at(i)) : T(0));
}

// Copies the listed codes into a value list, widened (or narrowed) to the
// list's type, in the camera's order.
template<typename T, typename List>
void copyValues(SettingValueList<T> &values, const List &list)
{
    storeCounted(values, countedEntries(list), [&](int i) { return list.codes[i]; });
}

} // namespace kavrotether::capability
