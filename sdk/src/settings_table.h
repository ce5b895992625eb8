// The settings every simulated camera has and the capability groups that
// carry them; the rows are in settings_table.def.
#ifndef KVRSIM_SETTINGS_TABLE_H
#define KVRSIM_SETTINGS_TABLE_H

#include "settings_table.def"
#include "sim.h"

namespace kvrsim_internal {

enum SettingId : int {
#define KVRSIM_SETTING_ID(id, ...) id,
    KVRSIM_SETTINGS(KVRSIM_SETTING_ID)
#undef KVRSIM_SETTING_ID
        S_Count
};

// One capability group: its event and, for records of the common slot
// shape, the settings in slot order (-1 for a slot the camera leaves empty).
struct GroupDef
{
    Group group;
    uint32_t event;
    std::vector<int> slots;
};

const GroupDef &groupDef(Group group);

// Fills a capability record of the common slot shape.
void fillSlots(const Camera &camera, Group group, void *record, size_t size);

} // namespace kvrsim_internal

#endif
