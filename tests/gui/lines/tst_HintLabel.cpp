#include "common/TestRegistry.h"
#include "lines/HintLabel.h"

#include <QTest>

// A hint must paint and measure exactly as a rich-text label of its text,
// whatever other hints were measured before it.
class TestHintLabel : public QObject
{
    Q_OBJECT

    static QLabel* richLabel(const QString& text, const QFont& font)
    {
        auto* label = new QLabel;
        label->setFont(font);
        label->setTextFormat(Qt::RichText);
        label->setText(text);
        return label;
    }

private slots:
    void asRichText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pointSize"); // 0: the application's font
        const QString limits = QStringLiteral("Минимум: 0<br>Максимум: 100");
        QTest::newRow("limits") << limits << 0;
        QTest::newRow("same text, larger font") << limits << 30;
        QTest::newRow("list") << QStringLiteral("Максимальная длина: 8<br>Разрешённые символы:"
                                                "<ul><li>Пробел</li><li>'+'</li></ul>")
                              << 0;
        QTest::newRow("longest list")
            << QStringLiteral("Максимальная длина: 64<br>Разрешённые символы:<ul><li>Пробел</li>"
                              "<li>Десятичные цифры</li><li>Латинские буквы</li>"
                              "<li>Русские буквы</li><li>Знаки препинания, скобки и т.д.</li></ul>")
            << 0;
        QTest::newRow("no hint") << QString() << 0;
    }

    void asRichText()
    {
        QFETCH(QString, text);
        QFETCH(int, pointSize);
        QFont font;
        if (pointSize > 0)
            font.setPointSize(pointSize);
        HintLabel hint(text);
        hint.setFont(font);
        QCOMPARE(hint.text(), text);
        const QScopedPointer<QLabel> reference(richLabel(text, font));
        QCOMPARE(hint.sizeHint(), reference->sizeHint());
        QCOMPARE(hint.minimumSizeHint(), reference->minimumSizeHint());
        QCOMPARE(hint.text(), text);
        // As measured, and in a grid cell wider and taller than that.
        // A label paints its text in the window text colour, not the text colour.
        QPalette palette;
        palette.setColor(QPalette::WindowText, Qt::darkBlue);
        hint.setPalette(palette);
        reference->setPalette(palette);
        for (const QSize& size : {reference->sizeHint(), reference->sizeHint() + QSize(60, 25)}) {
            hint.resize(size);
            reference->resize(size);
            QCOMPARE(hint.grab().toImage(), reference->grab().toImage());
        }
    }
};

LIR_TEST_CLASS(TestHintLabel)
#include "tst_HintLabel.moc"
