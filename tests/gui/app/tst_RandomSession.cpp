#include "app/BoxForLines.h"
#include "app/DialogErros.h"
#include "app/MainWindow.h"
#include "app/ScrollAreaWidget.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "document/DocumentParser.h"
#include "document/XMLWork.h"
#include "lines/DocumentValueChecker.h"
#include "lines/LineInBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <memory>

using namespace DocumentHelpers;

namespace {
int setting(const char* name, int fallback)
{
    return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
}

// The characters typed into a text editor: those of its kind and a few that
// its keystroke check refuses.
QString charactersOf(TypeLine kind)
{
    switch (kind) {
    case xmlnumber:
        return QStringLiteral("0123456789012345.-.-x");
    case xmlipAddress:
        return QStringLiteral("0123456789255...:");
    case xmlmacAddress:
        return QStringLiteral("0123456789abcdefABCDEF:::g");
    default:
        return QStringLiteral("aZ09 .,-+Яё@_");
    }
}

} // namespace

// Drives the real main window with seeded random user actions: tree clicks,
// typing with the editing keys, ticks and choices, "Сохранить как...",
// "Печать", re-opening saved files and "Новый ЛИР-1/2". After each action: a
// red line is listed when a command is refused and a white one is not, a
// saved file holds only values a line accepts, and every saved file saves
// again, unedited, to the same bytes. LIR_SESSION_SEED (first seed),
// LIR_SESSION_SEEDS and LIR_SESSION_ACTIONS choose the draw; session.sh runs
// the long form.
class TestRandomSession : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_Dir;
    QString m_OldDir;
    QRandomGenerator m_Random;
    LoadedEditor* m_Editor = nullptr;
    QStringList m_Saved;
    QStringList m_NotReopened;
    QStringList m_History;
    int m_Files = 0;
    // What the session did.
    int m_Written = 0;
    int m_Refused = 0;
    int m_Reopened = 0;

public:
    TestRandomSession()
    {
        // The seeds are rows of one function, which a long form keeps busy
        // for longer than Qt Test's five minutes; ctest's limit still holds.
        if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
            qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    }

