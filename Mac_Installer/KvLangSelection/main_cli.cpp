// Runs the pane's exit step for one language without a screen: records the
// language for the program and copies that language's documents, as leaving
// the pane in the Installer does.

#include "KvLangSelection.h"
#include "PaneHost.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

using namespace kavrotether::installer;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    QTextStream out(stdout);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Records the program's language and installs its documents."));
    parser.addHelpOption();
    const QCommandLineOption bundleOption(QStringLiteral("bundle"), QStringLiteral("The pane's resource folder."),
                                          QStringLiteral("folder"), defaultResourceFolder());
    parser.addOption(bundleOption);
    parser.addPositionalArgument(QStringLiteral("language"),
                                 QStringLiteral("A title of the pane's list (English, Español, ...) or a language "
                                                "code (ja en de es fr it ru zh)."));
    if (!parser.parse(app.arguments())) {
        err << parser.errorText() << "\n";
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        err << "Give exactly one language.\n" << parser.helpText();
        return 2;
    }
    const QString folder = parser.value(bundleOption);
    if (!QFileInfo(folder).isDir()) {
        err << "No pane resources at \"" << folder << "\".\n";
        return 2;
    }

    InstallerSection section{Bundle(folder)};
    KvLangSelection pane(&section);
    pane.awakeFromNib();

    // A title is taken as it is; a code picks the title the pane maps to it.
    const QString wanted = positional.first();
    QString title;
    QStringList choices;
    for (const QString &candidate : KvLangSelection::languageTitles()) {
        const QString code = pane.getLanguageSupportForNativeLang(candidate);
        choices.append(QStringLiteral("%1 (%2)").arg(candidate, code));
        if (title.isEmpty() && (candidate == wanted || code == wanted))
            title = candidate;
    }
    if (title.isEmpty()) {
        err << "Unknown language \"" << wanted << "\". Choose one of: " << choices.join(QStringLiteral(", ")) << ".\n";
        return 2;
    }

    pane.didEnterPane(PaneDirection::Forward);
    pane.btnPopupSelection()->selectItemWithTitle(title);
    pane.didExitPane(PaneDirection::Forward);
    if (!pane.lastExitComplete()) {
        err << "The language \"" << pane.getLanguageSupportForNativeLang(title)
            << "\" was not installed completely; see the messages above.\n";
        return 1;
    }
    out << "Installed the language \"" << pane.getLanguageSupportForNativeLang(title) << "\".\n";
    return 0;
}
