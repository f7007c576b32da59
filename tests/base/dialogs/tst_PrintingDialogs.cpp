#include "common/TestRegistry.h"
#include "dialogs/PrintingDialogs.h"

#include <QTest>
#include <QTextStream>

class TestPrintingDialogs : public QObject
{
    Q_OBJECT

private slots:
    void printsOneLinePerMessage()
    {
        QString printed;
        QTextStream out(&printed);
        {
            PrintingDialogs dialogs(out);
            QCOMPARE(&UserDialogs::current(), &dialogs);
            dialogs.setSource(QStringLiteral("a.xml"));
            UserDialogs::about(nullptr, QStringLiteral("Заголовок"),
                               QStringLiteral("first\nsecond\r\nthird\rfourth"));
            dialogs.setSource(QStringLiteral("b.xml"));
            UserDialogs::warning(nullptr, QStringLiteral("T"), QString());
            QCOMPARE(dialogs.printedCount(), 2);
        }
        QVERIFY(&UserDialogs::current() != nullptr);
        QCOMPARE(printed, QStringLiteral("a.xml: Заголовок: first second third fourth\n"
                                         "b.xml: T: \n"));
    }

    void nobodyAnswers_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes/No") << int(UserDialogs::Yes | UserDialogs::No) << int(UserDialogs::No);
        QTest::newRow("Ok/Cancel")
            << int(UserDialogs::Ok | UserDialogs::Cancel) << int(UserDialogs::Cancel);
        QTest::newRow("Ok") << int(UserDialogs::Ok) << int(UserDialogs::Ok);
    }

    void nobodyAnswers()
    {
        QFETCH(int, buttons);
        QFETCH(int, answer);
        QString printed;
        QTextStream out(&printed);
        PrintingDialogs dialogs(out);
        QCOMPARE(int(dialogs.message(UserDialogs::Kind::Information, nullptr, "t", "x",
                                     UserDialogs::Buttons(buttons))),
                 answer);
        QVERIFY(dialogs.openFileName(nullptr, "c", {}, "f").isEmpty());
        QVERIFY(dialogs.saveFileName(nullptr, "c", {}, "f").isEmpty());
        bool ok = true;
        QVERIFY(dialogs.chooseItem(nullptr, "t", "l", {"a"}, 0, &ok).isEmpty());
        QVERIFY(!ok);
        QVERIFY(!dialogs.acceptPrintDialog(nullptr, nullptr));
    }
};

LIR_TEST_CLASS(TestPrintingDialogs)
#include "tst_PrintingDialogs.moc"
