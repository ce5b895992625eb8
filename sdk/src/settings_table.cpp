// The settings table built from its rows, and the generic capability-record
// filler.
#include "settings_table.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace kvrsim_internal {

namespace {

std::vector<uint32_t> range(uint32_t first, uint32_t last, uint32_t step = 1)
{
    std::vector<uint32_t> v;
    for (uint32_t c = first; c <= last; c += step)
        v.push_back(c);
    return v;
}

std::vector<uint32_t> join(std::initializer_list<std::vector<uint32_t>> parts)
{
    std::vector<uint32_t> v;
    for (const auto &p : parts)
        v.insert(v.end(), p.begin(), p.end());
    return v;
}

// Signed steps with the sign in bit 15: -n .. +n.
std::vector<uint32_t> signedSteps(uint32_t n)
{
    std::vector<uint32_t> v;
    for (uint32_t i = n; i >= 1; --i)
        v.push_back(0x8000u + i);
    for (uint32_t i = 0; i <= n; ++i)
        v.push_back(i);
    return v;
}

const std::vector<uint32_t> wbCodes = {2,      0x8014, 4,      0x8008, 0x800F, 6,      0x8009, 7,      5,     0x800A,
                                       0x800B, 0x800C, 0x800D, 0x800E, 0x8010, 0x8011, 0x8012, 0x8013, 0x8015};
// Manual flash output: ten times the ratio's denominator, weakest first,
// and 0 for full output.
const std::vector<uint32_t> flashManual = {1280, 1000, 800, 640, 500, 400, 320, 250, 200, 160, 130,
                                           100,  80,   64,  50,  40,  32,  25,  20,  17,  13,  0};

// The codes of the qualities the camera can describe, in their order.
std::vector<uint32_t> movieQualityCodes()
{
    std::vector<uint32_t> v;
    for (const MovieQuality &q : kMovieQualities)
        v.push_back(q.quality);
    return v;
}

// A filter item's list: the code for every quality, then each value the
// described qualities have, once and in ascending order.
std::vector<uint32_t> movieFilterCodes(int item)
{
    const size_t k = static_cast<size_t>(std::find(std::begin(kMovieFilterItems), std::end(kMovieFilterItems), item)
                                         - std::begin(kMovieFilterItems));
    std::vector<uint32_t> values;
    for (const MovieQuality &q : kMovieQualities)
        values.push_back(q.columns[k]);
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return join({{kMovieFilterAll[k]}, values});
}

enum Width : bool { Narrow = false, Wide = true };

const std::vector<SettingDef> &table()
{
    static const std::vector<SettingDef> t = {
// clang-format off
#define KVRSIM_SETTING_DEF(id, name, group, slot, width, current, ...) \
    {name, Group::group, width, current, std::vector<uint32_t>{__VA_ARGS__}},
        // clang-format on
        KVRSIM_SETTINGS(KVRSIM_SETTING_DEF)
#undef KVRSIM_SETTING_DEF
    };
    return t;
}

// What the compiler can check of the rows: one row per identifier, one name
// per setting, and no two settings in the same position of a group's record.
struct RowPlace
{
    Group group;
    int slot;
};
constexpr RowPlace rowPlaces[] = {
#define KVRSIM_SETTING_PLACE(id, name, group, slot, ...) {Group::group, slot},
    KVRSIM_SETTINGS(KVRSIM_SETTING_PLACE)
#undef KVRSIM_SETTING_PLACE
};
static_assert(std::size(rowPlaces) == S_Count, "one row per setting identifier");

// Scenarios and the control API find a setting by its name.
constexpr const char *rowNames[] = {
#define KVRSIM_SETTING_NAME(id, name, ...) name,
    KVRSIM_SETTINGS(KVRSIM_SETTING_NAME)
#undef KVRSIM_SETTING_NAME
};

constexpr bool sameText(const char *a, const char *b)
{
    for (; *a && *a == *b; ++a, ++b) {
    }
    return *a == *b;
}

constexpr bool namesDiffer()
{
    for (size_t i = 0; i < std::size(rowNames); ++i) {
        for (size_t j = i + 1; j < std::size(rowNames); ++j) {
            if (sameText(rowNames[i], rowNames[j]))
                return false;
        }
    }
    return true;
}
static_assert(namesDiffer(), "every setting has a name of its own");

struct GroupRow
{
    Group group;
    uint32_t event;
    int positions;
};
constexpr GroupRow groupRows[] = {
#define KVRSIM_GROUP_ROW(group, event, positions) {Group::group, event, positions},
    KVRSIM_GROUPS(KVRSIM_GROUP_ROW)
#undef KVRSIM_GROUP_ROW
};
static_assert(std::size(groupRows) == static_cast<size_t>(Group::Count), "one row per group");

constexpr bool groupRowsInOrder()
{
    for (size_t g = 0; g < std::size(groupRows); ++g) {
        if (static_cast<size_t>(groupRows[g].group) != g)
            return false;
    }
    return true;
}
static_assert(groupRowsInOrder(), "group rows follow the order of Group");

constexpr bool slotsFitAndDiffer()
{
    for (size_t i = 0; i < std::size(rowPlaces); ++i) {
        const RowPlace &p = rowPlaces[i];
        if (p.slot < 0)
            continue;
        if (p.slot >= groupRows[static_cast<size_t>(p.group)].positions)
            return false;
        for (size_t j = i + 1; j < std::size(rowPlaces); ++j) {
            if (rowPlaces[j].group == p.group && rowPlaces[j].slot == p.slot)
                return false;
        }
    }
    return true;
}
static_assert(slotsFitAndDiffer(), "each slot lies inside its group's record and holds one setting");

const std::vector<GroupDef> &groups()
{
    static const std::vector<GroupDef> g = [] {
        std::vector<GroupDef> out;
        for (const GroupRow &row : groupRows)
            out.push_back({row.group, row.event, std::vector<int>(static_cast<size_t>(row.positions), -1)});
        for (size_t id = 0; id < std::size(rowPlaces); ++id) {
            const RowPlace &p = rowPlaces[id];
            if (p.slot >= 0)
                out[static_cast<size_t>(p.group)].slots[static_cast<size_t>(p.slot)] = static_cast<int>(id);
        }
        return out;
    }();
    return g;
}

} // namespace

