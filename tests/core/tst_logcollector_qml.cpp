#include "core/LogTetherCollector.h"
#include "core/Startup.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QStandardPaths>
#include <QtQuickTest>

using namespace kavrotether;

// Publishes the collector the way the program does.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable()
    {
        QStandardPaths::setTestModeEnabled(true);
        startup::registerQmlTypes();
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->rootContext()->setContextProperty(QStringLiteral("logCollector"), &m_collector);
    }

private:
    LogTetherCollector m_collector;
};

QUICK_TEST_MAIN_WITH_SETUP(kavro_logcollector, Setup)
#include "tst_logcollector_qml.moc"