private:
    MainWindow& window() const { return m_Editor->window; }
    ScriptedDialogs& dialogs() const { return m_Editor->dialogs; }
    int draw(int bound) { return int(m_Random.bounded(quint32(bound))); }
    QString lastSteps() const { return m_History.mid(qMax(0, m_History.size() - 12)).join('\n'); }
    void note(const QString& step) { m_History << QString::number(m_History.size()) + ": " + step; }

    QString newFile(const QString& extension)
    {
        return QDir::current().filePath(QStringLiteral("f%1.%2").arg(++m_Files).arg(extension));
    }

    QAction* fileMenuAction(const QString& text) const
    {
        for (QAction* menu : window().menuBar()->actions()) {
            for (QAction* action : menu->menu()->actions()) {
                if (action->text() == text)
                    return action;
            }
        }
        return nullptr;
    }

    QString keyOf(LineInBox* line) const
    {
        auto* box = qobject_cast<BoxForLines*>(line->parent());
        const TreeWidgetItemLineInLeftTree* item = window().findTreeWidgetOfBox(box);
        return (item ? item->text(0) : QString()) + " :: " + line->m_LabelName->text();
    }

    // The entries of the list shown by the last command, each with the
    // number of times it stands there; false when none was shown. The lists
    // are closed.
    bool takeList(QHash<QString, int>& listed)
    {
        const QList<DialogErros*> lists = fieldsToCorrectWindows();
        if (lists.size() > 1)
            QTest::qFail("more than one list for one command", __FILE__, __LINE__);
        for (DialogErros* list : lists) {
            QString text = list->findChild<QLabel*>()->text();
            text.remove(QStringLiteral("<H3>Исправить cледующий поля:<BR>"));
            text.remove(QStringLiteral("</H3>"));
            for (const QString& entry : text.split("<BR>", Qt::SkipEmptyParts))
                ++listed[entry];
        }
        closeFieldsToCorrectWindows();
        return !lists.isEmpty();
    }

    // A line edit with a red base, or boxes and buttons on a red area.
    static bool isRed(const LineInBox* line)
    {
        if (const auto* edit = qobject_cast<const QLineEdit*>(line->m_Widgets.value(0)))
            return edit->palette().color(QPalette::Base) == QColor(Qt::red);
        return line->m_Editor->autoFillBackground() &&
               line->m_Editor->palette().color(QPalette::Window) == QColor(Qt::red);
    }

    // Every red line is listed, once for each line, and no white one.
    void checkListedLines(const QHash<QString, int>& listed)
    {
        QHash<QString, int> red;
        for (LineInBox* line : m_Editor->allLines()) {
            if (isRed(line))
                ++red[keyOf(line)];
        }
        QString what;
        for (auto it = red.cbegin(); it != red.cend(); ++it) {
            if (listed.value(it.key()) != it.value())
                what += QStringLiteral("%1 red, listed %2 times: %3\n")
                            .arg(it.value())
                            .arg(listed.value(it.key()))
                            .arg(it.key());
        }
        for (auto it = listed.cbegin(); it != listed.cend(); ++it) {
            if (!red.contains(it.key()))
                what += QStringLiteral("listed, no red line: %1\n").arg(it.key());
        }
        QVERIFY2(what.isEmpty(), qPrintable(what + lastSteps()));
    }

    // Every value of a saved file is one its line accepts.
    void checkSavedValues(const QByteArray& saved)
    {
        QDomDocument document;
        QVERIFY(DocumentParser::parse(saved, document).parsed);
        const QVector<DocumentValueChecker::Finding> findings =
            DocumentValueChecker(document).findings();
        if (!findings.isEmpty())
            QFAIL(qPrintable(QStringLiteral("saved: %1 :: %2: %3\n")
                                 .arg(findings.first().container, findings.first().label,
                                      findings.first().problem) +
                             lastSteps()));
    }

    void newDocument()
    {
        const QString text =
            draw(2) ? QStringLiteral("Новый ЛИР-1") : QStringLiteral("Новый ЛИР-2");
        const bool asks = window().m_ActSaveAs->isEnabled();
        const bool agreed = !asks || draw(4) != 0;
        note(text + (agreed ? "" : ", declined"));
        if (asks)
            dialogs().answerButton(agreed ? UserDialogs::Yes : UserDialogs::No);
        fileMenuAction(text)->trigger();
    }

    void clickTreeItem()
    {
        QList<QTreeWidgetItem*> shown;
        for (QTreeWidgetItemIterator it(window().m_Tree, QTreeWidgetItemIterator::NotHidden); *it;
             ++it) {
            bool inHidden = false;
            for (QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
                inHidden = inHidden || up->isHidden();
            if (!inHidden)
                shown << *it;
        }
        if (shown.isEmpty())
            return;
        QTreeWidgetItem* item = shown.at(draw(shown.size()));
        note("click " + item->text(0));
        window().m_Tree->scrollToItem(item);
        const QRect rect = window().m_Tree->visualItemRect(item);
        QVERIFY2(rect.isValid(), qPrintable(lastSteps()));
        QTest::mouseClick(window().m_Tree->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void editLine()
    {
        const TreeWidgetItemLineInLeftTree* current = window().m_ScrollArea->m_Current;
        if (!current)
            return clickTreeItem();
        QList<LineInBox*> lines;
        for (BoxForLines* box : current->m_Boxes) {
            for (LineInBox* line : qAsConst(box->m_Lines)) {
                // Shown on the screen: a condition may hide the line, or its
                // whole container while the box is still the current one.
                if (line->m_Editor->isVisible() && !line->m_Widgets.isEmpty())
                    lines << line;
            }
        }
        if (lines.isEmpty())
            return clickTreeItem();
        LineInBox* line = lines.at(draw(lines.size()));
        QWidget* widget = line->m_Widgets.at(draw(line->m_Widgets.size()));
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            return typeInto(line, edit);
        note("tick " + keyOf(line) + " / " + widget->objectName());
        // On the mark itself: a click beside a button's text misses it.
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    }

    void typeInto(LineInBox* line, QLineEdit* edit)
    {
        note("type into " + keyOf(line) + ": ");
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(draw(edit->width()), 5));
        // Leaving the line edited before ends its edit, which may hide this
        // one by a condition.
        if (QApplication::focusWidget() != edit)
            return;
        QString typed;
        if (draw(3) == 0) {
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            typed += "[all]";
        }
        const QString characters = charactersOf(line->m_TypeLine);
        const int count = 1 + draw(8);
        for (int i = 0; i < count && QApplication::focusWidget() == edit; ++i) {
            const int key = draw(12);
            if (key == 0) {
                QTest::keyClick(edit, Qt::Key_Backspace);
                typed += "[bs]";
            } else if (key == 1) {
                QTest::keyClick(edit, Qt::Key_Delete);
                typed += "[del]";
            } else if (key == 2) {
                QTest::keyClick(edit, draw(2) ? Qt::Key_Home : Qt::Key_Left);
                typed += "[left]";
            } else {
                const QChar c = characters.at(draw(characters.size()));
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), {});
                typed += c;
            }
        }
        const int end = draw(10);
        m_History.last() += QStringLiteral("%1 -> \"%2\"%3")
                                .arg(typed, edit->text(),
                                     end < 3   ? ", Return"
                                     : end < 5 ? ", Tab"
                                               : "");
        if (QApplication::focusWidget() != edit)
            return;
        if (end < 3)
            QTest::keyClick(edit, Qt::Key_Return);
        else if (end < 5)
            QTest::keyClick(edit, Qt::Key_Tab);
    }

    // Saves under a new name; true with the name when the file was written.
    bool save(QString& fileName)
    {
        fileName = newFile("xml");
        note("save " + QFileInfo(fileName).fileName());
        dialogs().answerFileName(fileName);
        window().m_ActSaveAs->trigger();
        QHash<QString, int> listed;
        const bool refused = takeList(listed);
        checkListedLines(listed);
        if (QTest::currentTestFailed())
            return false;
        ++(refused ? m_Refused : m_Written);
        if (refused) {
            if (QFile::exists(fileName))
                QTest::qFail("saved although refused", __FILE__, __LINE__);
            return false;
        }
        checkSavedValues(readFile(fileName));
        return !QTest::currentTestFailed();
    }

    void saveAction()
    {
        QString fileName;
        if (save(fileName)) {
            m_Saved << fileName;
            m_NotReopened << fileName;
        }
    }

    void print()
    {
        const bool pdf = draw(4) != 0;
        const QString fileName = newFile("pdf");
        note(pdf ? QStringLiteral("print ") + QFileInfo(fileName).fileName()
                 : QStringLiteral("print on paper, cancelled"));
        dialogs().answerItem(pdf ? QStringLiteral("в файл PDF") : QStringLiteral("на бумагу"));
        if (pdf)
            dialogs().answerFileName(fileName);
        else
            dialogs().answerPrintDialog(false);
        window().m_ActPrint->trigger();
        QHash<QString, int> listed;
        const bool refused = takeList(listed);
        checkListedLines(listed);
        if (pdf && !refused)
            QVERIFY2(readFile(fileName).startsWith("%PDF"), qPrintable(lastSteps()));
    }

    // Opens a saved file and saves it again unedited: the same bytes.
    void reopen(const QString& fileName)
    {
        note("reopen " + QFileInfo(fileName).fileName());
        m_NotReopened.removeAll(fileName);
        ++m_Reopened;
        if (window().m_ActSaveAs->isEnabled())
            dialogs().answerYes();
        dialogs().answerFileName(fileName);
        window().m_ActOpen->trigger();
        QString again;
        QVERIFY2(save(again), qPrintable(lastSteps()));
        QVERIFY2(readFile(again) == readFile(fileName), qPrintable(lastSteps()));
    }

    void act()
    {
        const int kind = draw(100);
        if (!window().m_XmlWork->hasDocument() || kind < 4)
            newDocument();
        else if (kind < 24)
            clickTreeItem();
        else if (kind < 74)
            editLine();
        else if (kind < 86)
            saveAction();
        else if (kind < 92)
            print();
        else if (!m_Saved.isEmpty())
            reopen(m_Saved.at(draw(m_Saved.size())));
    }

    // Back to the main window, as the user comes back after a dialog.
    void settle()
    {
        for (const ScriptedDialogs::Shown& shown : dialogs().shown()) {
            const bool expected =
                (shown.kind == "critical" && shown.title == "Не допустимое значение") ||
                shown.kind == "information" || shown.kind == "save" || shown.kind == "open" ||
                shown.kind == "item" || shown.kind == "print";
            QVERIFY2(expected, qPrintable(shown.kind + ' ' + shown.title + ": " + shown.text +
                                          '\n' + lastSteps()));
        }
        dialogs().clear();
        closeFieldsToCorrectWindows();
        QCoreApplication::processEvents();
        if (QApplication::activeWindow() != &window()) {
            window().activateWindow();
            QCoreApplication::processEvents();
        }
        QVERIFY2(QApplication::activeWindow() == &window(), qPrintable(lastSteps()));
    }

