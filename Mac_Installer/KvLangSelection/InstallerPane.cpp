#include "InstallerPane.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>

#include <optional>

namespace kavrotether::installer {

NotificationCenter &NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(const void *observer, const QString &name, const void *sender,
                                     std::function<void()> callback)
{
    m_entries.push_back({observer, name, sender, std::move(callback)});
}

void NotificationCenter::removeObserver(const void *observer, const QString &name, const void *sender)
{
    m_entries.remove_if([&](const Entry &e) {
        return e.observer == observer && (name.isEmpty() || e.name == name) && (!sender || e.sender == sender);
    });
}

void NotificationCenter::post(const QString &name, const void *sender)
{
    // A callback may add or remove observers: call a snapshot.
    std::vector<std::function<void()>> callbacks;
    for (const Entry &e : m_entries) {
        if (e.name == name && (!e.sender || e.sender == sender))
            callbacks.push_back(e.callback);
    }
    for (const auto &callback : callbacks)
        callback();
}

int NotificationCenter::observerCount(const void *observer) const
{
    return int(
        std::count_if(m_entries.begin(), m_entries.end(), [&](const Entry &e) { return e.observer == observer; }));
}

View::~View() = default;

void View::setFrame(const Rect &frame)
{
    if (frame == m_frame)
        return;
    m_frame = frame;
    NotificationCenter::defaultCenter().post(QString::fromLatin1(ViewFrameDidChangeNotification), this);
}

View *View::addSubview(std::unique_ptr<View> view)
{
    view->m_superview = this;
    m_subviews.push_back(std::move(view));
    return m_subviews.back().get();
}

void PopUpButton::removeAllItems()
{
    m_items.clear();
    m_selected = -1;
}

void PopUpButton::addItemsWithTitles(const QStringList &titles)
{
    for (const QString &title : titles) {
        // Titles are unique in a pop-up list: adding one again moves it to the end.
        m_items.removeAll(title);
        m_items.append(title);
    }
    if (m_selected < 0 && !m_items.isEmpty())
        m_selected = 0;
}

void PopUpButton::selectItemWithTitle(const QString &title)
{
    m_selected = title.isEmpty() ? -1 : int(m_items.indexOf(title));
}

QString PopUpButton::titleOfSelectedItem() const
{
    return m_selected >= 0 && m_selected < m_items.size() ? m_items.at(m_selected) : QString();
}

Window::Window() : m_contentView(std::make_unique<View>()) {}

namespace {

// The Installer's own localisations (its ".lproj" folders).
const QStringList &installerLocalizations()
{
    static const QStringList list{"en",    "ja", "de", "fr", "es", "it", "ru", "zh_CN", "zh_TW", "ko", "pt",
                                  "pt_PT", "nl", "sv", "da", "fi", "nb", "pl", "cs",    "tr",    "uk"};
    return list;
}

std::optional<QStringList> &userLanguageOverride()
{
    static std::optional<QStringList> languages;
    return languages;
}

// The body of a ".strings" file: "key" = "value"; pairs, with /* */ and // comments.
QString lookUpStrings(const QString &text, const QString &wanted)
{
    int i = 0;
    const int n = int(text.size());
    auto skipSpace = [&] {
        while (i < n) {
            if (text.at(i).isSpace()) {
                ++i;
            } else if (text.mid(i, 2) == QLatin1String("/*")) {
                const int end = int(text.indexOf(QLatin1String("*/"), i + 2));
                i = end < 0 ? n : end + 2;
            } else if (text.mid(i, 2) == QLatin1String("//")) {
                const int end = int(text.indexOf(QLatin1Char('\n'), i));
                i = end < 0 ? n : end + 1;
            } else {
                break;
            }
        }
    };
    auto quoted = [&](QString *out) {
        if (i >= n || text.at(i) != QLatin1Char('"'))
            return false;
        ++i;
        out->clear();
        while (i < n && text.at(i) != QLatin1Char('"')) {
            QChar c = text.at(i++);
            if (c == QLatin1Char('\\') && i < n) {
                c = text.at(i++);
                if (c == QLatin1Char('n'))
                    c = QLatin1Char('\n');
                else if (c == QLatin1Char('t'))
                    c = QLatin1Char('\t');
            }
            out->append(c);
        }
        if (i >= n)
            return false;
        ++i;
        return true;
    };
    QString key;
    QString value;
    while (true) {
        skipSpace();
        if (!quoted(&key))
            return {};
        skipSpace();
        if (i >= n || text.at(i) != QLatin1Char('='))
            return {};
        ++i;
        skipSpace();
        if (!quoted(&value))
            return {};
        skipSpace();
        if (i < n && text.at(i) == QLatin1Char(';'))
            ++i;
        if (key == wanted)
            return value;
    }
}

} // namespace

Bundle::Bundle(const QString &resourcePath) : m_resourcePath(resourcePath) {}

QString Bundle::pathForResource(const QString &name, const QString &type) const
{
    if (m_resourcePath.isEmpty() || name.isEmpty())
        return {};
    const QString file = type.isEmpty() ? name : name + QLatin1Char('.') + type;
    const QString path = QDir(m_resourcePath).filePath(file);
    return QFileInfo::exists(path) ? path : QString();
}

QStringList Bundle::localizations() const
{
    if (m_resourcePath.isEmpty())
        return m_fixedLocalizations;
    QStringList result;
    const auto folders = QDir(m_resourcePath).entryList({QStringLiteral("*.lproj")}, QDir::Dirs, QDir::Name);
    for (const QString &folder : folders)
        result.append(folder.chopped(6));
    return result;
}

QStringList Bundle::preferredLocalizations() const
{
    return preferredLocalizationsFrom(localizations(), userLanguages());
}

QString Bundle::localizedStringForKey(const QString &key, const QString &value, const QString &table) const
{
    const QString tableName = table.isEmpty() ? QStringLiteral("Localizable") : table;
    if (!m_resourcePath.isEmpty()) {
        for (const QString &localization : preferredLocalizations()) {
            QFile file(
                QDir(m_resourcePath)
                    .filePath(localization + QStringLiteral(".lproj/") + tableName + QStringLiteral(".strings")));
            // A strings table is small; a larger file is not one.
            if (!file.open(QIODevice::ReadOnly) || file.size() > 256 * 1024)
                continue;
            const QString found = lookUpStrings(QString::fromUtf8(file.readAll()), key);
            if (!found.isNull())
                return found;
        }
    }
    return value.isEmpty() ? key : value;
}

const Bundle &Bundle::mainBundle()
{
    static const Bundle bundle = [] {
        Bundle b;
        b.m_fixedLocalizations = installerLocalizations();
        return b;
    }();
    return bundle;
}

void Bundle::setUserLanguages(const QStringList &languages)
{
    userLanguageOverride() = languages;
}

QStringList Bundle::userLanguages()
{
    if (userLanguageOverride())
        return *userLanguageOverride();
    return QLocale::system().uiLanguages();
}

QStringList Bundle::preferredLocalizationsFrom(const QStringList &available, const QStringList &userLanguages)
{
    QStringList result;
    auto take = [&](const QString &candidate) {
        for (const QString &a : available) {
            if (a.compare(candidate, Qt::CaseInsensitive) == 0) {
                if (!result.contains(a))
                    result.append(a);
                return true;
            }
        }
        return false;
    };
    for (QString language : userLanguages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (take(language))
            continue;
        const QLocale locale(language);
        const QString code = language.section(QLatin1Char('_'), 0, 0);
        if (code == QLatin1String("zh")) {
            // Chinese goes by script: simplified for Hans, mainland and Singapore, traditional otherwise.
            const bool traditional = locale.script() == QLocale::TraditionalChineseScript;
            if (take(traditional ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN")) || take(code))
                continue;
        }
        if (take(code))
            continue;
        for (const QString &a : available) {
            if (a.startsWith(code + QLatin1Char('_'), Qt::CaseInsensitive) && !result.contains(a)) {
                result.append(a);
                break;
            }
        }
    }
    take(QStringLiteral("en"));
    if (result.isEmpty() && !available.isEmpty())
        result.append(available.first());
    return result;
}

QStringList searchPathForDirectoriesInDomains(SearchPathDirectory directory, SearchPathDomainMask domain, bool)
{
    if (directory != ApplicationSupportDirectory || domain != UserDomainMask)
        return {};
    // writableLocation never returns a tilde: the expansion is already done.
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return path.isEmpty() ? QStringList() : QStringList{path};
}

} // namespace kavrotether::installer
