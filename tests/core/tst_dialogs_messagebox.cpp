#include "core/CustomMessageBox.h"

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

// Runs `action` on the modal message box once it is on screen. The box runs
// in exec(), so the action has to come from that nested event loop. Polls
// each pass of the loop and stops when it goes out of scope.
class WhenBoxShown
{
public:
    explicit WhenBoxShown(std::function<void(QMessageBox *)> action)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, action]() {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_timer.stop();
                action(box);
            }
        });
        m_timer.start(0);
    }

private:
    QTimer m_timer;
};

// The signals the QML sees, in the order they arrive.
QStringList *recordSignals(CustomMessageBox *box, QObject *context)
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
    auto *log = new QStringList;
    QObject::connect(context, &QObject::destroyed, [log]() { delete log; });
    for (const auto &entry : table) {
        const QString name = QString::fromLatin1(entry.first);
        QObject::connect(box, entry.second, context, [log, name]() { *log << name; });
    }
    QObject::connect(box, &CustomMessageBox::visibilityChanged, context, [log, box]() {
        *log << (box->isVisible() ? QStringLiteral("visible") : QStringLiteral("hidden"));
    });
    return log;
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
    void clickAnswersAfterTheModalRun_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("click");
        QTest::addColumn<QString>("roleSignal");

        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        QTest::newRow("yes") << yesNo << int(QMessageBox::Yes) << "yes";
        QTest::newRow("no") << yesNo << int(QMessageBox::No) << "no";
        QTest::newRow("yes to all") << int(QMessageBox::YesToAll | QMessageBox::NoToAll)
                                    << int(QMessageBox::YesToAll) << "yes";
        QTest::newRow("ok") << int(QMessageBox::Ok | QMessageBox::Cancel) << int(QMessageBox::Ok)
                            << "accepted";
        QTest::newRow("cancel") << int(QMessageBox::Ok | QMessageBox::Cancel)
                                << int(QMessageBox::Cancel) << "rejected";
        QTest::newRow("discard") << int(QMessageBox::Save | QMessageBox::Discard)
                                 << int(QMessageBox::Discard) << "discard";
        QTest::newRow("apply") << int(QMessageBox::Apply | QMessageBox::Close)
                               << int(QMessageBox::Apply) << "apply";
        QTest::newRow("restore defaults") << int(QMessageBox::RestoreDefaults | QMessageBox::Ok)
                                          << int(QMessageBox::RestoreDefaults) << "reset";
        QTest::newRow("help") << int(QMessageBox::Help | QMessageBox::Ok)
                              << int(QMessageBox::Help) << "help";
    }

    void clickAnswersAfterTheModalRun()
    {
        QFETCH(int, buttons);
        QFETCH(int, click);
        QFETCH(QString, roleSignal);

        QObject context;
        CustomMessageBox mb;
        QStringList *log = recordSignals(&mb, &context);
        mb.setStandardButtons(buttons);

        QPointer<QMessageBox> shown;
        WhenBoxShown watch([&](QMessageBox *box) {
            shown = box;
            box->button(QMessageBox::StandardButton(click))->click();
        });
        mb.open();

        // The modal run is over, the answer is still queued.
        QCOMPARE(*log, QStringList{"visible"});
        QCOMPARE(mb.clickedButton(), 0);
        QVERIFY(mb.isVisible());

        QTRY_VERIFY(!mb.isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(*log, (QStringList{"visible", "buttonClicked", roleSignal, "hidden"}));
        QCOMPARE(mb.clickedButton(), click);
        flushDeferredDeletes();
        QVERIFY(shown.isNull());
    }

    void closingTheWindowIsARefusal()
    {
        QObject context;
        CustomMessageBox mb;
        QStringList *log = recordSignals(&mb, &context);
        mb.setStandardButtons(QMessageBox::Yes | QMessageBox::No);

        WhenBoxShown watch([](QMessageBox *box) { box->close(); });
        mb.open();
        QTRY_VERIFY(!mb.isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(*log, (QStringList{"visible", "rejected", "hidden"}));
        QCOMPARE(mb.clickedButton(), 0);
    }

    void closingWhileOpenEndsTheRunWithoutAnAnswer()
    {
        QObject context;
        CustomMessageBox mb;
        QStringList *log = recordSignals(&mb, &context);
        mb.setStandardButtons(QMessageBox::Ok);

        QPointer<QMessageBox> shown;
        WhenBoxShown watch([&](QMessageBox *box) {
            shown = box;
            mb.close();
        });
        mb.open();

        QVERIFY(!mb.isVisible());
        QCoreApplication::processEvents();
        flushDeferredDeletes();
        QCOMPARE(*log, (QStringList{"visible", "hidden"}));
        QCOMPARE(mb.clickedButton(), 0);
        QVERIFY(shown.isNull());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void reopeningShowsANewBox()
    {
        CustomMessageBox mb;
        mb.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        WhenBoxShown watch([](QMessageBox *box) { box->button(QMessageBox::Yes)->click(); });
        mb.open();
        QTRY_COMPARE(mb.clickedButton(), int(QMessageBox::Yes));

        QSignalSpy no(&mb, &CustomMessageBox::no);
        QSignalSpy yes(&mb, &CustomMessageBox::yes);
        WhenBoxShown watchAgain([](QMessageBox *box) { box->button(QMessageBox::No)->click(); });
        mb.open();
        QVERIFY(no.wait());
        QCOMPARE(yes.count(), 0);
        QCOMPARE(mb.clickedButton(), int(QMessageBox::No));
        QVERIFY(!mb.isVisible());
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
        QTest::addColumn<QString>("informative");
        QTest::addColumn<int>("defaultButton");
        QTest::newRow("empty informative, style default") << QString() << 0;
        QTest::newRow("informative, default no") << QStringLiteral("more") << int(QMessageBox::No);
    }

    void boxTakesTheProperties()
    {
        QFETCH(QString, informative);
        QFETCH(int, defaultButton);

        CustomMessageBox mb;
        mb.setTitle(QStringLiteral("KAVRO Rozado"));
        mb.setText(QStringLiteral("Delete?"));
        mb.setIcon(QMessageBox::Warning);
        mb.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        mb.setInformativeText(informative);
        mb.setDefaultButton(defaultButton);
        mb.setModality(Qt::WindowModal);

        QString title, text, informativeShown;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        Qt::WindowModality modality = Qt::NonModal;
        QAbstractButton *defaultShown = nullptr;
        QAbstractButton *noButton = nullptr;
        WhenBoxShown watch([&](QMessageBox *box) {
            title = box->windowTitle();
            text = box->text();
            informativeShown = box->informativeText();
            icon = box->icon();
            modality = box->windowModality();
            defaultShown = box->defaultButton();
            noButton = box->button(QMessageBox::No);
            box->button(QMessageBox::Yes)->click();
        });
        mb.open();

        QCOMPARE(title, QStringLiteral("KAVRO Rozado"));
        QCOMPARE(text, QStringLiteral("Delete?"));
        QCOMPARE(informativeShown, informative);
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(modality, Qt::WindowModal);
        if (defaultButton)
            QCOMPARE(defaultShown, noButton);
        QTRY_VERIFY(!mb.isVisible());
    }

    void settersEmitOnlyOnChange_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("first");
        QTest::addColumn<QVariant>("second");

        QTest::newRow("title, case differs") << QByteArray("title") << QVariant("Title")
                                             << QVariant("title");
        QTest::newRow("text") << QByteArray("text") << QVariant("a") << QVariant("b");
        QTest::newRow("informativeText") << QByteArray("informativeText") << QVariant("a")
                                         << QVariant("A");
        QTest::newRow("detailedText") << QByteArray("detailedText") << QVariant("a")
                                      << QVariant("b");
        QTest::newRow("icon") << QByteArray("icon") << QVariant(2) << QVariant(4);
        QTest::newRow("standardButtons") << QByteArray("standardButtons") << QVariant(1024)
                                         << QVariant(1024 | 4194304);
        QTest::newRow("defaultButton") << QByteArray("defaultButton") << QVariant(16384)
                                       << QVariant(65536);
        QTest::newRow("modality") << QByteArray("modality")
                                  << QVariant::fromValue(Qt::WindowModal)
                                  << QVariant::fromValue(Qt::NonModal);
    }

    void settersEmitOnlyOnChange()
    {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, first);
        QFETCH(QVariant, second);

        CustomMessageBox mb;
        const QMetaProperty p =
            mb.metaObject()->property(mb.metaObject()->indexOfProperty(property));
        QVERIFY(p.isValid() && p.hasNotifySignal());
        QSignalSpy spy(&mb, p.notifySignal());

        QVERIFY(p.write(&mb, first));
        QVERIFY(p.write(&mb, first));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(p.read(&mb), first);
        QVERIFY(p.write(&mb, second));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(p.read(&mb), second);
    }

    void initialValues()
    {
        CustomMessageBox mb;
        QVERIFY(!mb.isVisible());
        QCOMPARE(mb.modality(), Qt::ApplicationModal);
        QCOMPARE(mb.icon(), 0);
        QCOMPARE(mb.standardButtons(), 0);
        QCOMPARE(mb.defaultButton(), 0);
        QCOMPARE(mb.clickedButton(), 0);
        QVERIFY(mb.title().isEmpty() && mb.text().isEmpty());
        // clickedButton is an answer, never written from outside.
        const QMetaObject *mo = mb.metaObject();
        QVERIFY(!mo->property(mo->indexOfProperty("clickedButton")).isWritable());
    }

    void hidingWhenHiddenSaysNothing()
    {
        CustomMessageBox mb;
        QSignalSpy spy(&mb, &CustomMessageBox::visibilityChanged);
        mb.close();
        mb.setVisible(false);
        QCOMPARE(spy.count(), 0);
    }

    void staleAnswerFromAnOldBoxIsIgnored()
    {
        // An answer that arrives without a box (it was closed first) changes
        // nothing.
        CustomMessageBox mb;
        QSignalSpy clicked(&mb, &CustomMessageBox::buttonClicked);
        QSignalSpy rejected(&mb, &CustomMessageBox::rejected);
        QPushButton stray;
        mb.msgBox_clickedButton(&stray);
        mb.msgBox_rejected();
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(rejected.count(), 0);
        QCOMPARE(mb.clickedButton(), 0);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_dialogs_messagebox.moc"
