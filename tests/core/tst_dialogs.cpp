#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "core/CustomDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

using namespace kavrotether;

namespace {

enum class Action { Return, Enter, ReturnOnDefaultButton, ClickYes, ClickNo, ClickOk, CloseWindow };

CustomDialog *openDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *d = qobject_cast<CustomDialog *>(w); d && d->isVisible())
            return d;
    }
    return nullptr;
}

QPushButton *buttonLabelled(CustomDialog *dialog, const QString &text)
{
    for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestCustomDialog : public QObject
{
    Q_OBJECT

private:
    DeviceAdapter *m_adapter = nullptr;
    // Stands for "anywhere else in the application": a key typed here must
    // still answer the dialog and still reach the field.
    QLineEdit *m_elsewhere = nullptr;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_adapter = new DeviceAdapter;
        ApplicationData::setDeviceAdapter(m_adapter);
        m_elsewhere = new QLineEdit;
        m_elsewhere->show();
    }

    void cleanupTestCase()
    {
        delete m_elsewhere;
        delete m_adapter;
    }

    void cleanup()
    {
        // No dialog may survive its test, or the next one could not open.
        flushDeferredDeletes();
        QVERIFY(!openDialog());
    }

    void answersOnceAndIsDeleted_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("defaultIsNo");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("powerSavingAccepted");
        QTest::addColumn<int>("firmwareAccepted");

        const int power = Utilities::PowerSaving_ConfirmationDialog;
        const int firmware = Utilities::FirmwareUpdate_ConfirmationDialog;
        const int success = Utilities::Success_NotificationDialog;
        const int failed = Utilities::Failed_NotificationDialog;

        using A = Action;
        QTest::newRow("return, default no") << power << true << A::Return << 0 << 0;
        QTest::newRow("return, default yes") << power << false << A::Return << 1 << 0;
        QTest::newRow("enter, default yes") << power << false << A::Enter << 1 << 0;
        QTest::newRow("firmware, return, default yes") << firmware << false << A::Return << 0 << 1;
        QTest::newRow("return on the default yes button") << firmware << false << A::ReturnOnDefaultButton << 0 << 1;
        QTest::newRow("return on the default no button") << power << true << A::ReturnOnDefaultButton << 0 << 0;
        QTest::newRow("click yes, default no") << firmware << true << A::ClickYes << 0 << 1;
        QTest::newRow("click no, default yes") << power << false << A::ClickNo << 0 << 0;
        QTest::newRow("close button, default yes") << power << false << A::CloseWindow << 0 << 0;
        QTest::newRow("ok dialog, return") << success << true << A::Return << 0 << 0;
        QTest::newRow("ok dialog, return, flag false") << failed << false << A::Return << 0 << 0;
        QTest::newRow("ok dialog, click ok") << failed << true << A::ClickOk << 0 << 0;
        QTest::newRow("ok dialog, close button") << success << true << A::CloseWindow << 0 << 0;
    }

    void answersOnceAndIsDeleted()
    {
        QFETCH(int, type);
        QFETCH(bool, defaultIsNo);
        QFETCH(Action, action);
        QFETCH(int, powerSavingAccepted);
        QFETCH(int, firmwareAccepted);

        QSignalSpy power(m_adapter, &DeviceAdapter::customDialogPowerSavingOnAcceptedSignal);
        QSignalSpy firmware(m_adapter, &DeviceAdapter::customDialogFWOnAcceptedSignal);
        QSignalSpy typed(m_elsewhere, &QLineEdit::returnPressed);

        m_adapter->trigger_window_dialog(Utilities::DialogType(type), Utilities::Question_Icon, defaultIsNo);
        QPointer<CustomDialog> dialog = openDialog();
        QVERIFY(dialog);
        QCOMPARE(int(dialog->getDialogType()), type);

        switch (action) {
        case Action::Return:
            QTest::keyClick(m_elsewhere, Qt::Key_Return);
            QCOMPARE(typed.count(), 1);
            break;
        case Action::Enter:
            QTest::keyClick(m_elsewhere, Qt::Key_Enter);
            QCOMPARE(typed.count(), 1);
            break;
        case Action::ReturnOnDefaultButton: {
            // The default button clicks itself on Return as well.
            QPushButton *def = buttonLabelled(dialog, defaultIsNo ? "No" : "Yes");
            QVERIFY(def && def->isDefault());
            QTest::keyClick(def, Qt::Key_Return);
            break;
        }
        case Action::ClickYes:
            QTest::mouseClick(buttonLabelled(dialog, "Yes"), Qt::LeftButton);
            break;
        case Action::ClickNo:
            QTest::mouseClick(buttonLabelled(dialog, "No"), Qt::LeftButton);
            break;
        case Action::ClickOk: {
            auto *box = dialog->findChild<QDialogButtonBox *>();
            QVERIFY(box && box->button(QDialogButtonBox::Ok));
            QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
            break;
        }
        case Action::CloseWindow:
            QVERIFY(dialog->close());
            break;
        }

        QVERIFY(!dialog->isVisible());
        QCOMPARE(power.count(), powerSavingAccepted);
        QCOMPARE(firmware.count(), firmwareAccepted);

        flushDeferredDeletes();
        QVERIFY(dialog.isNull());

        // A later Return reaches its receiver and nothing else.
        QTest::keyClick(m_elsewhere, Qt::Key_Return);
        QCOMPARE(power.count(), powerSavingAccepted);
        QCOMPARE(firmware.count(), firmwareAccepted);

        // The adapter has let go, so the next dialog can open.
        m_adapter->trigger_window_dialog(Utilities::Success_NotificationDialog, Utilities::No_Icon, true);
        QPointer<CustomDialog> next = openDialog();
        QVERIFY(next);
        QVERIFY(next != dialog);
        QVERIFY(next->close());
    }

    void oneDialogAtATime()
    {
        QSignalSpy power(m_adapter, &DeviceAdapter::customDialogPowerSavingOnAcceptedSignal);
        m_adapter->trigger_window_dialog(Utilities::PowerSaving_ConfirmationDialog, Utilities::Warning_Icon, false);
        QPointer<CustomDialog> first = openDialog();
        m_adapter->trigger_window_dialog(Utilities::FirmwareUpdate_ConfirmationDialog, Utilities::Warning_Icon, false);
        QCOMPARE(openDialog(), first.data());
        QCOMPARE(first->getDialogType(), Utilities::PowerSaving_ConfirmationDialog);
        QTest::keyClick(m_elsewhere, Qt::Key_Return);
        QCOMPARE(power.count(), 1);
    }

    void deletedBySomeoneElseIsForgotten()
    {
        m_adapter->trigger_window_dialog(Utilities::PowerSaving_ConfirmationDialog, Utilities::No_Icon, true);
        delete openDialog();
        // The adapter neither answers nor blocks with a dangling reference.
        m_adapter->customDialogOnAccepted();
        m_adapter->trigger_window_dialog(Utilities::Failed_NotificationDialog, Utilities::No_Icon, true);
        CustomDialog *next = openDialog();
        QVERIFY(next);
        QCOMPARE(next->getDialogType(), Utilities::Failed_NotificationDialog);
        QVERIFY(next->close());
    }

    void goesWithItsAdapter()
    {
        auto *other = new DeviceAdapter;
        ApplicationData::setDeviceAdapter(other);
        other->trigger_window_dialog(Utilities::PowerSaving_ConfirmationDialog, Utilities::No_Icon, false);
        QPointer<CustomDialog> dialog = openDialog();
        QVERIFY(dialog);
        delete other;
        QVERIFY(dialog.isNull());
        ApplicationData::setDeviceAdapter(m_adapter);
    }

    void slidingOffYesIsNoAnswer()
    {
        QSignalSpy firmware(m_adapter, &DeviceAdapter::customDialogFWOnAcceptedSignal);
        m_adapter->trigger_window_dialog(Utilities::FirmwareUpdate_ConfirmationDialog, Utilities::Warning_Icon, true);
        QPointer<CustomDialog> dialog = openDialog();
        QVERIFY(dialog);
        QPushButton *yes = buttonLabelled(dialog, "Yes");
        const QPoint outside(-20, -20);
        QTest::mousePress(yes, Qt::LeftButton);
        QVERIFY(yes->isDown());
        QTest::mouseMove(yes, outside);
        QTest::mouseRelease(yes, Qt::LeftButton, {}, outside);
        QCOMPARE(firmware.count(), 0);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->close());
    }

    void content_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("storedType");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("hasIcon");

        const QStringList yesNo{"Yes", "No"};
        const QStringList ok{QDialogButtonBox(QDialogButtonBox::Ok).buttons().first()->text()};
        QTest::newRow("power saving")
            << "en" << 0 << 2 << 0
            << "Even in Rozado Connect Mode, power is being consumed.<br /><br />Would you like "
               "to switch to Rozado Connect Mode?"
            << yesNo << true;
        QTest::newRow("firmware, no icon")
            << "en" << 1 << 0 << 1
            << "After the firmware is updated successfully, the camera will be automatically "
               "restarted.<br /><br />Would you like to start updating the firmware?"
            << yesNo << false;
        QTest::newRow("success") << "en" << 2 << 4 << 2 << "Completed." << ok << true;
        QTest::newRow("failed, unknown icon") << "en" << 3 << 9 << 3 << "Failed." << ok << false;
        QTest::newRow("type 7") << "en" << 7 << 1 << -1 << "No text specified!" << QStringList() << true;
        QTest::newRow("type -1, de") << "de" << -1 << 0 << -1 << QString::fromUtf8("Kein Text angegeben!") << QStringList() << false;
        QTest::newRow("de power saving") << "de" << 0 << 3 << 0
                                         << QString::fromUtf8(
                                                "Auch im Rozado Connect-Modus wird Strom verbraucht.<br /><br />"
                                                "Möchten Sie in den Rozado Connect-Modus wechseln?")
                                         << QStringList{"Ja", "Nein"} << true;
    }

    void content()
    {
        QFETCH(QString, language);
        QFETCH(int, type);
        QFETCH(int, icon);
        QFETCH(int, storedType);
        QFETCH(QString, message);
        QFETCH(QStringList, buttons);
        QFETCH(bool, hasIcon);

        // The compiled translations prove the texts sit in the dialog's context.
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(KAVRO_QM_DIR "/translation_") + language + QStringLiteral(".qm")));
        QCoreApplication::installTranslator(&translator);
        CustomDialog dialog;
        dialog.dialogSetup(Utilities::DialogType(type), Utilities::IconType(icon), true);
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(int(dialog.getDialogType()), storedType);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("KAVRO Rozado"));
        QStringList texts;
        for (const QPushButton *b : dialog.findChildren<QPushButton *>())
            texts << b->text();
        QCOMPARE(texts, buttons);
        QStringList labelTexts;
        int pixmaps = 0;
        for (const QLabel *l : dialog.findChildren<QLabel *>()) {
            if (!l->pixmap().isNull())
                ++pixmaps;
            else
                labelTexts << l->text();
        }
        QCOMPARE(labelTexts, QStringList{message});
        QCOMPARE(pixmaps, hasIcon ? 1 : 0);
    }
};

QTEST_MAIN(TestCustomDialog)
#include "tst_dialogs.moc"
