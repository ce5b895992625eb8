#pragma once

#include <QString>

#include <array>

#include "Kvrptpif.h"

namespace kavrotether {

// The SDK's connection types as the adapter's connectionType holds them (int).
constexpr int kConnectionUsb = int(KVR_CONNECTION_USB);
constexpr int kConnectionLan = int(KVR_CONNECTION_LAN);

// One camera, in the saved list and in the camera table.
struct CameraInfo
{
    // Positions in extInfoTail.
    static constexpr int kExtSetupFilesCfgSet = 1;
    static constexpr int kExtSupportFwup = 2;

    qint32 devIndex = -1;
    QString devicePath;
    QString serialNo;
    QString individualId;
    QString modelName;
    QString makerName;
    QString firmVersion;
    quint8 powerOnMode = 0;
    quint32 tetherModeStatus = 0;
    quint8 isWlan = 0;
    quint8 basicStreaming = 0;
    quint8 supportPowerSaving = 0;
    std::array<quint8, 3> extInfoHead{{0, 0, 1}};
    quint32 extInfoWord = 0;
    // 0x0F: not reported by the camera.
    std::array<quint8, 5> extInfoTail{{0x0F, 0x0F, 0x0F, 0, 0}};
    quint8 supportHLG = 0;
    quint8 enableHLG = 0;
    std::array<quint8, 4> hlgDetail{{0, 0, 0, 0}};
    quint8 sendCmdEnable = 0;
    quint8 liveViewEnable = 0;
    quint16 cameraStatus = 0;
    quint32 objAssociatDesc = 0;
    qint32 objCopyFileNumber = -1;
};

} // namespace kavrotether
