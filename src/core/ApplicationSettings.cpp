#include "ApplicationSettings.h"

#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QScopeGuard>
#include <QSettings>

#include <array>
#include <cmath>
#include <iterator>
#include <type_traits>

#include "OwnerOnlyFiles.h"

namespace kavrotether {

// The rules of the key table are named plainly in its rows.
using namespace settingrules;

namespace {

constexpr int kKeyCount = 60;

struct KeyRow
{
    int number;
    const char *key;
};

#define KAVRO_SETTING_KEY_ROW(n, key, kind, type, def, valid, prop, Prop) KeyRow{n, key},
constexpr KeyRow kKeyRows[] = {KAVRO_APPLICATION_SETTINGS_KEYS(KAVRO_SETTING_KEY_ROW)};
#undef KAVRO_SETTING_KEY_ROW

constexpr bool rowsAreNumberedInOrder()
{
    for (int i = 0; i < int(std::size(kKeyRows)); ++i) {
        if (kKeyRows[i].number != i)
            return false;
    }
    return true;
}
static_assert(std::size(kKeyRows) == kKeyCount, "the settings file has 60 keys");
static_assert(rowsAreNumberedInOrder(), "key numbers must match their row");

constexpr bool sameText(const char *a, const char *b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

constexpr int keyNumber(const char *key)
{
    for (const KeyRow &row : kKeyRows) {
        if (sameText(row.key, key))
            return row.number;
    }
    return -1;
}

// Enumerations are written as plain numbers, so that the file stays
// readable and independent of Qt's type names.
template<typename T>
QVariant toStored(const T &value)
{
    if constexpr (std::is_enum_v<T>)
        return QVariant(int(value));
    else
        return QVariant::fromValue(value);
}

template<typename T>
T fromStored(const QVariant &value)
{
    if constexpr (std::is_enum_v<T>)
        return static_cast<T>(value.toInt());
    else if constexpr (std::is_same_v<T, bool>)
        return value.toBool();
    else if constexpr (std::is_same_v<T, int>)
        return value.toInt();
    else if constexpr (std::is_same_v<T, QString>)
        return value.toString();
    else
        return value.toList();
}

// Qt writes a one-element string list as plain text and reads that back as
// a string, whose list conversion would be its single characters; a file
// edited by hand looks the same. Such a value is a list of that one text.
QVariantList storedList(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        return text.isEmpty() ? QVariantList() : QVariantList{text};
    }
    return value.toList();
}

// A stored value as the log shows it.
QString storedText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

QString ruleText(const ValueRule &rule)
{
    switch (rule.kind) {
    case ValueRule::Range:
        return QStringLiteral("a whole number from %1 to %2").arg(rule.low).arg(rule.high);
    case ValueRule::Choices: {
        QStringList choices;
        for (std::size_t i = 0; i < rule.choiceCount; ++i)
            choices.append(QString::number(rule.choices[i]));
        return QStringLiteral("one of ") + choices.join(QLatin1String(", "));
    }
    case ValueRule::Folder:
        return QStringLiteral("empty or an absolute path to a folder that can take pictures");
    default:
        return QString();
    }
}

constexpr int kStoreLocationKey = keyNumber("StoreLocationType");
static_assert(kStoreLocationKey >= 0);
constexpr int kStoreFolderUrlKey = keyNumber("StoreFolderUrl");
static_assert(kStoreFolderUrlKey >= 0);
constexpr int kStoreFolderTypeKey = keyNumber("StoreFolderType");
static_assert(kStoreFolderTypeKey >= 0);

} // namespace

class ApplicationSettings::Impl
{
public:
    explicit Impl(ApplicationSettings *owner) : q(owner) {}

    static QString key(int number) { return QString::fromLatin1(kKeyRows[number].key); }

    // QSettings objects are not shared between threads: each access opens
    // its own. Qt shares the parsed file between all QSettings of the
    // process, so a value written through one is seen at once by the next,
    // and the writer's destructor puts it on disk.
    static QSettings open()
    {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("(KAVROTether x64)"),
                         QStringLiteral("KAVROTether"));
    }

    // Before a write: the file's folder, shared with the saved passwords,
    // is made owner-only when the write would create it.
    static void prepareFolder(const QSettings &settings)
    {
        owneronly::makeFolder(QFileInfo(settings.fileName()).absolutePath());
    }

    static QVariant read(int number, const QVariant &fallback)
    {
        QSettings settings = open();
        return settings.value(key(number), fallback);
    }

