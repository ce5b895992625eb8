#pragma once

#include <QString>

#include <optional>

namespace kavrotether::passwordscrambling {

// Scrambles size bytes (a multiple of 4) four at a time: each group is
// byte-reversed and XORed with the four key bytes. pBase and pEncrypted may
// be the same buffer. Nothing is written when it fails.
bool encryptData(const uchar *pBase, uchar *pEncrypted, ulong size, const uchar *pKey);

// The camera's password buffer: 31 text bytes and a NUL.
constexpr int kMaxPasswordBytes = 31;

// A password as the camera expects it: its UTF-8 bytes (up to a NUL), padded
// with 0xFF to whole groups, scrambled with the camera's 32-bit key, as
// upper-case hex. Nothing for a text of more than kMaxPasswordBytes bytes:
// it is refused, never cut.
std::optional<QString> scrambledPassword(const QString &data, ulong key);

// As scrambledPassword; an over-long text gives an empty text (and a
// warning), which no non-empty password ever scrambles to.
QString getEncryptedData(const QString &data, ulong key);

// The last `length` characters of `key` read as hexadecimal; 0 when they are
// not a number or do not fit 32 bits.
quint64 getEncryptionKeyFromString(const QString &key, int length);

} // namespace kavrotether::passwordscrambling
