#pragma once

#include <QString>

#include <cstring>

#include "Kvrptpif.h"

namespace kavrotether {

// A text field of a record filled by the SDK: read up to its first NUL, never
// past the field, whatever length the record claims.
template<std::size_t N>
QString ptpipRecordText(const char (&field)[N])
{
    return QString::fromUtf8(field, qsizetype(strnlen(field, N)));
}

// The device key of a found camera: the last 8 characters of its MAC-address
// text read as a hexadecimal number.
quint64 ptpipDeviceKey(const _tag_KVR_PTPIP_CONNECT_DEVICE_INFO &info);

class DeviceAdapter;

// Saves a found camera's certificate and registers the file with the SDK.
// The camera's file (registeredPath when given and not empty, else the
// record's path) is kept while it holds the certificate; a changed one goes
// to a new file, and the old file this program wrote is removed only once
// the new one is registered. false when nothing could be saved; else
// registeredPath receives the file saved.
bool ptpipRegisterCertificate(DeviceAdapter &adapter, const _tag_KVR_PTPIP_CONNECT_DEVICE_INFO &info,
                              QString *registeredPath);

// Saves a found camera's certificate text (pem) as ptpipRegisterCertificate
// does, beside the file its record names; false when nothing could be saved,
// else path receives the file. The caller holds the certificate file lock.
bool ptpipStoreCertificate(DeviceAdapter &adapter, const _tag_KVR_PTPIP_CONNECT_DEVICE_INFO &info,
                           const QByteArray &pem, QString *path);

// A camera-supplied name reduced to something that may stand in a path: no
// separators, control characters or leading dots, bounded length, never empty.
QString ptpipSafeBaseName(const QString &name);

} // namespace kavrotether