    // What the file holds under a key, held against the key's rule: a value
    // the rule refuses reads as the default, and `replaced` says so. An
    // absent key is the default, not a replacement.
    template<typename T>
    T checked(const QString &key, const QVariant &stored, const T &fallback, const ValueRule &rule,
              bool *replaced = nullptr)
    {
        T value = fallback;
        bool sound = true;
        if (stored.isValid()) {
            if constexpr (std::is_enum_v<T> || std::is_same_v<T, int>) {
                bool ok = false;
                const int number = stored.toInt(&ok);
                sound = ok && rule.allows(number);
                if (sound)
                    value = T(number);
            } else if constexpr (std::is_same_v<T, QString>) {
                const QString text = stored.toString();
                sound = rule.kind != ValueRule::Folder || text.isEmpty() || usableFolder(text);
                if (sound)
                    value = text;
            } else {
                value = fromStored<T>(stored);
            }
        }
        if (!sound) {
            const QString text = storedText(stored);
            if (firstReplacement(key, text))
                qWarning("Settings: %s holds \"%s\", not %s; \"%s\" is used instead", qUtf8Printable(key),
                         qUtf8Printable(text), qUtf8Printable(ruleText(rule)),
                         qUtf8Printable(storedText(toStored(fallback))));
        } else if constexpr (std::is_same_v<T, StoreFolderType>) {
            // The user's folder is only as good as the folder it names.
            if (value == StoFolderType_User) {
                const QString folder = read(kStoreFolderUrlKey, QVariant()).toString();
                sound = usableFolder(folder);
                if (!sound && firstReplacement(key, storedText(stored) + u'\n' + folder)) {
                    qWarning("Settings: %s holds \"%s\", the user's folder, but %s holds \"%s\", no absolute "
                             "path to a folder that can take pictures; the default folder is used instead",
                             qUtf8Printable(key), qUtf8Printable(storedText(stored)),
                             qUtf8Printable(Impl::key(kStoreFolderUrlKey)), qUtf8Printable(folder));
                    QMetaObject::invokeMethod(
                        q, [owner = q, folder] { emit owner->storeFolderUnusable(folder); }, Qt::QueuedConnection);
                }
                if (!sound)
                    value = fallback;
            }
        }
        if (sound)
            forgetReplacement(key);
        if (replaced)
            *replaced = !sound;
        return value;
    }

    template<typename T>
    T readChecked(int number, const T &fallback, const ValueRule &rule)
    {
        return checked(key(number), read(number, QVariant()), fallback, rule);
    }

    // Compare and write under one lock, so two threads setting the same key
    // cannot both see the old value and both announce a change. A value the
    // getter replaces is always written over, so that setting the value the
    // getter shows mends the file.
    // Setting the folder, changed or not, has it judged again: a Save of the
    // preferences sets it, and a folder refused before (a disk not plugged
    // in) may take pictures now. Whatever read the folder type before may
    // read another one now, and is told so once the lock is left.
    template<typename T>
    bool writeIfChanged(int number, const T &value, const T &fallback, const ValueRule &rule)
    {
        const bool folder = number == kStoreFolderUrlKey;
        const auto rechecked = qScopeGuard([this, folder] {
            if (folder)
                emit q->storeFolderRechecked();
        });
        QMutexLocker locker(&writeMutex);
        QSettings settings = open();
        prepareFolder(settings);
        if (folder)
            forgetFolderVerdicts();
        bool replaced = false;
        if (checked(key(number), settings.value(key(number)), fallback, rule, &replaced) == value && !replaced)
            return false;
        settings.setValue(key(number), toStored(value));
        return true;
    }

    static void write(int number, const QVariant &value)
    {
        QMutexLocker locker(&writeMutex);
        QSettings settings = open();
        prepareFolder(settings);
        settings.setValue(key(number), value);
    }

    // The file's key of one camera's store location. Serial numbers come
    // from cameras: a slash or a backslash would make QSettings nest the key
    // in a group, so they are escaped (with "%" itself) and every camera
    // keeps one top-level key. Ordinary serial numbers are used as they are.
    static QString storeLocationKey(const QString &serialNo)
    {
        QString escaped;
        escaped.reserve(serialNo.size());
        for (const QChar c : serialNo) {
            if (c == u'%')
                escaped += QLatin1String("%25");
            else if (c == u'/')
                escaped += QLatin1String("%2F");
            else if (c == u'\\')
                escaped += QLatin1String("%5C");
            else
                escaped += c;
        }
        return key(kStoreLocationKey) + u'_' + escaped;
    }

