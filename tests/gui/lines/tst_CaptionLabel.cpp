#include "common/TestRegistry.h"
#include "lines/CaptionLabel.h"

#include <QTest>

// A caption must measure exactly as a label of its text, also after its
// text or font changed.
class TestCaptionLabel : public QObject
{
    Q_OBJECT

private slots:
    void asLabel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("changedText"); // set after a first measure; null: none
        QTest::addColumn<int>("pointSize");       // set after a first measure; 0: none
        QTest::newRow("name and unit") << QStringLiteral("Скорость, мм/с") << QString() << 0;
        QTest::newRow("tab and second line")
            << QStringLiteral("Ось\tX\nвторая строка") << QString() << 0;
        QTest::newRow("rich-looking text") << QStringLiteral("<b>Ось</b> X") << QString() << 0;
        QTest::newRow("no text") << QString() << QString() << 0;
        QTest::newRow("text changed")
            << QStringLiteral("Ось") << QStringLiteral("Ось X длинная") << 0;
        QTest::newRow("font changed") << QStringLiteral("Ось X") << QString() << 30;
    }

    void asLabel()
    {
        QFETCH(QString, text);
        QFETCH(QString, changedText);
        QFETCH(int, pointSize);
        CaptionLabel caption(text);
        QLabel label(text);
        caption.sizeHint();
        for (QLabel* each : {static_cast<QLabel*>(&caption), &label}) {
            if (!changedText.isNull())
                each->setText(changedText);
            if (pointSize > 0) {
                QFont font = each->font();
                font.setPointSize(pointSize);
                each->setFont(font);
            }
        }
        QCOMPARE(caption.sizeHint(), label.sizeHint());
        QCOMPARE(caption.minimumSizeHint(), label.minimumSizeHint());
    }
};

LIR_TEST_CLASS(TestCaptionLabel)
#include "tst_CaptionLabel.moc"
