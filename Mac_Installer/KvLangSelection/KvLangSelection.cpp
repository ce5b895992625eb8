#include "KvLangSelection.h"

#include "PropertyList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

#include "core/CheckedFiles.h"

#include <cmath>

namespace kavrotether::installer {

namespace {

const QString kDataFolder = QStringLiteral("KAVRO Rozado");
// A setup.plist holds a handful of keys; anything this large is not one.
constexpr qint64 kMaxPlistSize = 1024 * 1024;

// The string entries of a dictionary property list in the bundle, or nothing
// (with the log the pane has always written) when the resource is missing.
std::optional<QHash<QString, QString>> stringDictionary(const Bundle &bundle, const QString &name)
{
    const QString type = QStringLiteral("plist");
    const QString path = bundle.pathForResource(name, type);
    if (path.isEmpty()) {
        qWarning("Missing %s.%s file", qPrintable(name), qPrintable(type));
        return std::nullopt;
    }
    QFile file(path);
    std::optional<PlistValue> root;
    QString error;
    if (file.open(QIODevice::ReadOnly) && file.size() <= kMaxPlistSize)
        root = readPropertyList(file.readAll(), &error);
    if (!root || root->type != PlistValue::Type::Dict) {
        qWarning("Unreadable %s.%s file: %s", qPrintable(name), qPrintable(type), qPrintable(error));
        return std::nullopt;
    }
    QHash<QString, QString> result;
    for (qsizetype i = 0; i < root->keys.size(); ++i) {
        const PlistValue &value = root->values[size_t(i)];
        if (value.type == PlistValue::Type::String)
            result.insert(root->keys.at(i), value.text);
    }
    return result;
}

bool removeItem(const QString &path, QString *error)
{
    const QFileInfo info(path);
    const bool removed = info.isDir() && !info.isSymLink() ? QDir(path).removeRecursively() : QFile::remove(path);
    if (!removed && error)
        *error = QStringLiteral("Cannot remove %1").arg(path);
    return removed;
}

// Copies a file, or a folder with everything in it.
bool copyItem(const QString &source, const QString &target, QString *error)
{
    const QFileInfo info(source);
    if (!info.isDir()) {
        QFile file(source);
        if (file.copy(target))
            return true;
        if (error)
            *error = QStringLiteral("Cannot copy %1 to %2: %3").arg(source, target, file.errorString());
        return false;
    }
    if (!QDir().mkpath(target)) {
        if (error)
            *error = QStringLiteral("Cannot create %1").arg(target);
        return false;
    }
    const QDir dir(source);
    const auto entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (!copyItem(dir.filePath(entry), QDir(target).filePath(entry), error))
            return false;
    }
    return true;
}

} // namespace

KvLangSelection::KvLangSelection(InstallerSection *section)
    : InstallerPane(section), m_interface(std::make_unique<Window>())
{
    // The interface: the content view of an Installer pane and the pop-up in its middle.
    View *content = m_interface->contentView();
    content->setFrame({0, 0, 418, 330});
    auto popup = std::make_unique<PopUpButton>();
    popup->setFrame({107, 150, 204, 26});
    m_btnPopupSelection = static_cast<PopUpButton *>(content->addSubview(std::move(popup)));
}

KvLangSelection::~KvLangSelection()
{
    NotificationCenter::defaultCenter().removeObserver(this, QString(), nullptr);
}

QStringList KvLangSelection::languageTitles()
{
    return {QStringLiteral("English"),  QStringLiteral("日本語"),  QStringLiteral("Français"),
            QStringLiteral("Deutsche"), QStringLiteral("русский"), QStringLiteral("Español"),
            QStringLiteral("Italiano"), QStringLiteral("中文")};
}