    QString refusedFolder()
    {
        QSettings settings = open();
        bool isNumber = false;
        const int type = settings.value(key(kStoreFolderTypeKey)).toInt(&isNumber);
        if (!isNumber || type != StoFolderType_User)
            return QString();
        const QString folder = settings.value(key(kStoreFolderUrlKey)).toString();
        return folder.isEmpty() || usableFolder(folder) ? QString() : folder;
    }

    std::array<TargetCameraEntry, TargetCameraCapacity> targetCameras;
    int targetCameraLength = 0;
    std::unique_ptr<CameraAccess> cameras;
    ApplicationSettings *const q;

    // Serialises the read-modify-write of the per-window accessors; taken
    // before writeMutex, never after it.
    static inline QMutex windowListMutex;

private:
    // A value read again and again is logged once, until the key holds a
    // sound value or another unsound one.
    bool firstReplacement(const QString &key, const QString &text)
    {
        QMutexLocker locker(&replacedLock);
        const auto found = replacedValues.constFind(key);
        if (found != replacedValues.constEnd() && *found == text)
            return false;
        replacedValues.insert(key, text);
        return true;
    }
    void forgetReplacement(const QString &key)
    {
        QMutexLocker locker(&replacedLock);
        replacedValues.remove(key);
    }

    // Whether a storage folder takes pictures. Finding out leaves a probe
    // file in the folder, and every picture reads the folder: a folder is
    // probed once, and again when the photographer sets a folder, which is
    // what the notice of an unusable one asks them to do.
    bool usableFolder(const QString &folder)
    {
        {
            QMutexLocker locker(&folderLock);
            const auto found = folderVerdicts.constFind(folder);
            if (found != folderVerdicts.constEnd())
                return *found;
        }
        const bool usable = Utilities::isUsableStorageFolder(folder);
        QMutexLocker locker(&folderLock);
        folderVerdicts.insert(folder, usable);
        return usable;
    }
    void forgetFolderVerdicts()
    {
        QMutexLocker locker(&folderLock);
        folderVerdicts.clear();
    }

    static inline QMutex writeMutex;
    // Taken after writeMutex, never before it.
    QMutex replacedLock;
    QHash<QString, QString> replacedValues;
    QMutex folderLock;
    QHash<QString, bool> folderVerdicts;
};

ApplicationSettings::ApplicationSettings(QObject *parent) : QObject(parent), d(new Impl(this)) {}

ApplicationSettings::~ApplicationSettings()
{
    delete d;
}

void ApplicationSettings::setCameraAccess(std::unique_ptr<CameraAccess> access)
{
    d->cameras = std::move(access);
}

int ApplicationSettings::hlgShootingType() const
{
    return d->cameras ? d->cameras->hlgShootingType() : -1;
}

void ApplicationSettings::setHlgShootingType(int value)
{
    if (!d->cameras || d->cameras->hlgShootingType() == value)
        return;
    d->cameras->setHlgShootingType(value);
}

// Scalar settings (the return types are named in the class's scope, hence
// the trailing form): the getter converts what the file holds and holds it
// against the key's rule; the setter writes and announces only a value that
// differs from what the getter reads, or one that replaces a value the
// getter refuses.
// clang-format off
#define KAVRO_SETTING_DEFINE(n, key, kind, type, def, valid, prop, Prop) \
    KAVRO_SETTING_DEFINE_##kind(n, type, def, valid, prop, Prop)
#define KAVRO_SETTING_CHECKED_GETTER(n, type, def, valid, prop) \
    auto ApplicationSettings::prop() const -> type \
    { \
        static_assert((!std::is_same_v<type, int> && !std::is_enum_v<type>) || (valid).checksNumbers(), \
                      "every number and choice of the settings file has its range or choices"); \
        return d->readChecked<type>(n, def, valid); \
    }
#define KAVRO_SETTING_DEFINE_Value(n, type, def, valid, prop, Prop) \
    KAVRO_SETTING_CHECKED_GETTER(n, type, def, valid, prop) \
    void ApplicationSettings::set##Prop(type value) \
    { \
        if (d->writeIfChanged<type>(n, value, def, valid)) \
            emit prop##Changed(value); \
    }
