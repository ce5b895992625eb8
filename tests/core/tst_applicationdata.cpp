#include "core/ApplicationData.h"
#include "core/Utilities.h"

#include <QtTest>

using namespace kavrotether;

class TestApplicationData : public QObject
{
    Q_OBJECT

private slots:
    void emptyUntilSet()
    {
        QVERIFY(!ApplicationData::getApplicationSettings());
        QVERIFY(!ApplicationData::getDeviceAdapter());
        QVERIFY(!ApplicationData::getFlashAdapter());
        QVERIFY(!ApplicationData::getUtilities());
        QVERIFY(!ApplicationData::getObjectCopy());
        QVERIFY(!ApplicationData::getVersionData());
        QVERIFY(!ApplicationData::getPreviewImageInfo());
    }

    void lastValueWins()
    {
        Utilities a;
        Utilities b;
        ApplicationData::setUtilities(&a);
        QCOMPARE(ApplicationData::getUtilities(), &a);
        ApplicationData::setUtilities(&b);
        QCOMPARE(ApplicationData::getUtilities(), &b);
        // Entries are independent of each other.
        QVERIFY(!ApplicationData::getDeviceAdapter());
        ApplicationData::setUtilities(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestApplicationData)
#include "tst_applicationdata.moc"