void KvLangSelection::awakeFromNib()
{
    _bundle = section()->bundle();
    _window = m_interface.get();
    _dicSupportLang = stringDictionary(_bundle, QStringLiteral("SupportLocalization"));
    const QStringList installerLocalizations = Bundle::mainBundle().preferredLocalizations();
    _strSelLang = getLanguageSupportForNativeLang(installerLocalizations.isEmpty() ? QString()
                                                                                   : installerLocalizations.first());
    updateLanguageMenu();
}

QString KvLangSelection::title() const
{
    return section()->bundle().localizedStringForKey(QStringLiteral("PaneTitle"), QString(), QString());
}

void KvLangSelection::didEnterPane(PaneDirection)
{
    viewFrameDidChange();
    if (_window) {
        NotificationCenter::defaultCenter().addObserver(this, QString::fromLatin1(ViewFrameDidChangeNotification),
                                                        _window->contentView(), [this] { viewFrameDidChange(); });
    }
}

void KvLangSelection::didExitPane(PaneDirection)
{
    // Going back records the choice too: whichever way the user leaves, the pop-up shows what counts.
    const QString code = getLanguageSupportForNativeLang(
        m_btnPopupSelection ? m_btnPopupSelection->titleOfSelectedItem() : QString());
    const bool recorded = setupInstallLanguage(code);
    const bool copied = setupDocForLanguage(code);
    m_lastExitComplete = recorded && copied;
    if (_window) {
        NotificationCenter::defaultCenter().removeObserver(this, QString::fromLatin1(ViewFrameDidChangeNotification),
                                                           _window->contentView());
    }
}

void KvLangSelection::updateLanguageMenu()
{
    if (!m_btnPopupSelection)
        return;
    m_btnPopupSelection->removeAllItems();
    m_btnPopupSelection->addItemsWithTitles(languageTitles());
    const auto titles = stringDictionary(_bundle, QStringLiteral("LanguageTitle"));
    m_btnPopupSelection->selectItemWithTitle(titles ? titles->value(_strSelLang) : QString());
}

bool KvLangSelection::setupInstallLanguage(const QString &code)
{
    QString error;
    const QString dir = findOrCreateDirectory(ApplicationSupportDirectory, UserDomainMask,
                                              kDataFolder + QStringLiteral("/ini"), &error);
    if (dir.isEmpty()) {
        qWarning("The language is not recorded: no settings folder (%s)", qPrintable(error));
        return false;
    }
    const QString path = QDir(dir).filePath(
        QStringLiteral("%1.%2").arg(QStringLiteral("setup"), QStringLiteral("plist")));

    PlistValue root;
    const QFileInfo info(path);
    if (info.isDir()) {
        qWarning("The language is not recorded: %s is a folder; it is left as it is", qPrintable(path));
        return false;
    }
    if (info.exists()) {
        QFile file(path);
        if (!checkedfiles::openRegularForReading(file) || file.size() > kMaxPlistSize) {
            qWarning("The language is not recorded: %s cannot be read; it is left as it is", qPrintable(path));
            return false;
        }
        const QByteArray content = file.readAll();
        // An empty file holds no keys to keep.
        if (!content.trimmed().isEmpty()) {
            QString problem;
            const auto read = readPropertyList(content, &problem);
            if (!read || read->type != PlistValue::Type::Dict) {
                qWarning("The language is not recorded: %s is no property-list dictionary (%s); it is left as it is",
                         qPrintable(path), qPrintable(read ? QStringLiteral("another root") : problem));
                return false;
            }
            root = *read;
        }
    }
    root.setValue(QStringLiteral("Language"), PlistValue::string(code));

    // Written beside and renamed over: an interrupted write leaves the old file whole.
    if (!checkedfiles::saveWhole(path, writePropertyList(root), &error)) {
        qWarning("The language is not recorded: %s cannot be written (%s)", qPrintable(path), qPrintable(error));
        return false;
    }
    return true;
}

QString KvLangSelection::getLanguageSupportForNativeLang(const QString &key) const
{
    if (_dicSupportLang && _dicSupportLang->contains(key))
        return _dicSupportLang->value(key);
    return QStringLiteral("en");
}

