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

// The movie filter's items in the order of a described quality's columns,
// and the code with which each item selects every quality.
inline constexpr int kMovieFilterItems[] = {S_FrameRate, S_Pixel, S_Compression, S_BitRate, S_Vfr, S_MovieHlg};
inline constexpr uint32_t kMovieFilterAll[] = {0xFFFFFFFFu, 0xFFFFu, 0xFFFFu, 0xFFFFu, 0xFFFFu, 0xFFFFu};
inline constexpr size_t kMovieFilterColumns = sizeof kMovieFilterItems / sizeof kMovieFilterItems[0];

// A quality the camera can describe: its code and its value of each filter
// item; the rows are in settings_table.def.
struct MovieQuality
{
    uint32_t quality;
    uint32_t columns[kMovieFilterColumns];
};
inline constexpr MovieQuality kMovieQualities[] = {
#define KVRSIM_MOVIE_QUALITY(quality, ...) {quality, {__VA_ARGS__}},
    KVRSIM_MOVIE_QUALITIES(KVRSIM_MOVIE_QUALITY)
#undef KVRSIM_MOVIE_QUALITY
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