int settingCount()
{
    return static_cast<int>(table().size());
}

const SettingDef &settingDef(int id)
{
    return table().at(static_cast<size_t>(id));
}

int settingId(const std::string &name)
{
    const auto &t = table();
    for (size_t i = 0; i < t.size(); ++i) {
        if (name == t[i].name)
            return static_cast<int>(i);
    }
    return -1;
}

const GroupDef &groupDef(Group group)
{
    for (const auto &g : groups()) {
        if (g.group == group)
            return g;
    }
    static const GroupDef none{Group::Count, 0, {}};
    return none;
}

uint32_t groupEvent(Group group)
{
    return groupDef(group).event;
}

void writeCapabilityList(const SettingValue &v, size_t n, void *countField, void *codesField, size_t width,
                         size_t capacity)
{
    n = std::min(n, capacity);
    const uint32_t pad = v.shape.junkPastCount ? v.shape.junk : (width == 2 ? 0xFFFFu : 0u);
    auto *codes = static_cast<uint8_t *>(codesField);
    for (size_t i = 0; i < capacity; ++i) {
        const uint32_t code = i < n ? v.offered[i] : pad;
        if (width == 2) {
            const uint16_t narrow = static_cast<uint16_t>(code);
            std::memcpy(codes + i * 2, &narrow, 2);
        } else {
            std::memcpy(codes + i * 4, &code, 4);
        }
    }
    const uint16_t count = static_cast<uint16_t>(v.shape.reportedCount >= 0 ? v.shape.reportedCount : int(n));
    std::memcpy(countField, &count, sizeof count);
}

void fillSlots(const Camera &camera, Group group, void *record, size_t size)
{
    const GroupDef &def = groupDef(group);
    size_t positions = 0;
    for (int id : def.slots)
        positions += (id >= 0 && settingDef(id).wide) ? 2 : 1;
    const size_t slotBytes = sizeof(KVR_STRUCT_CAPA_LIST);
    if (positions * (slotBytes + 2) > size)
        return; // a record too small for its group: leave it zeroed
    auto *bytes = static_cast<uint8_t *>(record);
    std::memset(bytes, 0, size);

    size_t pos = 0;
    for (int id : def.slots) {
        uint8_t *slot = bytes + pos * slotBytes;
        uint8_t *cur = bytes + positions * slotBytes + pos * 2;
        if (id < 0) {
            KVR_STRUCT_CAPA_LIST empty;
            std::memset(&empty, 0, sizeof empty);
            std::memset(empty.codes, 0xFF, sizeof empty.codes);
            std::memcpy(slot, &empty, sizeof empty);
            pos += 1;
            continue;
        }
        const SettingValue &v = camera.settings[static_cast<size_t>(id)];
        const size_t n = std::min<size_t>(v.offered.size(), KVR_CAPA_LIST_MAX);
        if (settingDef(id).wide) {
            KVR_STRUCT_CAPA_LIST32 list;
            std::memset(&list, 0, sizeof list);
            writeCapabilityList(v, n, &list.count, list.codes, 4, KVR_CAPA_LIST_MAX);
            list.available = listAvailable(v);
            std::memcpy(slot, &list, sizeof list);
            const uint32_t c = v.current;
            std::memcpy(cur, &c, 4);
            pos += 2;
        } else {
            KVR_STRUCT_CAPA_LIST list;
            std::memset(&list, 0, sizeof list);
            writeCapabilityList(v, n, &list.count, list.codes, 2, KVR_CAPA_LIST_MAX);
            list.available = listAvailable(v);
            list.reserved = v.shape.slotLastByte;
            std::memcpy(slot, &list, sizeof list);
            const uint16_t c = static_cast<uint16_t>(v.current);
            std::memcpy(cur, &c, 2);
            pos += 1;
        }
    }
}

} // namespace kvrsim_internal
