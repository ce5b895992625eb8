// DeviceAdapter: the switch between single and multi-camera live view, its
// pages and view port, one camera's stream quality in multi view, and the
// values the live-view window writes back for its overlays.

#include "DeviceAdapter.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "DeviceAdapterCallback.h"

namespace kavrotether {

namespace {

enum EmitRule { ChangedOnly, Always };

constexpr qint64 kModeSwitchGuardNs = 3'000'000'000;

// A split mode from the interface or the settings: anything outside the
// layouts is the pageless twelve.
_VIEW_SPLIT_MODE splitModeOf(int mode)
{
    return mode >= VIEW_SPLIT_SINGLE && mode <= VIEW_SPLIT_12_NOPAGE ? _VIEW_SPLIT_MODE(mode) : VIEW_SPLIT_12_NOPAGE;
}

} // namespace

// clang-format off
#define KAVRO_DA_LIVEVIEW_WRITE_StoreOnly(type, name, Name, write)             \
    void DeviceAdapter::write(type value) { d->name.store(value); }
#define KAVRO_DA_LIVEVIEW_WRITE_Announce(type, name, Name, write)              \
    void DeviceAdapter::write(type value) { set##Name##Value(value); }
#define KAVRO_DA_LIVEVIEW_WRITE_Ignore(type, name, Name, write)                \
    void DeviceAdapter::write(type) {}
#define KAVRO_DA_LIVEVIEW_WRITE_Own(type, name, Name, write)
#define KAVRO_DA_DEFINE_LIVEVIEW_ACCESSORS(type, name, Name, emitRule, write, writeRule) \
    type DeviceAdapter::name() const { return d->name.load(); }                \
    void DeviceAdapter::set##Name##Value(type value)                           \
    {                                                                          \
        if (d->name.store(value) || (emitRule) == Always)                      \
            emit name##Changed(value);                                         \
    }                                                                          \
    KAVRO_DA_LIVEVIEW_WRITE_##writeRule(type, name, Name, write)
// clang-format on
KAVRO_DA_LIVEVIEW_PROPERTIES(KAVRO_DA_DEFINE_LIVEVIEW_ACCESSORS)
#undef KAVRO_DA_DEFINE_LIVEVIEW_ACCESSORS
#undef KAVRO_DA_LIVEVIEW_WRITE_Own
#undef KAVRO_DA_LIVEVIEW_WRITE_Ignore
#undef KAVRO_DA_LIVEVIEW_WRITE_Announce
#undef KAVRO_DA_LIVEVIEW_WRITE_StoreOnly

// ---- values the window writes back ----

int DeviceAdapter::liveview_size_width() const
{
    return d->liveview_size_width.load();
}

int DeviceAdapter::liveview_size_height() const
{
    return d->liveview_size_height.load();
}

QSize DeviceAdapter::liveview_size() const
{
    return QSize(liveview_size_width(), liveview_size_height());
}

void DeviceAdapter::setLiveview_size_width(int width)
{
    d->liveview_size_width.store(width);
}

void DeviceAdapter::setLiveview_size_height(int height)
{
    d->liveview_size_height.store(height);
}

void DeviceAdapter::setLiveview_size_value(int width, int height)
{
    d->liveview_size_width.store(width);
    d->liveview_size_height.store(height);
    emit liveview_size_Changed();
}

void DeviceAdapter::setVideoSource(const VideoAdapter *)
{
    emit videoSourceChanged();
}

// ---- single and multi-camera view ----

void DeviceAdapter::setLiveviewMode_Async(bool multiMode)
{
    withCallbackReceiver([&](DeviceAdapterCallback &receiver) {
        receiver.pushArgumentLast(WorkerCommandCode::SetLiveviewMode, multiMode ? 1 : 0, QString());
    });
}

void DeviceAdapter::touchLiveViewModeSwitch()
{
    d->liveViewModeSwitchNs.store(DeviceAdapterData::steadyNowNs());
}

void DeviceAdapter::setLiveviewMode(bool multiMode)
{
    using namespace std::chrono_literals;
    if (DeviceAdapterData::steadyNowNs() - d->liveViewModeSwitchNs.load() < kModeSwitchGuardNs)
        return;
    const bool wasMulti = d->multiviewMode.load();
    d->multiviewMode.store(multiMode);
    // Announced as it is taken, not once the cameras' streams follow: a
    // window still in single view meanwhile stops and pauses the multi view
    // it is about to show.
    if (wasMulti != multiMode)
        emit isMultiviewModeChanged(multiMode);
    // The start builds the camera set of the new mode: every camera in
    // multi view, the selected one alone in single view.
    if (d->liveViewOn.load()) {
        adp_KVR_func_api_Ctrl_LiveView_Stop();
        adp_KVR_func_api_Ctrl_LiveView_Start();
    }
    std::this_thread::sleep_for(200ms);
    const bool network = connectionType() == kConnectionLan;
    if (multiMode) {
        // Only a single view's quality is worth coming back to: a second
        // switch to multi view would otherwise save the multi view's low one.
        // Before any reading of the recommendations the quality in effect is
        // the starting one, not the photographer's: theirs is saved.
        if (!wasMulti) {
            if (!selectedRecommendationsRead())
                applyLvImageQualityPreference();
            d->singleViewImgQuality.store(imgQuality());
        }
        setImgQuality2(Utilities::LvImgQ_Low, true);
        if (network)
            SetIgnoreEventMode(true);
    } else {
        adp_KVR_func_api_LiveView_Str_Get_Recom_Img();
        const int saved = d->singleViewImgQuality.load();
        if (saved != -1)
            setImgQuality2(Utilities::LiveViewImageQuality(saved), true);
        if (network)
            SetIgnoreEventMode(false);
        // The focus information was held back or not read while several
        // cameras were shown.
        adp_KVR_func_api_GetAFInfo_Start();
        adp_KVR_func_api_RecInfo_AF_Frame_GetCapability_Start();
        if (afPointScopeEnable())
            adp_KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame_Start();
    }
}

// The table is copied rather than held: each camera's call waits for that
// camera's own lock, and a camera gone meanwhile fails at once.
bool DeviceAdapter::SetIgnoreEventMode(bool on)
{
    for (const QString &uuid : cameraTableUuids())
        (void)adp_KVR_func_api_SetEventTypeFromCamera(on, uuid);
    return true;
}

// ---- pages and view port ----

void DeviceAdapter::setLiveviewMultiPage(int pageIndex)
{
    d->multiviewPage.store(std::max(pageIndex, 0));
}

// The hand-over lowers the stored page to -1 when no camera is connected;
// the interface never sees a negative page.
int DeviceAdapter::getLiveviewMultiPage() const
{
    return std::max(d->multiviewPage.load(), 0);
}

void DeviceAdapter::setLiveviewMultiPageMode(int splitMode)
{
    d->liveviewMultiPageMode.store(splitMode);
}

int DeviceAdapter::getLiveviewMultiPageMode() const
{
    return d->liveviewMultiPageMode.load();
}

// The hand-over gives the manager the shown page's cameras only, so the
// manager's own page counts within that list: disabled, it starts at 0.
void DeviceAdapter::setLiveviewMultiViewPort(bool enable, int splitMode, int pageIndex)
{
    if (!isMultiviewMode())
        return;
    if (enable) {
        m_liveViewManager.SetViewPage(true, splitModeOf(splitMode), std::max(pageIndex, 0));
    } else {
        const _VIEW_SPLIT_MODE stored = splitModeOf(d->liveviewMultiPageMode.load());
        m_liveViewManager.SetViewPage(stored != VIEW_SPLIT_12_NOPAGE, stored, 0);
    }
    d->liveviewViewPortEnable.store(enable);
}

bool DeviceAdapter::isLiveviewMultiViewPortEnable() const
{
    return d->liveviewViewPortEnable.load();
}

// ---- one camera's quality in multi view ----

void DeviceAdapter::setLiveviewMultiImgSingleQuality(QString uuid, Utilities::LiveViewImageQuality quality)
{
    using namespace std::chrono_literals;
    constexpr int kAttempts = 4;
    if (uuid.isEmpty() || quality < 0 || quality >= Utilities::LvImgQ_Max)
        return;
    KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG format;
    if (!selectedRecommendedFormat(quality, &format))
        return;
    applyNetworkStreamQuality(uuid, quality, &format);
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (callCamera(uuid, KVR_func_api_LiveView_Str_Set_Trans_Img, format) == 1) {
            d->imgQuality.store(quality);
            emit imgQualityChanged(quality);
            return;
        }
        if (attempt < kAttempts)
            std::this_thread::sleep_for(100ms);
    }
}

} // namespace kavrotether
