#include "SettingsBodies.h"
#include "common/TestRegistry.h"
#include "document/LoadedDocument.h"
#include "merge/SettingsMerge.h"

#include <QTest>

using namespace SettingsBodies;

namespace {
// Number settings named by the letters of `names`, each with its value from
// `values` (a space apart), at most 9; `R` takes at most `maxOfR`.
QByteArray numbers(const char* names, const QString& values, const char* maxOfR = "9")
{
    const QStringList texts = values.split(QLatin1Char(' '));
    QByteArray settings;
    for (int i = 0; names[i]; ++i) {
        const QByteArray name(1, names[i]);
        const QByteArray limit = name == "R" ? QByteArray(maxOfR) : QByteArray("9");
        settings += signal(name.constData(), "number", texts.at(i).toUtf8().constData(),
                           "e=\"-2\" max=\"" + limit + "\"");
    }
    return container("C", settings);
}
} // namespace

class TestSettingsMerge : public QObject
{
    Q_OBJECT

private slots:
    void merge_data()
    {
        QTest::addColumn<QByteArray>("base");
        QTest::addColumn<QByteArray>("ours");
        QTest::addColumn<QByteArray>("theirs");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("values"); // of THEIRS's settings afterwards

        // U unchanged, O ours, T theirs, B both, K conflict, R refused, M
        // the same number written otherwise, D dropped.
        QTest::newRow("every outcome")
            << numbers("UOTBKRMD", "1 1 1 1 1 1 7.5 1") << numbers("UOTBKRMD", "1 2 1 3 4 8 7.50 5")
            << numbers("UOTBKRM", "1 1 6 3 7 1 7.5", "5")
            << "unchanged 2, ours 1, theirs 1, both 1, conflict 1, refused 1, dropped 1\n"
               "conflict C / K: base \"1\", ours \"4\", theirs \"7\"\n"
               "refused C / R: value \"8\" is outside the limits 0 to 5\n"
               "dropped C / D: 5\n"
            << "1|2|6|3|4|1|7.5";
        QTest::newRow("added on both sides: a conflict against none")
            << container("C", QByteArray()) << numbers("NA", "1 3") << numbers("N", "2")
            << "unchanged 0, ours 0, theirs 0, both 0, conflict 1, refused 0, dropped 1\n"
               "conflict C / N: base (none), ours \"1\", theirs \"2\"\n"
               "dropped C / A: 3\n"
            << "1";
    }

    void merge()
    {
        QFETCH(QByteArray, base);
        QFETCH(QByteArray, ours);
        QFETCH(QByteArray, theirs);
        QFETCH(QString, report);
        QFETCH(QString, values);
        LoadedDocument sides[3];
        const QByteArray bodies[3] = {base, ours, theirs};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(sides[i].load(document(bodies[i])), LoadedDocument::Result::Loaded);
        const CarryReport merged =
            SettingsMerge::merge(sides[0].model(), sides[1].model(), sides[2]);
        QCOMPARE(merged.text(), report);
        QCOMPARE(valuesOf(sides[2]), values);
    }
};

LIR_TEST_CLASS(TestSettingsMerge)
#include "tst_SettingsMerge.moc"
