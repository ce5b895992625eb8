#pragma once

#include "InstallerPane.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace kavrotether::installer {

// The installer pane that lets the user pick the program's language. On
// leaving it records the choice in "KAVRO Rozado/ini/setup.plist" under the
// user's Application Support folder (the program's data folder) and copies
// that language's operation guide and notices into "KAVRO Rozado/doc".
class KvLangSelection : public InstallerPane
{
public:
    // Builds the pane's interface (a window whose content view holds the
    // language pop-up) and connects the outlet; the host calls awakeFromNib.
    explicit KvLangSelection(InstallerSection *section);
    ~KvLangSelection() override;

    PopUpButton *btnPopupSelection() const { return m_btnPopupSelection; }
    void setBtnPopupSelection(PopUpButton *button) { m_btnPopupSelection = button; }
    Window *window() const { return _window; }

    void awakeFromNib() override;
    QString title() const override;
    void didEnterPane(PaneDirection direction) override;
    void didExitPane(PaneDirection direction) override;

    void updateLanguageMenu();
    // False (and a warning) when the language could not be recorded; an
    // existing file that is a folder or no property-list dictionary is left as it is.
    bool setupInstallLanguage(const QString &code);
    QString getLanguageSupportForNativeLang(const QString &key) const;
    void viewFrameDidChange();
    // False when either document could not be copied.
    bool setupDocForLanguage(const QString &code);
    static bool copyDoc(const QString &source, const QString &target, QString *error);
    static QString findOrCreateDirectory(SearchPathDirectory directory, SearchPathDomainMask domain,
                                         const QString &component, QString *error);

    // The titles of the pop-up, in their order.
    static QStringList languageTitles();
    // The pop-up's x: centred on its superview (as the platform measures it) and 2 points left.
    static double centredPopupX(const Rect &superviewFrame, double popupWidth);

    // The code preselected when the pane opened.
    QString selectedLanguageAtStart() const { return _strSelLang; }
    // Whether the last exit recorded the language and copied both documents.
    bool lastExitComplete() const { return m_lastExitComplete; }

private:
    std::unique_ptr<Window> m_interface;
    PopUpButton *m_btnPopupSelection = nullptr;
    Bundle _bundle;
    Window *_window = nullptr;
    std::optional<QHash<QString, QString>> _dicSupportLang;
    QString _strSelLang;
    bool m_lastExitComplete = false;
};

} // namespace kavrotether::installer
