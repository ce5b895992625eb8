// DeviceAdapter: the remote-control commands of shooting/ShootingCommands.def
// and the two frames every one of them goes through.

#include "camera/DeviceAdapter.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <initializer_list>
#include <thread>

namespace kavrotether {

namespace {

// The movie calls take no record; these give them the shape of the others,
// so that one frame serves every row.
uint8_t movieStartCall(const KVR_STRUCT_REC_CTRL *, const char *uuid, uint32_t *err)
{
    return KVR_func_api_MoveRec_Ctrl_Start(uuid, err);
}

uint8_t movieStopCall(const KVR_STRUCT_REC_CTRL *, const char *uuid, uint32_t *err)
{
    return KVR_func_api_MoveRec_Ctrl_Stop(1, uuid, err);
}

// The camera's menu grid: thousandths of the picture, the last one 999.
int onMenuGrid(int position)
{
    return std::clamp(position, 0, 999);
}

// The record type a control function takes.
template<typename Record>
Record recordOf(uint8_t (*)(const Record *, const char *, uint32_t *));

} // namespace

template<typename Record>
Record DeviceAdapter::shootingRecord(quint32 code, std::initializer_list<qint32> words)
{
    Record record;
    std::memset(&record, 0, sizeof record);
    record.code = code;
    record.paramCount = quint16(words.size());
    int i = 0;
    for (qint32 word : words)
        record.params[i++] = word;
    return record;
}

template<typename Record>
quint8 DeviceAdapter::sendShootingRecord(ShootingFrame frame, const QString &named,
                                         uint8_t (*fn)(const Record *, const char *, uint32_t *), const Record &record)
{
    switch (frame) {
    case ShootingFrame::Mirrored:
        return callSelectedAndMirrored(fn, &record);
    case ShootingFrame::Named:
        return callCamera(named.isEmpty() ? camera_list_get_selected_camera_uuid() : named, fn, &record);
    case ShootingFrame::Single:
        break;
    }
    return callSelectedCamera(fn, &record);
}

Utilities::Ternary DeviceAdapter::judgeShootingResult(quint8 result, const ShootingOutcome &outcome)
{
    if (result == 1)
        return Utilities::Ternary_True;
    if (result == 2 && outcome.onCard()) {
        if (outcome.card.stop)
            (void)(this->*outcome.card.stop)();
        emit memoryCardNothingNotify();
        return Utilities::Ternary_False;
    }
    if (outcome.onFailure == ShootingFailure::SettingError)
        emit settingErrorNotify();
    else if (outcome.onFailure == ShootingFailure::AssistError)
        emit mfAssistStartErrorNotify();
    return Utilities::Ternary_False;
}

// The row columns' words. The result-2 words are named as the rows write
// them and dropped again after the rows.
// clang-format off
#define NoAction ShootingOutcome::CardAction{false, nullptr}
#define Card ShootingOutcome::CardAction{true, nullptr}
#define StopThenCard(stop) ShootingOutcome::CardAction{true, &DeviceAdapter::stop}
#define KAVRO_SHOOT_FAIL_NoAction ShootingFailure::None
#define KAVRO_SHOOT_FAIL_SettingError ShootingFailure::SettingError
#define KAVRO_SHOOT_FAIL_AssistError ShootingFailure::AssistError

// The record is built (stored positions read now) before anything waits or
// locks; then the row's extra step before the send, the send, and its extra
// step after it.
#define KAVRO_SHOOT_BEFORE_Plain
#define KAVRO_SHOOT_BEFORE_Wait50ms std::this_thread::sleep_for(std::chrono::milliseconds(50));
#define KAVRO_SHOOT_BEFORE_ZoomStart
#define KAVRO_SHOOT_BEFORE_ZoomStop
#define KAVRO_SHOOT_AFTER_Plain
#define KAVRO_SHOOT_AFTER_Wait50ms
// A refused start leaves the flag clear, so the exposure handlers keep
// refreshing; a stop clears it whatever the camera says.
#define KAVRO_SHOOT_AFTER_ZoomStart if (result == 1) d->lensZoomRunning.store(true);
#define KAVRO_SHOOT_AFTER_ZoomStop d->lensZoomRunning.store(false);

// The frame and the camera it names.
#define KAVRO_SHOOT_TARGET_Single ShootingFrame::Single, QString()
#define KAVRO_SHOOT_TARGET_Mirrored ShootingFrame::Mirrored, QString()
#define KAVRO_SHOOT_TARGET_Named(uuid) ShootingFrame::Named, uuid
// A default argument is the declaration's, not the definition's.
#undef KAVRO_SHOOT_DEFAULT
#define KAVRO_SHOOT_DEFAULT(...)

#define KAVRO_SHOOT_WORDS(...) std::initializer_list<qint32>{__VA_ARGS__}
#define KAVRO_SHOOT_DEFINE(frame, name, args, fn, code, words, onTwo, onFail, extra)                            \
    Utilities::Ternary DeviceAdapter::name args                                                                  \
    {                                                                                                            \
        using Record = decltype(recordOf(fn));                                                                   \
        const Record record = shootingRecord<Record>(code, KAVRO_SHOOT_WORDS words);                             \
        KAVRO_SHOOT_BEFORE_##extra                                                                               \
        const quint8 result = sendShootingRecord(KAVRO_SHOOT_TARGET_##frame, fn, record);                        \
        KAVRO_SHOOT_AFTER_##extra                                                                                \
        return judgeShootingResult(result, ShootingOutcome{onTwo, KAVRO_SHOOT_FAIL_##onFail});                   \
    }
// clang-format on
KAVRO_SHOOTING_COMMANDS(KAVRO_SHOOT_DEFINE)
#undef KAVRO_SHOOT_DEFINE
#undef NoAction
#undef Card
#undef StopThenCard

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_WB_Set_WSET_Set_Req_Param()
{
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Rec_Ctrl_4K6K(const KVR_STRUCT_REC_CTRL *record)
{
    if (!record)
        return Utilities::Ternary_False;
    return sendShootingRecord(ShootingFrame::Mirrored, QString(), KVR_func_api_Rec_Ctrl_4K6K, *record) == 1
               ? Utilities::Ternary_True
               : Utilities::Ternary_False;
}

} // namespace kavrotether
