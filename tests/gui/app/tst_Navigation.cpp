#include "app/BoxForLines.h"
#include "app/MainWindow.h"
#include "app/ScrollAreaWidget.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "document/XMLWork.h"
#include "lines/LineInBox.h"

#include <QCheckBox>
#include <QDomElement>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

using namespace DocumentHelpers;

namespace {
// A(1 line) > B(2 lines) > C(no line) > D(1 line), and E without anything.
const QByteArray kNested = R"(<lir1Settings formatVerMaj="1">
    <container name="A">
        <signal name="a1" type="string" value="a"/>
        <container name="B">
            <signal name="b1" type="string" value="1"/>
            <signal name="b2" type="string" value="2"/>
            <container name="C">
                <container name="D"><signal name="d1" type="string" value="d"/></container>
            </container>
        </container>
    </container>
    <container name="E"/>
</lir1Settings>)";

// A's bit shows the line after it, which has a line below it; E is empty.
const QByteArray kSwitched = R"(<lir1Settings formatVerMaj="1">
    <container name="A">
        <signal name="on" key="k" type="bit" value="1"/>
        <signal name="t" type="string" value="shown"><hideConds><c s="k" o="NB" v="0"/></hideConds></signal>
        <signal name="u" type="string" value="below"/>
    </container>
    <container name="B"><signal name="b" type="string" value="b"/></container>
    <container name="E"/>
</lir1Settings>)";

