#include "core/LogTetherCollector.h"

#include <QtTest>

using namespace kavrotether;

class TestLogCollector : public QObject
{
    Q_OBJECT

private slots:
    void sendAnswersNotSentBeforeReturning_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("sendLog(auto)") << 0;
        QTest::newRow("sendLog(manual)") << 1;
        QTest::newRow("sendLog()") << 2;
        QTest::newRow("requestSend") << 3;
    }

    void sendAnswersNotSentBeforeReturning()
    {
        QFETCH(int, how);
        LogTetherCollector collector;
        QList<bool> answers;
        // Direct connection, as the QML handler is: the answer must already
        // be there when the call returns, with no event loop in between.
        connect(&collector, &LogTetherCollector::onRequestFinished, this,
                [&answers](bool result) { answers << result; });

        switch (how) {
        case 0:
            collector.sendLog(TagDef::RecSend_Auto);
            break;
        case 1:
            collector.sendLog(TagDef::RecSend_Manual);
            break;
        case 2:
            collector.sendLog();
            break;
        default:
            collector.requestSend(QStringLiteral("usage"));
            break;
        }
        QCOMPARE(answers, QList<bool>{false});
    }

    void nothingIsEverStored()
    {
        LogTetherCollector collector;
        QVERIFY(!collector.checkLogExist());
        collector.createLog();
        collector.writeLog(TagDef::RecLvl_Info, TagDef::RTMajor_Usage, TagDef::RTMed_Usage_Main,
                           TagDef::RTScr_Usage_Main_Shutter, QStringLiteral("main.qml"),
                           QStringLiteral("clicked"));
        collector.writeLog(TagDef::RecLvl_Error, 0, 0, 0, QString(), QString());
        QVERIFY(!collector.checkLogExist());
    }
};

QTEST_MAIN(TestLogCollector)
#include "tst_logcollector.moc"