double KvLangSelection::centredPopupX(const Rect &superviewFrame, double popupWidth)
{
    const double centred = superviewFrame.x + superviewFrame.width / 2 - popupWidth / 2;
    return double(std::round(float(centred))) - 2;
}

void KvLangSelection::viewFrameDidChange()
{
    if (!m_btnPopupSelection)
        return;
    const View *superview = m_btnPopupSelection->superview();
    Rect frame = m_btnPopupSelection->frame();
    frame.x = centredPopupX(superview ? superview->frame() : Rect(), frame.width);
    m_btnPopupSelection->setFrame(frame);
}

bool KvLangSelection::setupDocForLanguage(const QString &code)
{
    QString error;
    const QString dir = findOrCreateDirectory(ApplicationSupportDirectory, UserDomainMask,
                                              kDataFolder + QStringLiteral("/doc"), &error);
    if (dir.isEmpty()) {
        qWarning("The documents are not copied: no document folder (%s)", qPrintable(error));
        return false;
    }
    const QString manualPath = QDir(dir).filePath(QStringLiteral("OperationGuide"));
    const QString manualResPath = _bundle.pathForResource(
        QStringLiteral("%1(%2)").arg(QStringLiteral("OperationGuide"), code), QString());
    qInfo("In setupDocForLanguage@KvLangSelection: manualResPath=%s, manualPath=%s", qPrintable(manualResPath),
          qPrintable(manualPath));
    const bool manualCopied = copyDoc(manualResPath, manualPath, &error);

    const QString noticesPath = QDir(dir).filePath(
        QStringLiteral("%1.%2").arg(QStringLiteral("thirdparty"), QStringLiteral("txt")));
    const QString noticesResPath = _bundle.pathForResource(
        QStringLiteral("%1(%2)").arg(QStringLiteral("thirdparty"), code), QStringLiteral("txt"));
    const bool noticesCopied = copyDoc(noticesResPath, noticesPath, &error);
    return manualCopied && noticesCopied;
}

bool KvLangSelection::copyDoc(const QString &source, const QString &target, QString *error)
{
    if (source.isEmpty() || !QFileInfo::exists(source)) {
        qWarning("In copyDoc@KvLangSelection: Failed(1)");
        return false;
    }
    // The copy is made beside the target first, so a copy that fails half-way
    // leaves the old document in place instead of none.
    const QString staging = target + QStringLiteral(".partial");
    if (QFileInfo::exists(staging) || QFileInfo(staging).isSymLink())
        removeItem(staging, nullptr);
    if (!copyItem(source, staging, error)) {
        removeItem(staging, nullptr);
        return false;
    }
    const QFileInfo targetInfo(target);
    if ((targetInfo.exists() || targetInfo.isSymLink()) && !removeItem(target, error)) {
        qWarning("In copyDoc@KvLangSelection: Failed(2)");
        removeItem(staging, nullptr);
        return false;
    }
    if (!QDir().rename(staging, target)) {
        if (error)
            *error = QStringLiteral("Cannot rename %1 to %2").arg(staging, target);
        removeItem(staging, nullptr);
        return false;
    }
    if (error)
        error->clear();
    return true;
}

QString KvLangSelection::findOrCreateDirectory(SearchPathDirectory directory, SearchPathDomainMask domain,
                                               const QString &component, QString *error)
{
    const QStringList found = searchPathForDirectoriesInDomains(directory, domain, true);
    if (found.isEmpty())
        return {};
    QString path = found.first();
    if (!component.isEmpty())
        path = QDir(path).filePath(component);
    if (!QDir().mkpath(path)) {
        if (error)
            *error = QStringLiteral("Cannot create the folder %1").arg(path);
        return {};
    }
    if (error)
        error->clear();
    return path;
}

} // namespace kavrotether::installer
