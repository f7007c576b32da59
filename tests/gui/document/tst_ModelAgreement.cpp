#include "app/BoxForLines.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "document/DocumentParser.h"
#include "document/SettingsModel.h"
#include "document/SymbolTable.h"
#include "document/ValueCodec.h"
#include "lines/DocumentValueChecker.h"
#include "lines/LineInBox.h"
#include "report/ReportText.h"
#include "report/SettingsReport.h"
#include "tools/lir-settings-gen/SettingsGenerator.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

// The editor and the settings model read one document alike: after every
// edit made through the editor's own widgets, the lines it shows, their
// states, the red lines and the fields to correct are what the model of the
// edited document says, and the report of the saved text made without
// screens is the editor's report.
class TestModelAgreement : public QObject
{
    Q_OBJECT

    static bool shown(LoadedEditor& editor, LineInBox* line)
    {
        bool visible = line->m_Visible;
        for (QTreeWidgetItem* item =
                 editor.window.findTreeWidgetOfBox(qobject_cast<BoxForLines*>(line->parent()));
             item; item = item->parent())
            visible = visible && !item->isHidden();
        return visible;
    }

    static QString editorState(const LineInBox* line)
    {
        QString state;
        for (QWidget* widget : line->m_Widgets) {
            if (auto* box = qobject_cast<QCheckBox*>(widget))
                state += SettingsModel::buttonChecked(box->checkState()) ? '1' : '0';
            else if (auto* button = qobject_cast<QRadioButton*>(widget))
                state += button->isChecked() ? '1' : '0';
        }
        return state;
    }

    static QString modelState(const SettingsModel::Setting& setting)
    {
        QString state;
        if (setting.kind == xmlbit)
            return ValueCodec::bitIsSet(setting.value) ? "1" : "0";
        if (setting.kind == xmlFlags) {
            for (ValueCodec::FlagState flag :
                 ValueCodec::flagsStates(setting.value, setting.itemKeys()))
                state += flag == ValueCodec::FlagState::Set ? '1' : '0';
        }
        if (setting.kind == xmlenum) {
            int chosen = -1;
            for (int i = 0; i < setting.items.size(); ++i) {
                if (!setting.value.isEmpty() && setting.items.at(i).key == setting.value)
                    chosen = i;
            }
            for (int i = 0; i < setting.items.size(); ++i)
                state += i == chosen ? '1' : '0';
        }
        return state;
    }

    static void edit(LineInBox* line, QRandomGenerator& random)
    {
        if (auto* edit = qobject_cast<QLineEdit*>(line->m_Widgets.value(0))) {
            static const QString characters = QStringLiteral("0123456789.-:aZ ");
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            const int length = random.bounded(6);
            for (int i = 0; i < length; ++i)
                QTest::keyClick(edit, characters.at(random.bounded(characters.size())).toLatin1());
            emit edit->editingFinished();
            return;
        }
        if (line->m_Widgets.isEmpty())
            return;
        auto* button = qobject_cast<QAbstractButton*>(
            line->m_Widgets.at(random.bounded(line->m_Widgets.size())));
        if (button)
            button->click();
    }

    static void compare(LoadedEditor& editor, const QString& step)
    {
        const QDomDocument& document = *editor.window.m_XmlWork->m_Document;
        const SettingsModel model = SettingsModel::of(document);
        QVector<SettingsModel::Setting> settings = model.settings;
        std::stable_sort(settings.begin(), settings.end(),
                         [](const auto& x, const auto& y) { return x.container < y.container; });
        const QList<LineInBox*> lines = editor.allLines();
        QCOMPARE(lines.size(), settings.size());
        int refused = 0;
        for (int i = 0; i < lines.size(); ++i) {
            LineInBox* line = lines.at(i);
            const SettingsModel::Setting& setting = settings.at(i);
            const QString where = step + QStringLiteral(", ") + line->m_LabelName->text();
            QVERIFY2(*line->m_Element == setting.element, qPrintable(where));
            QVERIFY2(shown(editor, line) == !setting.hidden, qPrintable(where));
            QVERIFY2(editorState(line) == modelState(setting), qPrintable(where));
            const bool wrong =
                !DocumentValueChecker::problemOf(setting.element, *g_SymbolTable).isEmpty();
            refused += wrong ? 1 : 0;
            QVERIFY2(editor.window.m_ErrorFields.contains(setting.element) == wrong,
                     qPrintable(where));
        }
        QCOMPARE(editor.window.m_ErrorFields.size(), refused);

        QDomDocument saved;
        QVERIFY(DocumentParser::parse(editor.window.m_XmlWork->documentText(), saved).parsed);
        QCOMPARE(
            ReportText::of(SettingsModel::of(saved), editor.window.m_ModelName),
            SettingsReport::html(editor.window.m_Tree, editor.window.m_ModelName, &editor.window));
    }

private slots:
    void editsAgree_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 20; ++seed)
            QTest::addRow("document %u", seed) << seed;
    }

    void editsAgree()
    {
        QFETCH(quint32, seed);
        SettingsGenerator::Options options;
        options.settings = 80;
        options.minGroup = 5;
        options.maxGroup = 20;
        options.seed = seed;
        LoadedEditor editor;
        QCOMPARE(editor.load(SettingsGenerator(options).document()), XMLWork::LoadResult::Loaded);
        compare(editor, QStringLiteral("loaded"));
        QRandomGenerator random(seed);
        const QList<LineInBox*> lines = editor.allLines();
        for (int step = 0; step < 25 && !QTest::currentTestFailed(); ++step) {
            LineInBox* line = lines.at(random.bounded(lines.size()));
            edit(line, random);
            compare(editor,
                    QStringLiteral("edit %1 of %2").arg(step).arg(line->m_LabelName->text()));
        }
    }
};

LIR_TEST_CLASS(TestModelAgreement)
#include "tst_ModelAgreement.moc"
