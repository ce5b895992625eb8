#include "Utilities.h"

#include "ApplicationData.h"
#include "Startup.h"
#include "camera/DeviceAdapter.h"

#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QUrl>

#include <cstring>
#include <type_traits>

namespace kavrotether {

namespace {

#include "UtilitiesMovieQuality.inc"

static_assert(offsetof(Utilities::MovieQualityBuiltIn, qualityId) == 0);
static_assert(offsetof(Utilities::MovieQualityBuiltIn, pixelFormat) == 2);
static_assert(offsetof(Utilities::MovieQualityBuiltIn, frameRate) == 4);
static_assert(offsetof(Utilities::MovieQualityBuiltIn, compression) == 8);
static_assert(offsetof(Utilities::MovieQualityBuiltIn, bitRate) == 10);
static_assert(offsetof(Utilities::MovieQualityBuiltIn, nominalFrameRate) == 12);

// Offsets inside one entry of the SDK's movie-quality record.
constexpr std::size_t EntryQualityId = 2;
constexpr std::size_t EntryFrameRate = 4;
constexpr std::size_t EntryPixelFormat = 8;
constexpr std::size_t EntryCompression = 10;
constexpr std::size_t EntryBitRate = 12;
constexpr quint32 NoNominalRate = 0xFFFFFFFFu;

template <typename T>
void put(uchar *record, std::size_t offset, T value)
{
    std::memcpy(record + offset, &value, sizeof value);
}

const Utilities::MovieQualityBuiltIn *builtInList(Utilities::SystemFrequency frequency)
{
    switch (frequency) {
    case Utilities::SFQ_NTSC:
        return movieQualityNtsc;
    case Utilities::SFQ_PAL:
        return movieQualityPal;
    case Utilities::SFQ_CINEMA:
        return movieQualityCinema;
    default:
        return nullptr;
    }
}

// The adapter learns of every message so that it can hold back what would
// disturb it.
void messageCameAndWent()
{
    if (DeviceAdapter *adapter = ApplicationData::getDeviceAdapter()) {
        adapter->setMsgDisplayed(true);
        adapter->setMsgDisplayed(false);
    }
}

QScreen *screenAt(int posX, int posY)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (QScreen *screen : screens) {
        if (screen->geometry().topLeft() == QPoint(posX, posY))
            return screen;
    }
    return screens.isEmpty() ? nullptr : screens.first();
}

QRect availableGeometry(int posX, int posY)
{
    QScreen *screen = screenAt(posX, posY);
    return screen ? screen->availableGeometry() : QRect();
}

QRect fullGeometry(int posX, int posY)
{
    QScreen *screen = screenAt(posX, posY);
    return screen ? screen->geometry() : QRect();
}

bool openDocument(const QString &relativePath)
{
    const QString path = startup::applicationDataFolder() + relativePath;
    if (!QFile::exists(path))
        return false;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return true;
}

} // namespace

Utilities::Utilities(QObject *parent) : QObject(parent) {}
Utilities::~Utilities() = default;

QString Utilities::movieCompressionMethodToStr(ushort code)
{
    // Text keys of the movie compression catalogue, per bit group; a group
    // value without a key adds nothing.
    static const char *const colourKeys[] = {"1", "0", "6"};
    static const char *const depthKeys[] = {"3", "2", "7"};
    static const char *const methodKeys[] = {"5", "4", "8", "6", "9", "0"};

    QString text;
    const uint colour = movieCompressionMethodToStrColor(code);
    if (colour < std::size(colourKeys))
        text += QLatin1String(colourKeys[colour]) + QLatin1Char(',');
    const uint depth = movieCompressionMethodToStrBits(code);
    if (depth < std::size(depthKeys))
        text += QLatin1String(depthKeys[depth]) + QLatin1Char(',');
    const uint method = movieCompressionMethodToStrMethod(code);
    if (method < std::size(methodKeys))
        text += QLatin1String(methodKeys[method]);
    return text;
}

QString Utilities::qUrlToLocalFile(const QString &strUrl)
{
    return QDir::toNativeSeparators(QUrl(strUrl).toLocalFile());
}

QString Utilities::qUrlToLocalFileWithoutNative(const QString &strUrl)
{
    return QUrl(strUrl).toLocalFile();
}

bool Utilities::validateUrl(const QString &strUrl)
{
    return QUrl::fromLocalFile(strUrl).isLocalFile();
}

bool Utilities::validateFolderName(const QString &folderName)
{
    // A letter or digit first, then anything but * / > < ? | and colon.
    static const QRegularExpression pattern(QStringLiteral("^^([a-zA-Z0-9][^*/><?\\|:]*)$"));
    return pattern.match(folderName).hasMatch();
}