#define KAVRO_SETTING_DEFINE_Permission(n, type, def, valid, prop, Prop) \
    KAVRO_SETTING_CHECKED_GETTER(n, type, def, valid, prop) \
    void ApplicationSettings::set##Prop(type value) \
    { \
        if (d->writeIfChanged<type>(n, value, def, valid)) { \
            emit prop##Changed(value); \
            emit prop##Changed(); \
        } \
    }
#define KAVRO_SETTING_DEFINE_WindowList(n, type, def, valid, prop, Prop) \
    auto ApplicationSettings::prop() const -> type \
    { \
        return storedList(Impl::read(n, QVariant())); \
    } \
    void ApplicationSettings::set##Prop(const type &value) \
    { \
        Impl::write(n, value); \
        emit prop##Changed(value); \
    }
#define KAVRO_SETTING_DEFINE_LogList(n, type, def, valid, prop, Prop) \
    auto ApplicationSettings::prop() const -> type \
    { \
        return storedList(Impl::read(n, QVariant())); \
    } \
    void ApplicationSettings::set##Prop(const type &value) \
    { \
        Impl::write(n, value); \
        emit prop##Changed(); \
    }
// clang-format on
#define KAVRO_SETTING_DEFINE_Prefix(n, type, def, valid, prop, Prop)
#define KAVRO_SETTING_DEFINE_None(n, type, def, valid, prop, Prop)

KAVRO_APPLICATION_SETTINGS_KEYS(KAVRO_SETTING_DEFINE)

QString ApplicationSettings::refusedStoreFolder() const
{
    return d->refusedFolder();
}

QStringList ApplicationSettings::strLogFileList() const
{
    return variantListToStringList(logFileList());
}

void ApplicationSettings::setStrLogFileList(const QStringList &list)
{
    setLogFileList(stringToVariantList(list));
}

QStringList ApplicationSettings::variantListToStringList(const QVariantList &list)
{
    QStringList result;
    result.reserve(list.size());
    for (const QVariant &v : list)
        result.append(v.toString());
    return result;
}

QVariantList ApplicationSettings::stringToVariantList(const QStringList &list)
{
    QVariantList result;
    result.reserve(list.size());
    for (const QString &s : list)
        result.append(s);
    return result;
}

QList<double> ApplicationSettings::variantListToDoubleList(const QVariantList &list)
{
    QList<double> result;
    result.reserve(list.size());
    for (const QVariant &v : list) {
        bool ok = false;
        const double value = v.toDouble(&ok);
        // "nan" and "inf" convert too, but no window can be placed there.
        result.append(ok && std::isfinite(value) ? value : 0.0);
    }
    return result;
}

QVariantList ApplicationSettings::doubleListToVariantList(const QList<double> &list)
{
    QVariantList result;
    result.reserve(list.size());
    for (double value : list)
        result.append(value);
    return result;
}

namespace {

bool isWindowIndex(ApplicationSettings::WindowList window)
{
    return window >= ApplicationSettings::WinList_Main && window < ApplicationSettings::WinList_Max;
}

double elementForWindow(const QVariantList &list, ApplicationSettings::WindowList window)
{
    if (!isWindowIndex(window))
        return 0.0;
    const QList<double> values = ApplicationSettings::variantListToDoubleList(list);
    return window < values.size() ? values.at(window) : 0.0;
}

// A list too short for the window (from an older file, or written whole by
// the interface) is padded to one element per window; the values it already
// holds are kept, so the other windows do not lose their places.
QVariantList withElementForWindow(const QVariantList &list, ApplicationSettings::WindowList window, double value)
{
    QList<double> values = ApplicationSettings::variantListToDoubleList(list);
    if (values.size() <= window) {
        while (values.size() < ApplicationSettings::WinList_Max)
            values.append(0.0);
    }
    values[window] = value;
    return ApplicationSettings::doubleListToVariantList(values);
}

template<typename T>
T fromElement(double value)
{
    if constexpr (std::is_same_v<T, bool>)
        return value != 0.0;
    else
        return value;
}

template<typename T>
double toElement(T value)
{
    if constexpr (std::is_same_v<T, bool>)
        return value ? 1.0 : 0.0;
    else
        return std::isfinite(value) ? value : 0.0;
}

} // namespace

