#include "common/TestRegistry.h"
#include "document/AccessibilityDeferral.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <optional>

// Widgets changed while accessibility is deferred must have their real
// interfaces afterwards, as if nothing had been deferred.
class TestAccessibilityDeferral : public QObject
{
    Q_OBJECT

private slots:
    void realInterfacesAfterwards_data()
    {
        QTest::addColumn<bool>("nested");
        QTest::addColumn<bool>("destroyOne");
        QTest::newRow("one deferral") << false << false;
        QTest::newRow("a deferral inside another") << true << false;
        QTest::newRow("a widget destroyed meanwhile") << false << true;
    }

    void realInterfacesAfterwards()
    {
        QFETCH(bool, nested);
        QFETCH(bool, destroyOne);
        QWidget window;
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
        {
            const AccessibilityDeferral outer;
            label = new QLabel(&window);
            label->setText(QStringLiteral("Скорость, мм/с"));
            {
                std::optional<AccessibilityDeferral> inner;
                if (nested)
                    inner.emplace();
                edit = new QLineEdit(&window);
                edit->setText(QStringLiteral("125"));
            }
            if (destroyOne) {
                auto* gone = new QLabel(&window);
                gone->setText(QStringLiteral("x"));
                delete gone;
            }
        }
        QAccessibleInterface* labelInterface = QAccessible::queryAccessibleInterface(label);
        QVERIFY(labelInterface && labelInterface->isValid());
        QCOMPARE(labelInterface->role(), QAccessible::StaticText);
        QCOMPARE(labelInterface->text(QAccessible::Name), QStringLiteral("Скорость, мм/с"));
        QAccessibleInterface* editInterface = QAccessible::queryAccessibleInterface(edit);
        QVERIFY(editInterface && editInterface->isValid());
        QCOMPARE(editInterface->role(), QAccessible::EditableText);
    }
};

LIR_TEST_CLASS(TestAccessibilityDeferral)
#include "tst_AccessibilityDeferral.moc"
