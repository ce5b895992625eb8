#include "core/CustomMessageBox.h"

#include "ModalBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <utility>

using namespace kavrotether;

namespace {

using kavrotether::test::shownText;
using kavrotether::test::WhenBoxShown;

// The signals the QML sees, in the order they arrive.
void recordSignals(CustomMessageBox *box, QStringList *log)
{
    using Signal = void (CustomMessageBox::*)();
    static const std::pair<const char *, Signal> table[] = {
        {"buttonClicked", &CustomMessageBox::buttonClicked},
        {"accepted", &CustomMessageBox::accepted},
        {"apply", &CustomMessageBox::apply},
        {"discard", &CustomMessageBox::discard},
        {"help", &CustomMessageBox::help},
        {"no", &CustomMessageBox::no},
        {"rejected", &CustomMessageBox::rejected},
        {"reset", &CustomMessageBox::reset},
        {"yes", &CustomMessageBox::yes},
    };
    for (const auto &entry : table) {
        const QString name = QString::fromLatin1(entry.first);
        QObject::connect(box, entry.second, box, [log, name]() { *log << name; });
    }
    QObject::connect(box, &CustomMessageBox::visibilityChanged, box, [log, box]() {
        *log << (box->isVisible() ? QStringLiteral("visible") : QStringLiteral("hidden"));
    });
}

void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void answerArrivesAfterTheModalRun_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("click"); // 0: the window's close button
        QTest::addColumn<QStringList>("answer");

        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        const int okCancel = QMessageBox::Ok | QMessageBox::Cancel;
        // No and Cancel make the box itself report a rejection as well;
        // the QML must still hear one answer.
        QTest::newRow("yes") << yesNo << int(QMessageBox::Yes) << QStringList{"buttonClicked", "yes"};
        QTest::newRow("no") << yesNo << int(QMessageBox::No) << QStringList{"buttonClicked", "no"};
        QTest::newRow("ok") << okCancel << int(QMessageBox::Ok) << QStringList{"buttonClicked", "accepted"};
        QTest::newRow("cancel") << okCancel << int(QMessageBox::Cancel) << QStringList{"buttonClicked", "rejected"};
        QTest::newRow("discard") << int(QMessageBox::Save | QMessageBox::Discard) << int(QMessageBox::Discard)
                                 << QStringList{"buttonClicked", "discard"};
        QTest::newRow("apply") << int(QMessageBox::Apply | QMessageBox::Close) << int(QMessageBox::Apply)
                               << QStringList{"buttonClicked", "apply"};
        QTest::newRow("restore defaults") << int(QMessageBox::RestoreDefaults | QMessageBox::Ok)
                                          << int(QMessageBox::RestoreDefaults) << QStringList{"buttonClicked", "reset"};
        QTest::newRow("help") << int(QMessageBox::Help | QMessageBox::Ok) << int(QMessageBox::Help)
                              << QStringList{"buttonClicked", "help"};
        QTest::newRow("close button") << yesNo << 0 << QStringList{"rejected"};
    }

    void answerArrivesAfterTheModalRun()
    {
        QFETCH(int, buttons);
        QFETCH(int, click);
        QFETCH(QStringList, answer);

        QStringList log;
        CustomMessageBox mb;
        recordSignals(&mb, &log);
        mb.setStandardButtons(buttons);

        QPointer<QMessageBox> shown;
        WhenBoxShown watch([&](QMessageBox *box) {
            shown = box;
            if (click)
                box->button(QMessageBox::StandardButton(click))->click();
            else
                box->close();
        });
        mb.open();

        // The modal run is over, the answer is still queued.
        QCOMPARE(log, QStringList{"visible"});
        QCOMPARE(mb.clickedButton(), 0);

        QTRY_VERIFY(!mb.isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(log, QStringList{"visible"} + answer + QStringList{"hidden"});
        QCOMPARE(mb.clickedButton(), click);
        flushDeferredDeletes();
        QVERIFY(shown.isNull());
    }

    void closingWhileOpenEndsTheRunWithoutAnAnswer()
    {
        QStringList log;
        CustomMessageBox mb;
        recordSignals(&mb, &log);
        mb.setStandardButtons(QMessageBox::Ok);

        QPointer<QMessageBox> shown;
        WhenBoxShown watch([&](QMessageBox *box) {
            shown = box;
            mb.close();
        });
        mb.open();

        QCoreApplication::processEvents();
        flushDeferredDeletes();
        QCOMPARE(log, (QStringList{"visible", "hidden"}));
        QCOMPARE(mb.clickedButton(), 0);
        QVERIFY(shown.isNull());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void destroyingWhileOpenHidesFirst()
    {
        auto *mb = new CustomMessageBox;
        mb->setStandardButtons(QMessageBox::Ok);
        QStringList seen;
        connect(mb, &CustomMessageBox::visibilityChanged, this,
                [&seen, mb]() { seen << (mb->isVisible() ? "visible" : "hidden"); });

        QPointer<QMessageBox> shown;
        WhenBoxShown watch([&](QMessageBox *box) {
            shown = box;
            delete mb;
        });
        mb->open(); // returns although its object is gone
        flushDeferredDeletes();
        QCOMPARE(seen, (QStringList{"visible", "hidden"}));
        QVERIFY(shown.isNull());
    }

    void aHandlerThatHidesAgainWins()
    {
        CustomMessageBox mb;
        mb.setStandardButtons(QMessageBox::Ok);
        connect(&mb, &CustomMessageBox::visibilityChanged, this, [&mb]() {
            if (mb.isVisible())
                mb.close();
        });
        bool boxAppeared = false;
        // A box would block here; dismiss it so the failure is reported.
        WhenBoxShown watch([&](QMessageBox *box) {
            boxAppeared = true;
            box->button(QMessageBox::Ok)->click();
        });
        mb.open();
        QVERIFY(!boxAppeared);
        QVERIFY(!mb.isVisible());
    }

    void boxTakesTheProperties_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("textFormat");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("informative");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("defaultShown");
        QTest::newRow("empty informative, style default")
            << "Delete?" << int(Qt::AutoText) << "Delete?" << QString() << 0 << -1;
        QTest::newRow("informative, default no") << "Delete?" << int(Qt::AutoText) << "Delete?"
                                                 << "more" << int(QMessageBox::No) << int(QMessageBox::No);
        // The program's own texts break their lines with markup.
        QTest::newRow("markup of our own")
            << "Switch?<br />Sure?" << int(Qt::AutoText) << "Switch?\nSure?" << QString() << 0 << -1;
        // A text from outside, as typed.
        const QString outside = "<b>x</b><img src='http://127.0.0.1:9/id.png'>";
        QTest::newRow("plain text with markup") << outside << int(Qt::PlainText) << outside << QString() << 0 << -1;
    }

    void boxTakesTheProperties()
    {
        QFETCH(QString, text);
        QFETCH(int, textFormat);
        QFETCH(QString, shown);
        QFETCH(QString, informative);
        QFETCH(int, defaultButton);
        QFETCH(int, defaultShown);

        CustomMessageBox mb;
        mb.setTitle("KAVRO Rozado");
        mb.setText(text);
        // as QML sets it
        mb.setProperty("textFormat", textFormat);
        mb.setIcon(QMessageBox::Warning);
        mb.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        mb.setInformativeText(informative);
        mb.setDefaultButton(defaultButton);
        mb.setModality(Qt::WindowModal);

        QStringList seen;
        int seenDefault = -1;
        WhenBoxShown watch([&](QMessageBox *box) {
            seen << box->windowTitle() << box->text() << shownText(*box) << box->informativeText()
                 << QString::number(box->icon()) << QString::number(box->windowModality());
            if (defaultButton)
                seenDefault = box->standardButton(box->defaultButton());
            box->button(QMessageBox::Yes)->click();
        });
        mb.open();

        QCOMPARE(seen, (QStringList{"KAVRO Rozado", text, shown, informative, QString::number(QMessageBox::Warning),
                                    QString::number(Qt::WindowModal)}));
        QCOMPARE(seenDefault, defaultShown);
        QTRY_VERIFY(!mb.isVisible());
    }

    void settersEmitOnlyOnChange_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("first");
        QTest::addColumn<QVariant>("second");

        QTest::newRow("title, case differs") << QByteArray("title") << QVariant("Title") << QVariant("title");
        QTest::newRow("text") << QByteArray("text") << QVariant("a") << QVariant("b");
        QTest::newRow("informativeText") << QByteArray("informativeText") << QVariant("a") << QVariant("A");
        QTest::newRow("detailedText") << QByteArray("detailedText") << QVariant("a") << QVariant("b");
        QTest::newRow("icon") << QByteArray("icon") << QVariant(2) << QVariant(4);
        QTest::newRow("standardButtons") << QByteArray("standardButtons") << QVariant(1024) << QVariant(1024 | 4194304);
        QTest::newRow("defaultButton") << QByteArray("defaultButton") << QVariant(16384) << QVariant(65536);
        QTest::newRow("modality") << QByteArray("modality") << QVariant::fromValue(Qt::WindowModal)
                                  << QVariant::fromValue(Qt::NonModal);
        QTest::newRow("textFormat") << QByteArray("textFormat") << QVariant::fromValue(Qt::PlainText)
                                    << QVariant::fromValue(Qt::RichText);
    }

    void settersEmitOnlyOnChange()
    {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, first);
        QFETCH(QVariant, second);

        CustomMessageBox mb;
        const QMetaObject *mo = mb.metaObject();
        const QMetaProperty p = mo->property(mo->indexOfProperty(property));
        QVERIFY(p.isValid() && p.hasNotifySignal());
        QSignalSpy spy(&mb, p.notifySignal());

        QVERIFY(p.write(&mb, first));
        QVERIFY(p.write(&mb, first));
        QCOMPARE(spy.count(), 1);
        QVERIFY(p.write(&mb, second));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(p.read(&mb), second);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_dialogs_messagebox.moc"
