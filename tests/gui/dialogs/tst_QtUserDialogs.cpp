#include "common/TestRegistry.h"
#include "dialogs/QtUserDialogs.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QScopedPointer>
#include <QScreen>
#include <QTest>

// The real dialogs, as far as they can be looked at without running them.
class TestQtUserDialogs : public QObject
{
    Q_OBJECT

private slots:
    void itemChoiceStaysOnTheScreen_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("a port of 942 characters")
            << QLatin1Char(' ') + QStringLiteral("/tmp/").leftJustified(942, QLatin1Char('p'));
    }

    void itemChoiceStaysOnTheScreen()
    {
        QFETCH(QString, entry);
        const QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        QScopedPointer<QInputDialog> dialog(QtUserDialogs::itemDialog(
            nullptr, QStringLiteral("Выберите"), QStringLiteral("ЛИР:"), {entry}, 0));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        QVERIFY2(dialog->frameGeometry().width() <= screen->availableGeometry().width(),
                 qPrintable(QString::number(dialog->frameGeometry().width())));
        QCOMPARE(dialog->comboBoxItems(), QStringList{entry});
        QCOMPARE(dialog->textValue(), entry);
    }
};

LIR_TEST_CLASS(TestQtUserDialogs)
#include "tst_QtUserDialogs.moc"
