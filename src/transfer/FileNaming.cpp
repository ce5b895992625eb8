#include "FileNaming.h"

#include <algorithm>
#include <array>

namespace kavrotether::naming {

namespace {

// clang-format off
constexpr std::array<FormatRule, 6> kFormatRules = {{
    {FormatJpeg, "IMG_", ".jpg", "CARDLESS.JPG", false},
    {FormatRaw,  "IMG_", ".rw2", "CARDLESS.RW2", false},
    {FormatMov,  "MOV_", ".mov", nullptr,        true},
    {FormatMp4,  "MOV_", ".mp4", nullptr,        true},
    {FormatHlg,  "IMG_", ".hsp", "CARDLESS.HSP", false},
    {FormatHeif, "IMG_", ".hif", "CARDLESS.HIF", false},
}};
// clang-format on

constexpr int kNumberLimit = 10000;

// Cuts text to at most maxBytes of UTF-8 without splitting a character.
QString truncatedUtf8(const QString &text, int maxBytes)
{
    QString out;
    int bytes = 0;
    for (int i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size();
        const QString unit = pair ? text.mid(i, 2) : text.mid(i, 1);
        const int size = int(unit.toUtf8().size());
        if (bytes + size > maxBytes)
            break;
        out += unit;
        bytes += size;
        if (pair)
            ++i;
    }
    return out;
}

bool isTrimmedAway(QChar c)
{
    return c == QLatin1Char('.') || c.isSpace();
}

// The marks and embeddings that change the order in which a name is shown:
// "IMG", U+202E, "gpj.exe" shows as "IMGexe.jpg".
bool isBidiFormat(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

// Characters drawn as nothing, which can hide what a name is: U+200B and a
// ".JPG" shows as a bare extension.
bool isInvisible(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x200B && u <= 0x200D) || u == 0x2060 || u == 0x00AD || u == 0xFEFF || u == 0x061C;
}

// What FAT, exFAT, NTFS and SMB shares refuse in a name besides control
// characters: separators, the drive colon, wildcards and redirections.
bool isRefusedByStorage(QChar c)
{
    return QStringView(u"\\/:*?\"<>|").contains(c);
}

} // namespace

const FormatRule *formatRule(quint32 format)
{
    for (const FormatRule &rule : kFormatRules) {
        if (rule.format == format)
            return &rule;
    }
    return nullptr;
}

QString safeBaseName(const QString &name, const char *extension)
{
    QString out;
    out.reserve(name.size());
    for (QChar c : name) {
        const bool control = c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control;
        if (control || isBidiFormat(c) || isInvisible(c))
            continue;
        out += isRefusedByStorage(c) ? QLatin1Char('_') : c;
    }
    while (out.contains(QLatin1String("..")))
        out.replace(QLatin1String(".."), QLatin1String("_"));
    while (!out.isEmpty() && isTrimmedAway(out.front()))
        out.remove(0, 1);
    while (!out.isEmpty() && out.back().isSpace())
        out.chop(1);
    if (extension && !out.isEmpty()) {
        // The extension decides what opens the file: a picture never goes
        // as a launcher or a script.
        while (!out.isEmpty() && isTrimmedAway(out.back()))
            out.chop(1);
        const QLatin1String wanted(extension);
        const int dot = int(out.lastIndexOf(QLatin1Char('.')));
        if (dot <= 0 || QStringView(out).mid(dot).compare(wanted, Qt::CaseInsensitive) != 0)
            out = (dot > 0 ? out.left(dot) : out) + wanted;
    }
    if (out.toUtf8().size() > kMaxNameBytes) {
        const int dot = int(out.lastIndexOf(QLatin1Char('.')));
        const QString extension = dot > 0 && out.size() - dot <= 8 ? out.mid(dot) : QString();
        const int extensionBytes = int(extension.toUtf8().size());
        out = truncatedUtf8(out.left(out.size() - extension.size()), kMaxNameBytes - extensionBytes) + extension;
    }
    while (!out.isEmpty() && isTrimmedAway(out.back()))
        out.chop(1);
    return out;
}

QString usablePrefix(const QString &prefix)
{
    constexpr int kMaxPrefixLength = 20;
    const auto refused = [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7F || isRefusedByStorage(c);
    };
    if (prefix.size() > kMaxPrefixLength || std::any_of(prefix.begin(), prefix.end(), refused))
        return QStringLiteral("IMG_");
    return prefix;
}

QString cameraLabel(const QString &individualId, const QString &model, const QString &serial)
{
    QString label = safeBaseName(individualId);
    if (label.isEmpty())
        label = safeBaseName(model + QLatin1Char('_') + serial);
    return label.isEmpty() ? QStringLiteral("Camera") : label;
}

QString folderPath(const FolderSettings &settings, const QDate &today, const QString &label)
{
    if (settings.unknownFolderType)
        return QString();
    QString folder = settings.userFolder ? settings.folderUrl : settings.pictureLocation;
    if (folder.isEmpty())
        return QString();
    if (settings.dateFolder)
        folder += QLatin1Char('/') + today.toString(QStringLiteral("yyyyMMdd"));
    if (settings.cameraFolder)
        folder += QLatin1Char('/') + label;
    return folder;
}

QString numberText(int number, int digits)
{
    return QStringLiteral("%1").arg(number, digits, 10, QLatin1Char('0'));
}

QString nextSubNumberedName(NameChoice &choice, const TakenFn &taken)
{
    for (int k = choice.subNumber + 1;; ++k) {
        const QString name = choice.stem + QLatin1Char('_') + numberText(k, 2) + choice.extension;
        if (!taken(name)) {
            choice.subNumber = k;
            choice.fileName = name;
            return name;
        }
    }
}

NameChoice chooseName(const NameSettings &settings, const NameRequest &request, const QString &label,
                      const TakenFn &taken)
{
    NameChoice choice;
    const FormatRule *rule = formatRule(request.format);
    if (!rule)
        return choice;
    const QString extension = QString::fromLatin1(rule->extension);
    const bool allocates = request.newNumber || rule->movie;
    int number = request.fileNumber + 1;
    if (!allocates && request.cameraLastNumber != -1)
        number = request.cameraLastNumber;
    else if (!allocates)
        number = request.fileNumber;

    QString prefix = QString::fromLatin1(rule->prefix);
    bool cardless = false;
    bool takenCameraName = false;
    bool cameraNameUnusable = false;
    const bool numbered = settings.userNaming || settings.pcOnly;
    if (numbered) {
        if (!settings.prefix.isEmpty())
            prefix = settings.prefix;
    } else if (request.cameraName) {
        QString name = safeBaseName(*request.cameraName, rule->extension);
        if (name.isEmpty()) {
            // Nothing usable is left of the camera's name: a numbered name
            // rather than the bare prefix with a sub-number.
            cameraNameUnusable = true;
        } else {
            if (rule->cardlessName && name == QLatin1String(rule->cardlessName)) {
                // Unlike user and computer naming, a cardless shot keeps an
                // empty prefix: its name is the bare number.
                prefix = settings.prefix;
                cardless = true;
            }
            if (settings.cameraInName)
                name = label + QLatin1Char('_') + name;
            if (!taken(name) && !cardless) {
                const int dot = int(name.lastIndexOf(QLatin1Char('.')));
                choice.ok = true;
                choice.fileName = name;
                choice.stem = dot > 0 ? name.left(dot) : name;
                choice.extension = extension;
                choice.number = number;
                return choice;
            }
            if (!cardless) {
                const int dot = int(name.lastIndexOf(QLatin1Char('.')));
                prefix = dot > 0 ? name.left(dot) : name;
                takenCameraName = true;
            }
        }
    }

    if (settings.cameraInName && !takenCameraName)
        prefix = label + QLatin1Char('_') + prefix;
    choice.extension = extension;
    const bool numberMode = numbered || settings.pcOnly || cardless || request.driveMode4K6K || cameraNameUnusable;
    if (numberMode) {
        if (number >= kNumberLimit) {
            number = 1;
            if (allocates)
                choice.storeFileNumber = 1;
        } else if (number == kNumberLimit - 1) {
            if (allocates)
                choice.storeFileNumber = 0;
        } else if (allocates) {
            choice.storeFileNumber = number;
        }
        choice.stem = prefix + numberText(number, 4);
        choice.number = number;
        choice.ok = true;
        choice.fileName = choice.stem + extension;
        if (!taken(choice.fileName))
            return choice;
    } else {
        choice.stem = prefix;
        choice.number = number < kNumberLimit ? number : 1;
        choice.ok = true;
    }
    nextSubNumberedName(choice, taken);
    return choice;
}

QString frameFileName(const QString &baseName, int frame)
{
    return baseName + QLatin1Char('_') + numberText(frame, 2) + QStringLiteral(".jpg");
}

FrameBase frameBaseName(const QString &prefix, const QString &label, bool cameraInName, int fileNumber)
{
    QString p = prefix.isEmpty() ? QStringLiteral("IMG_") : prefix;
    if (cameraInName)
        p = label + QLatin1Char('_') + p;
    const int number = fileNumber >= kNumberLimit - 1 ? 1 : fileNumber + 1;
    FrameBase base;
    base.baseName = p + numberText(number, 4);
    base.storeFileNumber = fileNumber >= kNumberLimit - 1 ? 1 : (number == kNumberLimit - 1 ? 0 : number);
    return base;
}

std::optional<int> frameStartNumber(const QString &baseName, int count, const TakenFn &taken,
                                    const std::function<bool()> &interrupted)
{
    if (count <= 0)
        return 1;
    int start = 1;
    for (;;) {
        if (interrupted && interrupted())
            return std::nullopt;
        int highestTaken = 0;
        for (int n = start + count - 1; n >= start; --n) {
            if (taken(frameFileName(baseName, n))) {
                highestTaken = n;
                break;
            }
        }
        if (highestTaken == 0)
            return start;
        start = highestTaken + 1;
    }
}

} // namespace kavrotether::naming
