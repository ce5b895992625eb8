#pragma once

// A small stand-in of the Installer's pane API, so the pane's own code keeps
// its operations one for one and runs (and is tested) on every platform.
// Only what the language pane uses is here: views with frames and their
// change notification, a pop-up list, a resource bundle, the section that
// owns the bundle, the pane base class, and the search for the user's
// Application Support folder.

#include <QString>
#include <QStringList>

#include <functional>
#include <list>
#include <memory>
#include <vector>

namespace kavrotether::installer {

struct Rect
{
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool operator==(const Rect &o) const { return x == o.x && y == o.y && width == o.width && height == o.height; }
};

// The one notification the pane observes.
inline const char *const ViewFrameDidChangeNotification = "ViewFrameDidChange";

// Observers are keyed by an opaque owner, so one call removes all of an owner's.
class NotificationCenter
{
public:
    static NotificationCenter &defaultCenter();

    void addObserver(const void *observer, const QString &name, const void *sender, std::function<void()> callback);
    void removeObserver(const void *observer, const QString &name, const void *sender);
    void post(const QString &name, const void *sender);
    int observerCount(const void *observer) const;

private:
    struct Entry
    {
        const void *observer;
        QString name;
        const void *sender;
        std::function<void()> callback;
    };
    std::list<Entry> m_entries;
};

class View
{
public:
    virtual ~View();

    Rect frame() const { return m_frame; }
    // Posts ViewFrameDidChangeNotification when the frame really changes.
    void setFrame(const Rect &frame);
    View *superview() const { return m_superview; }
    // The view owns its subviews.
    View *addSubview(std::unique_ptr<View> view);

private:
    Rect m_frame;
    View *m_superview = nullptr;
    std::vector<std::unique_ptr<View>> m_subviews;
};

class PopUpButton : public View
{
public:
    void removeAllItems();
    void addItemsWithTitles(const QStringList &titles);
    // An empty or unknown title leaves nothing selected, as the Installer's list does.
    void selectItemWithTitle(const QString &title);
    QString titleOfSelectedItem() const;
    QStringList itemTitles() const { return m_items; }
    int indexOfSelectedItem() const { return m_selected; }

private:
    QStringList m_items;
    int m_selected = -1;
};

class Window
{
public:
    Window();
    View *contentView() const { return m_contentView.get(); }

private:
    std::unique_ptr<View> m_contentView;
};

// A bundle is a folder of resources. Localised strings live in
// "<localisation>.lproj/Localizable.strings" ("key" = "value"; lines).
class Bundle
{
public:
    Bundle() = default;
    explicit Bundle(const QString &resourcePath);

    QString resourcePath() const { return m_resourcePath; }
    // The path of "<name>.<type>" (or of "<name>" when type is empty), empty when it does not exist.
    QString pathForResource(const QString &name, const QString &type) const;
    // The localisations the bundle has (its ".lproj" folders); the Installer's own for the main bundle.
    QStringList localizations() const;
    // The bundle's localisations in the order of the user's languages, the development one ("en") last.
    QStringList preferredLocalizations() const;
    // The string for key in the table ("Localizable" when empty) of the first preferred localisation that has
    // it; value when none has it, or key when value is empty too.
    QString localizedStringForKey(const QString &key, const QString &value, const QString &table) const;

    // The running Installer's bundle. Its localisations are the Installer's; the user's languages are the
    // system's unless a host sets them.
    static const Bundle &mainBundle();
    static void setUserLanguages(const QStringList &languages);
    static QStringList userLanguages();
    // Which of the available localisations best serve the user's languages, in preference order.
    static QStringList preferredLocalizationsFrom(const QStringList &available, const QStringList &userLanguages);

private:
    QString m_resourcePath;
    // The main bundle has no folder but the Installer's list of localisations.
    QStringList m_fixedLocalizations;
};

class InstallerSection
{
public:
    explicit InstallerSection(const Bundle &bundle) : m_bundle(bundle) {}
    const Bundle &bundle() const { return m_bundle; }

private:
    Bundle m_bundle;
};

enum class PaneDirection { Forward = 0, Backward = 1 };

// A pane of the Installer: the host creates it from its interface (a window
// holding the pane's controls), then calls awakeFromNib once and
// didEnterPane / didExitPane each time the user comes and goes.
class InstallerPane
{
public:
    explicit InstallerPane(InstallerSection *section) : m_section(section) {}
    virtual ~InstallerPane() = default;
    InstallerPane(const InstallerPane &) = delete;
    InstallerPane &operator=(const InstallerPane &) = delete;

    InstallerSection *section() const { return m_section; }

    virtual void awakeFromNib() {}
    virtual QString title() const { return {}; }
    virtual void didEnterPane(PaneDirection) {}
    virtual void didExitPane(PaneDirection) {}

private:
    InstallerSection *m_section;
};

// The search-path values the pane passes, with the platform's numbers.
enum SearchPathDirectory { ApplicationSupportDirectory = 14 };
enum SearchPathDomainMask { UserDomainMask = 1 };

// Application Support of the user: the generic writable data location, the
// folder the program itself reads its installation files from.
QStringList searchPathForDirectoriesInDomains(SearchPathDirectory directory, SearchPathDomainMask domain,
                                              bool expandTilde);

} // namespace kavrotether::installer
