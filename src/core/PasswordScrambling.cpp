#include "PasswordScrambling.h"

#include <QByteArray>

namespace kavrotether::passwordscrambling {

bool encryptData(const uchar *pBase, uchar *pEncrypted, ulong size, const uchar *pKey)
{
    if (!pBase || !pEncrypted || !pKey || size % 4 != 0)
        return false;
    for (ulong i = 0; i < size; i += 4) {
        // Read the whole group first: input and output may be one buffer.
        const uchar group[4] = {pBase[i], pBase[i + 1], pBase[i + 2], pBase[i + 3]};
        for (int j = 0; j < 4; ++j)
            pEncrypted[i + j] = uchar(group[3 - j] ^ pKey[j]);
    }
    return true;
}

std::optional<QString> scrambledPassword(const QString &data, ulong key)
{
    QByteArray bytes = data.toUtf8();
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    // Cutting would hand the camera a password other than the one typed.
    if (bytes.size() > kMaxPasswordBytes)
        return std::nullopt;
    while (bytes.size() % 4 != 0)
        bytes.append(char(0xFF));

    const uchar keyBytes[4] = {uchar(key), uchar(key >> 8), uchar(key >> 16), uchar(key >> 24)};
    auto *buffer = reinterpret_cast<uchar *>(bytes.data());
    encryptData(buffer, buffer, ulong(bytes.size()), keyBytes);
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString getEncryptedData(const QString &data, ulong key)
{
    const std::optional<QString> scrambled = scrambledPassword(data, key);
    if (!scrambled) {
        qWarning("Password scrambling: a password longer than %d bytes is refused", kMaxPasswordBytes);
        return QString();
    }
    return *scrambled;
}

quint64 getEncryptionKeyFromString(const QString &key, int length)
{
    const QString digits = key.right(qMax(length, 0));
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok, 16);
    if (!ok || value > 0xFFFFFFFFull)
        return 0;
    return value;
}

} // namespace kavrotether::passwordscrambling