void Utilities::setMouseCursor(CursorType cursortype)
{
    const char *picture = nullptr;
    switch (cursortype) {
    case Ct_Pen:
        // The dropper's tip marks the white-balance point.
        QGuiApplication::setOverrideCursor(QCursor(QPixmap(QStringLiteral(":/images/453_spoit.ico")), 0, 16));
        return;
    case Ct_1point:
        picture = ":/images/378_1point.svg";
        break;
    case Ct_255point:
        picture = ":/images/376_225point.svg";
        break;
    case Ct_Custom_m:
        picture = ":/images/377_kstm.svg";
        break;
    case Ct_Face:
        picture = ":/images/374_face.svg";
        break;
    case Ct_tracking:
        picture = ":/images/375_tracking.svg";
        break;
    default:
        QGuiApplication::restoreOverrideCursor();
        return;
    }
    QGuiApplication::setOverrideCursor(QCursor(QPixmap(QString::fromLatin1(picture))));
}

void Utilities::loadImageViewer(const QString &imgViewerUrl, const QString &argu)
{
    // Detached: the viewer lives on its own and nothing here has to reap it.
    QProcess::startDetached(imgViewerUrl, {argu});
}

bool Utilities::openEula()
{
    return openDocument(QStringLiteral("/doc/EULA.txt"));
}

bool Utilities::openManual()
{
    return openDocument(QStringLiteral("/doc/OperationGuide/index.html"));
}

void Utilities::warningMessage(const QString &)
{
    messageCameAndWent();
}

void Utilities::warningMessage2(const QString &)
{
    messageCameAndWent();
}

void Utilities::criticalMessage(const QString &, const QString &)
{
    messageCameAndWent();
}

void Utilities::informationMessage(const QString &, const QString &)
{
    messageCameAndWent();
}

int Utilities::availableDesktopX(int posX, int posY)
{
    return availableGeometry(posX, posY).left();
}

int Utilities::availableDesktopY(int posX, int posY)
{
    return availableGeometry(posX, posY).top();
}

int Utilities::availableDesktopWidth(int posX, int posY)
{
    return availableGeometry(posX, posY).width();
}

int Utilities::availableDesktopHeight(int posX, int posY)
{
    return availableGeometry(posX, posY).height();
}

int Utilities::desktopX(int posX, int posY)
{
    return fullGeometry(posX, posY).left();
}

int Utilities::desktopY(int posX, int posY)
{
    return fullGeometry(posX, posY).top();
}

int Utilities::desktopWidth(int posX, int posY)
{
    return fullGeometry(posX, posY).width();
}

int Utilities::desktopHeight(int posX, int posY)
{
    return fullGeometry(posX, posY).height();
}

bool Utilities::encryptData(const uchar *pBase, uchar *pEncrypted, ulong size, const uchar *pKey)
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

QString Utilities::getEncryptedData(const QString &data, ulong key)
{
    constexpr int MaxTextBytes = 31; // the camera's buffer: 31 bytes and a NUL
    QByteArray bytes = data.toUtf8();
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    if (bytes.size() > MaxTextBytes)
        bytes.truncate(MaxTextBytes);
    while (bytes.size() % 4 != 0)
        bytes.append(char(0xFF));

    const uchar keyBytes[4] = {uchar(key), uchar(key >> 8), uchar(key >> 16), uchar(key >> 24)};
    auto *buffer = reinterpret_cast<uchar *>(bytes.data());
    encryptData(buffer, buffer, ulong(bytes.size()), keyBytes);
    return QString::fromLatin1(bytes.toHex().toUpper());
}

quint64 Utilities::getEncryptionKeyFromString(const QString &key, int length)
{
    const QString digits = key.right(qMax(length, 0));
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok, 16);
    if (!ok || value > 0xFFFFFFFFull)
        return 0;
    return value;
}

void Utilities::GetMovieQualityBuiltInData(void *record, std::size_t recordSize, SystemFrequency frequency,
                                           bool exactRates)
{
    constexpr std::size_t countSize = sizeof(quint16);
    if (!record || recordSize < countSize)
        return;
    auto *bytes = static_cast<uchar *>(record);
    const std::size_t capacity = recordSize < MovieQualityRecordHeader + 2
                                     ? 0
                                     : (recordSize - MovieQualityRecordHeader - 2) / MovieQualityRecordEntrySize;

    quint16 count = 0;
    if (const MovieQualityBuiltIn *list = builtInList(frequency)) {
        for (; list[count].qualityId != MovieQualityListEnd && count < capacity; ++count) {
            const MovieQualityBuiltIn &entry = list[count];
            const std::size_t at = MovieQualityRecordHeader + MovieQualityRecordEntrySize * count;
            const quint32 rate = exactRates || entry.nominalFrameRate == NoNominalRate ? entry.frameRate
                                                                                       : entry.nominalFrameRate;
            put(bytes, at + EntryQualityId, entry.qualityId);
            put(bytes, at + EntryFrameRate, rate);
            put(bytes, at + EntryPixelFormat, entry.pixelFormat);
            put(bytes, at + EntryCompression, entry.compression);
            put(bytes, at + EntryBitRate, entry.bitRate);
        }
    }
    put(bytes, 0, count);
}

} // namespace kavrotether