// Per-window accessors. An index that names no window reads as 0 and
// writes nothing, so the six windows' stored values are never disturbed.
// clang-format off
#define KAVRO_WINDOW_STATE_DEFINE(prop, Prop, element) \
    static_assert(keyNumber(#prop) >= 0, "each window-state list has a key of its own name"); \
    element ApplicationSettings::prop##ForWindow(WindowList window) const \
    { \
        return fromElement<element>(elementForWindow(prop(), window)); \
    } \
    void ApplicationSettings::set##Prop##ForWindow(WindowList window, element value) \
    { \
        if (!isWindowIndex(window)) \
            return; \
        QVariantList list; \
        { \
            QMutexLocker locker(&Impl::windowListMutex); \
            list = withElementForWindow(prop(), window, toElement<element>(value)); \
            Impl::write(keyNumber(#prop), list); \
        } \
        emit prop##Changed(list); \
    }
// clang-format on

KAVRO_WINDOW_STATE_LISTS(KAVRO_WINDOW_STATE_DEFINE)

auto ApplicationSettings::getStoreLocationTypeFromFile(const QString &cameraSerialNo) const -> StoreLocationType
{
    // The one Prefix row of the key table gives the default and the choices.
#define KAVRO_SETTING_PREFIX_ROW(n, key, kind, type, def, valid, prop, Prop) KAVRO_SETTING_PREFIX_ROW_##kind(def, valid)
#define KAVRO_SETTING_PREFIX_ROW_Prefix(def, valid) def, valid
#define KAVRO_SETTING_PREFIX_ROW_Value(def, valid)
#define KAVRO_SETTING_PREFIX_ROW_Permission(def, valid)
#define KAVRO_SETTING_PREFIX_ROW_WindowList(def, valid)
#define KAVRO_SETTING_PREFIX_ROW_LogList(def, valid)
#define KAVRO_SETTING_PREFIX_ROW_None(def, valid)
    struct PrefixRow
    {
        StoreLocationType fallback;
        ValueRule rule;
    };
    constexpr PrefixRow row{KAVRO_APPLICATION_SETTINGS_KEYS(KAVRO_SETTING_PREFIX_ROW)};
    const QString key = Impl::storeLocationKey(cameraSerialNo);
    QSettings settings = Impl::open();
    return d->checked(key, settings.value(key), row.fallback, row.rule);
}

int ApplicationSettings::getStoreLocationTypeFromList(const QString &cameraSerialNo) const
{
    for (int i = 0; i < d->targetCameraLength; ++i) {
        if (d->targetCameras[i].serialNo == cameraSerialNo)
            return d->targetCameras[i].storeLocationType;
    }
    return -1;
}

// Indexes and lengths outside the table are ignored (reads give an empty
// serial number), so nothing beyond the twelve entries is ever touched.
QString ApplicationSettings::getTargetCameraListByID(int index) const
{
    if (index < 0 || index >= TargetCameraCapacity)
        return QString();
    return d->targetCameras[index].serialNo;
}

void ApplicationSettings::setTargetCameraListByID(const QString &cameraSerialNo, int value, int index)
{
    if (index < 0 || index >= TargetCameraCapacity)
        return;
    TargetCameraEntry &entry = d->targetCameras[index];
    entry.serialNo = cameraSerialNo;
    entry.storeLocationType = value;
    entry.changed = true;
}

int ApplicationSettings::getTargetCameraListLength() const
{
    return d->targetCameraLength;
}

void ApplicationSettings::setTargetCameraListLength(int length)
{
    d->targetCameraLength = qBound(0, length, int(TargetCameraCapacity));
}

void ApplicationSettings::setStoreLocationType()
{
    if (d->targetCameraLength < 1)
        return;
    for (int i = 0; i < d->targetCameraLength; ++i) {
        const TargetCameraEntry &entry = d->targetCameras[i];
        const int target = entry.storeLocationType;
        // An entry without a serial number names no camera: pushing it would
        // reach the selected camera's setter with nothing selected.
        if (!entry.changed || entry.serialNo.isEmpty() || target < StoLocType_SdCard || target > StoLocType_Pc)
            continue;
        if (!d->cameras)
            continue;
        if (entry.serialNo == d->cameras->selectedSerialNo())
            d->cameras->setSelectedFileTarget(target);
        else
            d->cameras->setFileTargetById(entry.serialNo, target);
        // Only what the camera took is remembered; a camera that refused,
        // or is gone, keeps its stored choice.
        if (d->cameras->getFileTargetById(entry.serialNo) == target) {
            QSettings settings = Impl::open();
            Impl::prepareFolder(settings);
            settings.setValue(Impl::storeLocationKey(entry.serialNo), target);
        }
    }
    for (int i = 0; i < d->targetCameraLength; ++i)
        d->targetCameras[i].changed = false;
}

} // namespace kavrotether
