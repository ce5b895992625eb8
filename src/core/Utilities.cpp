#include "Utilities.h"

#include "ApplicationData.h"
#include "ApplicationFolder.h"
#include "MouseCursor.h"
#include "MovieQualityBuiltIn.h"
#include "PasswordScrambling.h"
#include "ScreenGeometry.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaProperty>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>
#include <QUrl>

namespace kavrotether {

namespace {

void messageCameAndWent()
{
    ApplicationData::messageDisplayed(true);
    ApplicationData::messageDisplayed(false);
}

bool openDocument(const QString &relativePath)
{
    const QString path = applicationDataFolder() + relativePath;
    if (!QFile::exists(path))
        return false;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return true;
}

} // namespace

Utilities::Utilities(QObject *parent) : WindowRelays(parent) {}
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

QString Utilities::notifySignalOf(QObject *object, const QString &property)
{
    if (!object)
        return {};
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(property.toUtf8().constData());
    if (index < 0 || !meta->property(index).hasNotifySignal())
        return {};
    return QString::fromLatin1(meta->property(index).notifySignal().name());
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

// ---- preferences ----
namespace {

// Permission bits are not the whole story: kernel folders, read-only mounts
// and full quotas say writable and still refuse a file. A probe file that
// is made and removed again is the only proof.
bool takesAFile(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.kavro-probe-XXXXXX"));
    return probe.open();
}

} // namespace

bool Utilities::isUsableStorageFolder(const QString &path)
{
    // A resource path counts as absolute to Qt but can never hold pictures.
    if (path.isEmpty() || path.startsWith(QLatin1Char(':')) || path.contains(QChar(0)) || !QDir::isAbsolutePath(path))
        return false;
    // The transfer makes the folder and saves under the path as it is
    // written, and the system takes such a path one name at a time, following
    // each link before the next name: a ".." after a link goes up from where
    // the link leads, not back to the folder that holds the link. The check
    // walks the path the same way and never cleans it as text.
    const QStringList names = QDir::fromNativeSeparators(path).split(QLatin1Char('/'));
    QString reached = names.first() + QLatin1Char('/'); // exists, without links
    QStringList toMake;                                 // the folders still to be made under it
    QSet<QString> makingIn;                             // the folders something is made in
    for (qsizetype i = 1; i < names.size(); ++i) {
        const QString &name = names.at(i);
        if (name.isEmpty() || name == QLatin1String("."))
            continue;
        if (!toMake.isEmpty()) {
            // Folders made by the transfer are plain folders.
            if (name == QLatin1String(".."))
                toMake.removeLast();
            else
                toMake.append(name);
            continue;
        }
        const QFileInfo info(QDir(reached).filePath(name));
        if (info.exists()) {
            // A file (or a link to one) holds no folder.
            if (!info.isDir())
                return false;
            reached = info.canonicalFilePath();
            if (reached.isEmpty())
                return false;
            continue;
        }
        // A link that leads nowhere (to a disk not plugged in) or round in a
        // loop: nothing can be made in its place, nor under it. (A ".." not
        // there: the folder went away meanwhile.)
        if (info.isSymLink() || name == QLatin1String(".."))
            return false;
        makingIn.insert(reached);
        toMake.append(name);
    }
    makingIn.insert(reached);
    for (const QString &folder : std::as_const(makingIn)) {
        if (!QFileInfo(folder).isWritable() || !takesAFile(folder))
            return false;
    }
    return true;
}
// ---- end preferences ----

void Utilities::setMouseCursor(CursorType cursortype)
{
    mousecursor::apply(cursortype);
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
    return screens::availableGeometryAt(posX, posY).left();
}
int Utilities::availableDesktopY(int posX, int posY)
{
    return screens::availableGeometryAt(posX, posY).top();
}
int Utilities::availableDesktopWidth(int posX, int posY)
{
    return screens::availableGeometryAt(posX, posY).width();
}
int Utilities::availableDesktopHeight(int posX, int posY)
{
    return screens::availableGeometryAt(posX, posY).height();
}
int Utilities::desktopX(int posX, int posY)
{
    return screens::geometryAt(posX, posY).left();
}
int Utilities::desktopY(int posX, int posY)
{
    return screens::geometryAt(posX, posY).top();
}
int Utilities::desktopWidth(int posX, int posY)
{
    return screens::geometryAt(posX, posY).width();
}
int Utilities::desktopHeight(int posX, int posY)
{
    return screens::geometryAt(posX, posY).height();
}

bool Utilities::encryptData(const uchar *pBase, uchar *pEncrypted, ulong size, const uchar *pKey)
{
    return passwordscrambling::encryptData(pBase, pEncrypted, size, pKey);
}

QString Utilities::getEncryptedData(const QString &data, ulong key)
{
    return passwordscrambling::getEncryptedData(data, key);
}

quint64 Utilities::getEncryptionKeyFromString(const QString &key, int length)
{
    return passwordscrambling::getEncryptionKeyFromString(key, length);
}

void Utilities::GetMovieQualityBuiltInData(void *record, std::size_t recordSize, SystemFrequency frequency,
                                           bool exactRates)
{
    moviequality::fillBuiltInRecord(record, recordSize, frequency, exactRates);
}

} // namespace kavrotether
