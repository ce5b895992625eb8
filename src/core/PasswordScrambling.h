#pragma once

#include <QString>

namespace kavrotether::passwordscrambling {

// Scrambles size bytes (a multiple of 4) four at a time: each group is
// byte-reversed and XORed with the four key bytes. pBase and pEncrypted may
// be the same buffer. Nothing is written when it fails.
bool encryptData(const uchar *pBase, uchar *pEncrypted, ulong size, const uchar *pKey);

// A password as the camera expects it: at most 31 UTF-8 bytes, padded with
// 0xFF to whole groups, scrambled with the camera's 32-bit key, as upper-case hex.
QString getEncryptedData(const QString &data, ulong key);

// The last `length` characters of `key` read as hexadecimal; 0 when they are
// not a number or do not fit 32 bits.
quint64 getEncryptionKeyFromString(const QString &key, int length);

} // namespace kavrotether::passwordscrambling
