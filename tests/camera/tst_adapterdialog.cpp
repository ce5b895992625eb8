// Closing and asking after the adapter's own dialog from the interface.

#include <QtTest>

#include <QApplication>

#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"

using namespace kavrotether;

class TestAdapterDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void closeByType_data();
    void closeByType();
    void closeWithoutDialog();

private:
    DeviceAdapter *m_adapter = nullptr;
};

void TestAdapterDialog::init()
{
    m_adapter = new DeviceAdapter;
    ApplicationData::setDeviceAdapter(m_adapter);
}

void TestAdapterDialog::cleanup()
{
    ApplicationData::setDeviceAdapter(nullptr);
    delete m_adapter;
    m_adapter = nullptr;
}

void TestAdapterDialog::closeByType_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("closed");
    QTest::addColumn<bool>("closes");

    QTest::newRow("same type") << int(Utilities::PowerSaving_ConfirmationDialog)
                               << int(Utilities::PowerSaving_ConfirmationDialog) << true;
    QTest::newRow("any type") << int(Utilities::FirmwareUpdate_ConfirmationDialog) << int(Utilities::Unknown_Dialog)
                              << true;
    QTest::newRow("other type") << int(Utilities::PowerSaving_ConfirmationDialog)
                                << int(Utilities::FirmwareUpdate_ConfirmationDialog) << false;
}

void TestAdapterDialog::closeByType()
{
    QFETCH(int, shown);
    QFETCH(int, closed);
    QFETCH(bool, closes);
    QSignalSpy accepted(m_adapter, &DeviceAdapter::customDialogPowerSavingOnAcceptedSignal);

    QVERIFY(!m_adapter->isCustomDialogVisible());
    m_adapter->trigger_window_dialog(Utilities::DialogType(shown), Utilities::Question_Icon, false);
    QVERIFY(m_adapter->isCustomDialogVisible());
    m_adapter->closeCustomDialog(Utilities::DialogType(closed));
    QCOMPARE(m_adapter->isCustomDialogVisible(), !closes);
    // Closing is no answer.
    QCOMPARE(accepted.count(), 0);

    // Once closed, the next dialog opens (while open, none is added).
    m_adapter->trigger_window_dialog(Utilities::Failed_NotificationDialog, Utilities::Critical_Icon, false);
    QVERIFY(m_adapter->isCustomDialogVisible());
    m_adapter->closeCustomDialog(Utilities::Failed_NotificationDialog);
    QCOMPARE(m_adapter->isCustomDialogVisible(), !closes);
    m_adapter->closeCustomDialog(Utilities::Unknown_Dialog);
    QVERIFY(!m_adapter->isCustomDialogVisible());
}

void TestAdapterDialog::closeWithoutDialog()
{
    m_adapter->closeCustomDialog(Utilities::Unknown_Dialog);
    QVERIFY(!m_adapter->isCustomDialogVisible());
}

QTEST_MAIN(TestAdapterDialog)
#include "tst_adapterdialog.moc"
