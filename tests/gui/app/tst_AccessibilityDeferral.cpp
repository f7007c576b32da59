#include "app/AccessibilityDeferral.h"
#include "common/TestRegistry.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

// While no assistive technology is active, widgets get placeholders; once one
// becomes active, every widget answers with its real interface.
class TestAccessibilityDeferral : public QObject
{
    Q_OBJECT

private slots:
    void realOnceActive_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("textKind");
        QTest::addColumn<QString>("text");
        QTest::newRow("line edit")
            << "edit" << int(QAccessible::EditableText) << int(QAccessible::Value) << "12.50";
        QTest::newRow("label") << "label" << int(QAccessible::StaticText) << int(QAccessible::Name)
                               << "Скорость, мм/с";
        QTest::newRow("check box")
            << "check" << int(QAccessible::CheckBox) << int(QAccessible::Name) << "Ось X";
    }

    void realOnceActive()
    {
        QFETCH(QString, kind);
        QFETCH(int, role);
        QFETCH(int, textKind);
        QFETCH(QString, text);
        AccessibilityDeferral::install();
        std::unique_ptr<QWidget> widget;
        if (kind == QLatin1String("edit"))
            widget.reset(new QLineEdit(text));
        else if (kind == QLatin1String("label"))
            widget.reset(new QLabel(text));
        else if (kind == QLatin1String("check"))
            widget.reset(new QCheckBox(text));
        else
            QFAIL("unknown kind");

        const QAccessibleInterface* deferred = QAccessible::queryAccessibleInterface(widget.get());
        QVERIFY(deferred && !deferred->isValid());

        QAccessible::setActive(true);
        const QAccessibleInterface* real = QAccessible::queryAccessibleInterface(widget.get());
        const bool valid = real && real->isValid();
        const int realRole = valid ? int(real->role()) : -1;
        const QString realText = valid ? real->text(QAccessible::Text(textKind)) : QString();
        QAccessible::setActive(false);

        QVERIFY(valid);
        QCOMPARE(realRole, role);
        QCOMPARE(realText, text);
    }
};

LIR_TEST_CLASS(TestAccessibilityDeferral)
#include "tst_AccessibilityDeferral.moc"