private slots:
    void init()
    {
        // Each save syncs its file to the disk: in memory, where there is
        // one, a long session runs several times faster.
        const QString memory = QStringLiteral("/dev/shm");
        m_Dir.reset(QFileInfo(memory).isWritable()
                        ? new QTemporaryDir(memory + QStringLiteral("/lir-session-XXXXXX"))
                        : new QTemporaryDir);
        m_OldDir = QDir::currentPath();
        for (const char* name : {"lir1_sets_default.xml", "lir2_sets_default.xml"})
            QVERIFY(
                QFile::copy(QStringLiteral(LIR_DEFAULTS_DIR "/") + name, m_Dir->filePath(name)));
        QVERIFY(QDir::setCurrent(m_Dir->path()));
        m_Written = m_Refused = m_Reopened = 0;
        m_Saved.clear();
        m_NotReopened.clear();
        m_History.clear();
    }

    void cleanup()
    {
        if (QTest::currentTestFailed())
            qInfo("%s", qPrintable(m_History.join('\n')));
        QDir::setCurrent(m_OldDir);
        m_Dir.reset();
        closeFieldsToCorrectWindows();
    }

    void session_data()
    {
        QTest::addColumn<quint32>("seed");
        const int first = setting("LIR_SESSION_SEED", 1);
        const int seeds = setting("LIR_SESSION_SEEDS", 3);
        for (int seed = first; seed < first + seeds; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << quint32(seed);
    }

    void session()
    {
        QFETCH(quint32, seed);
        const int actions = setting("LIR_SESSION_ACTIONS", 200);
        qInfo("random session: seed %u, %d actions (LIR_SESSION_SEED, LIR_SESSION_ACTIONS)", seed,
              actions);
        m_Random.seed(seed);
        LoadedEditor editor;
        m_Editor = &editor;
        editor.window.resize(1200, 800);
        editor.window.show();
        QApplication::setActiveWindow(&editor.window);
        QVERIFY(QTest::qWaitForWindowActive(&editor.window));
        for (int i = 0; i < actions && !QTest::currentTestFailed(); ++i) {
            act();
            settle();
        }
        while (!m_NotReopened.isEmpty() && !QTest::currentTestFailed()) {
            reopen(m_NotReopened.first());
            settle();
        }
        qInfo("saves written %d, refused %d; files re-opened %d", m_Written, m_Refused, m_Reopened);
        m_Editor = nullptr;
    }
};

LIR_TEST_CLASS(TestRandomSession)
#include "tst_RandomSession.moc"