QImage rgb(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

    static TreeWidgetItemLineInLeftTree* containerAt(const LoadedEditor& editor,
                                                     const QString& path)
    {
        return dynamic_cast<TreeWidgetItemLineInLeftTree*>(itemAt(editor.window.m_Tree, path));
    }

    // The paths of the items whose boxes are not hidden.
    static QStringList shownBoxes(const LoadedEditor& editor)
    {
        QStringList shown;
        for (const char* path : {"0", "0/0", "0/0/0", "0/0/0/0", "1"}) {
            for (const BoxForLines* box : containerAt(editor, path)->m_Boxes) {
                if (!box->isHidden())
                    shown << path;
            }
        }
        return shown;
    }

private slots:
    void treeMirrorsContainers_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("outline");
        QTest::newRow("nested, all expanded") << kNested << "A{1}(B{2}(C{}(D{1}))) E{}";
        QTest::newRow("empty document element") << QByteArray("<lir1Settings/>") << "";
        QTest::newRow("document order kept")
            << QByteArray("<lir1Settings><container name='b'/><container name='a'/>"
                          "<container name='c'><signal type='string'/><signal "
                          "type='string'/><signal type='string'/></container>"
                          "</lir1Settings>")
            << "b{} a{} c{3}";
        QTest::newRow("containers inside other elements become top-level")
            << QByteArray("<lir1Settings><group><container name='X'><signal "
                          "type='string'/></container></group>"
                          "<container name='Y'><other><container name='Z'/></other></container>"
                          "</lir1Settings>")
            << "X{1} Y{} Z{}";
        QTest::newRow("missing name gives empty text")
            << QByteArray(
                   "<lir1Settings><container><signal type='string'/></container></lir1Settings>")
            << "{1}";
    }

    void treeMirrorsContainers()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, outline);
        LoadedEditor editor;
        QCOMPARE(editor.load(document), XMLWork::LoadResult::Loaded);
        QCOMPARE(treeOutline(editor.window.m_Tree), outline);
        QVERIFY(!editor.window.m_ScrollArea->m_Current);
        for (QTreeWidgetItemIterator it(editor.window.m_Tree); *it; ++it) {
            QCOMPARE((*it)->type(), 0);
            for (BoxForLines* box : dynamic_cast<TreeWidgetItemLineInLeftTree*>(*it)->m_Boxes) {
                QCOMPARE(box->parentWidget(), editor.window.m_ScrollArea->m_Content);
                QVERIFY(box->isHidden());
                QVERIFY(box->title().isEmpty());
            }
        }
        QCOMPARE(editor.window.m_ScrollArea->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(editor.window.m_ScrollArea->widgetResizable());
    }

    void boxGrid()
    {
        LoadedEditor editor;
        editor.load(
            "<lir1Settings><container name='A'><signal name='one' type='string'/>"
            "<signal name='two' type='string'/><signal name='three' type='string'/></container>"
            "</lir1Settings>");
        BoxForLines* box = containerAt(editor, "0")->m_Boxes.value(0);
        QVERIFY(box);
        QCOMPARE(box->m_Layout->verticalSpacing(), 6);
        QCOMPARE(box->m_Layout->sizeConstraint(), QLayout::SetMinimumSize);
        QCOMPARE(box->m_Lines.size(), 3);

        // Each line starts at the row count of the grid it found, which an
        // empty grid reports as 1: separator, line, separator, and the next
        // line one row further down.
        const auto position = [box](QWidget* widget) {
            int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
            const int index = box->m_Layout->indexOf(widget);
            if (index >= 0)
                box->m_Layout->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            return QStringLiteral("%1,%2,%3,%4").arg(row).arg(column).arg(rowSpan).arg(columnSpan);
        };
        QList<QFrame*> separators;
        for (QFrame* frame : box->findChildren<QFrame*>()) {
            if (frame->frameShape() == QFrame::HLine)
                separators << frame;
        }
        QCOMPARE(separators.size(), 4);
        for (QFrame* separator : separators)
            QCOMPARE(separator->frameShadow(), QFrame::Raised);
        const QStringList names = {"one", "two", "three"};
        QStringList rows;
        for (int i = 0; i < separators.size(); ++i)
            rows << position(separators.at(i));
        QCOMPARE(rows, QStringList({"1,1,1,3", "3,1,1,3", "6,1,1,3", "9,1,1,3"}));
        const int lineRows[] = {2, 5, 8};
        for (int i = 0; i < 3; ++i) {
            LineInBox* line = box->m_Lines.at(i);
            QCOMPARE(line->parent(), box);
            QCOMPARE(line->m_LabelName->text(), names.at(i));
            QCOMPARE(position(line->m_LabelName), QStringLiteral("%1,1,1,1").arg(lineRows[i]));
            QCOMPARE(position(line->m_Editor), QStringLiteral("%1,2,1,1").arg(lineRows[i]));
            QCOMPARE(position(line->m_Hint), QStringLiteral("%1,3,1,1").arg(lineRows[i]));
            QCOMPARE(position(line->m_Separator), QStringLiteral("%1,1,1,3").arg(lineRows[i] + 1));
        }
        for (int row = 0; row < box->m_Layout->rowCount(); ++row)
            QVERIFY(!box->m_Layout->itemAtPosition(row, 0));
    }

    void addLineToGivenBox()
    {
        LoadedEditor editor;
        QDomDocument document;
        document.setContent(QByteArray("<signal name='s' type='string'/>"));
        TreeWidgetItemLineInLeftTree item;
        BoxForLines* first = item.addLine(new LineInBox(document.documentElement()));
        QCOMPARE(item.m_Boxes, QVector<BoxForLines*>({first}));
        QCOMPARE(item.addLine(new LineInBox(document.documentElement())), first);
        auto* other = new BoxForLines;
        item.m_Boxes.append(other);
        QCOMPARE(item.addLine(new LineInBox(document.documentElement()), nullptr), other);
        QCOMPARE(item.addLine(new LineInBox(document.documentElement()), first), first);
        QCOMPARE(first->m_Lines.size(), 3);
        QCOMPARE(other->m_Lines.size(), 1);
    }

    void activation_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("current");
        QTest::newRow("first click shows the box") << QStringList{"0"} << QStringList{"0"} << "0";
        QTest::newRow("the next click hides the previous box")
            << QStringList{"0", "0/0"} << QStringList{"0/0"} << "0/0";
        QTest::newRow("a container without settings empties the pane")
            << QStringList{"0/0", "0/0/0"} << QStringList{} << "0/0/0";
        QTest::newRow("and so does one without anything")
            << QStringList{"0/0/0/0", "1"} << QStringList{} << "1";
        QTest::newRow("clicking the active item again")
            << QStringList{"0/0", "0/0"} << QStringList{"0/0"} << "0/0";
        QTest::newRow("back to an earlier item")
            << QStringList{"0", "0/0/0/0", "0"} << QStringList{"0"} << "0";
    }

    void activation()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, shown);
        QFETCH(QString, current);
        LoadedEditor editor;
        editor.load(kNested);
        for (const QString& path : clicks) {
            const QSize before = editor.window.m_ScrollArea->m_Content->minimumSize();
            TreeWidgetItemLineInLeftTree* item = containerAt(editor, path);
            editor.window.m_ScrollArea->slotActivatedBox(item, 0);
            if (item->m_Boxes.isEmpty())
                QCOMPARE(editor.window.m_ScrollArea->m_Content->minimumSize(), before);
            else
                QCOMPARE(editor.window.m_ScrollArea->m_Content->minimumSize(),
                         item->m_Boxes.last()->sizeHint());
        }
        QCOMPARE(shownBoxes(editor), shown);
        QCOMPARE(editor.window.m_ScrollArea->m_Current, containerAt(editor, current));
    }

    void onlyClicksActivate()
    {
        LoadedEditor editor;
        editor.load(kNested);
        editor.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor.window));
        QTreeWidgetItem* b = itemAt(editor.window.m_Tree, "0/0");
        editor.window.m_Tree->setCurrentItem(b);
        QVERIFY(!editor.window.m_ScrollArea->m_Current);

        const QRect rect = editor.window.m_Tree->visualItemRect(b);
        QTest::mouseClick(editor.window.m_Tree->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(editor.window.m_ScrollArea->m_Current, containerAt(editor, "0/0"));
        QCOMPARE(shownBoxes(editor), QStringList{"0/0"});

        // Not a container item, or no item at all: ignored.
        auto* plain = new QTreeWidgetItem(editor.window.m_Tree, {QStringLiteral("plain")});
        editor.window.m_ScrollArea->slotActivatedBox(plain, 0);
        editor.window.m_ScrollArea->slotActivatedBox(nullptr, 0);
        QCOMPARE(editor.window.m_ScrollArea->m_Current, containerAt(editor, "0/0"));
        QCOMPARE(shownBoxes(editor), QStringList{"0/0"});
    }

    void showingReloadsLines()
    {
        LoadedEditor editor;
        editor.load(kNested);
        LineInBox* b1 = containerAt(editor, "0/0")->m_Boxes.at(0)->m_Lines.at(0);
        QCOMPARE(b1->m_Widgets.size(), 1);
        auto* edit = qobject_cast<QLineEdit*>(b1->m_Widgets.at(0));
        QVERIFY(edit);
        QCOMPARE(edit->text(), QStringLiteral("1"));

        editor.window.m_ScrollArea->slotActivatedBox(containerAt(editor, "0/0"), 0);
        b1->m_Element->setAttribute(QStringLiteral("value"), QStringLiteral("changed while shown"));
        editor.window.m_ScrollArea->slotActivatedBox(containerAt(editor, "0/0"), 0);
        QCOMPARE(edit->text(), QStringLiteral("1"));

        editor.window.m_ScrollArea->slotActivatedBox(containerAt(editor, "0"), 0);
        b1->m_Element->setAttribute(QStringLiteral("value"),
                                    QStringLiteral("changed while hidden"));
        editor.window.m_ScrollArea->slotActivatedBox(containerAt(editor, "0/0"), 0);
        QCOMPARE(edit->text(), QStringLiteral("changed while hidden"));
    }

    // What the window shows once the events are handled is what it paints
    // when rendered afresh: showing a group repaints all it has to.
    void shownGroupIsPainted_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>(
            "handleEach");                // events handled after each click, else once at the end
        QTest::addColumn<bool>("toggle"); // then A's bit switched off and on again
        QTest::newRow("first showing") << QStringList{"0"} << true << false;
        QTest::newRow("after another group") << QStringList{"0", "1", "0"} << true << false;
        QTest::newRow("clicks before the events are handled")
            << QStringList{"1", "0"} << false << false;
        QTest::newRow("after a container without settings")
            << QStringList{"0", "2", "1"} << true << false;
        QTest::newRow("a line shown after the group") << QStringList{"0"} << true << true;
    }

    void shownGroupIsPainted()
    {
        QFETCH(QStringList, clicks);
        QFETCH(bool, handleEach);
        QFETCH(bool, toggle);
        LoadedEditor editor;
        editor.load(kSwitched);
        editor.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor.window));
        for (const QString& path : clicks) {
            editor.window.m_ScrollArea->slotActivatedBox(containerAt(editor, path), 0);
            if (handleEach)
                QCoreApplication::processEvents();
        }
        if (!handleEach)
            QCoreApplication::processEvents();
        if (toggle) {
            auto* box = qobject_cast<QCheckBox*>(editor.line("on")->m_Widgets.value(0));
            QVERIFY(box);
            box->click();
            QCoreApplication::processEvents();
            QVERIFY(!editor.line("t")->m_Hint->isVisible());
            box->click();
            QCoreApplication::processEvents();
            QVERIFY(editor.line("t")->m_Hint->isVisible());
        }
        QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(rgb(screen->grabWindow(editor.window.winId())), rgb(editor.window.grab()));
    }

    void findTreeWidgetOfBox_data()
    {
        QTest::addColumn<QString>("owner"); // path of the item whose box is looked up
        QTest::addColumn<bool>("hideOwner");
        QTest::newRow("top level") << "0" << false;
        QTest::newRow("depth 1") << "0/0" << false;
        QTest::newRow("depth 3") << "0/0/0/0" << false;
        QTest::newRow("depth 3, hidden") << "0/0/0/0" << true;
        QTest::newRow("under a hidden parent") << "0/0" << true;
    }

    void findTreeWidgetOfBox()
    {
        QFETCH(QString, owner);
        QFETCH(bool, hideOwner);
        LoadedEditor editor;
        editor.load(kNested);
        TreeWidgetItemLineInLeftTree* item = containerAt(editor, owner);
        if (hideOwner)
            item->parent() ? item->parent()->setHidden(true) : item->setHidden(true);
        QCOMPARE(editor.window.findTreeWidgetOfBox(item->m_Boxes.at(0)), item);
    }

    void findTreeWidgetOfBoxFindsNothing()
    {
        LoadedEditor editor;
        editor.load(kNested);
        BoxForLines foreign;
        QVERIFY(!editor.window.findTreeWidgetOfBox(&foreign));
        QVERIFY(!editor.window.findTreeWidgetOfBox(nullptr));

        // Below an item of another class nothing is searched.
        auto* plain = new QTreeWidgetItem(editor.window.m_Tree);
        auto* hidden = new TreeWidgetItemLineInLeftTree;
        plain->addChild(hidden);
        auto* box = new BoxForLines;
        hidden->m_Boxes.append(box);
        QVERIFY(!editor.window.findTreeWidgetOfBox(box));
    }
};

LIR_TEST_CLASS(TestNavigation)
#include "tst_Navigation.moc"
