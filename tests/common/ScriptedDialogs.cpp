#include "common/ScriptedDialogs.h"

#include <QTest>

namespace {
QString kindName(UserDialogs::Kind kind)
{
    switch (kind) {
    case UserDialogs::Kind::About:
        return QStringLiteral("about");
    case UserDialogs::Kind::NoIcon:
        return QStringLiteral("noicon");
    case UserDialogs::Kind::Information:
        return QStringLiteral("information");
    case UserDialogs::Kind::Warning:
        return QStringLiteral("warning");
    case UserDialogs::Kind::Critical:
        return QStringLiteral("critical");
    }
    return QString();
}
} // namespace

ScriptedDialogs::ScriptedDialogs() : m_Previous(UserDialogs::install(this)) {}

ScriptedDialogs::~ScriptedDialogs()
{
    UserDialogs::install(m_Previous);
}

void ScriptedDialogs::answerButton(Button button)
{
    m_Answers.enqueue({QStringLiteral("button"), static_cast<uint>(button)});
}

void ScriptedDialogs::answerFileName(const QString& name)
{
    m_Answers.enqueue({QStringLiteral("file"), name});
}

void ScriptedDialogs::answerItem(const QString& item)
{
    m_Answers.enqueue({QStringLiteral("item"), item});
}

void ScriptedDialogs::answerItemCancel()
{
    m_Answers.enqueue({QStringLiteral("item"), QVariant()});
}

void ScriptedDialogs::answerPrintDialog(bool accept)
{
    m_Answers.enqueue({QStringLiteral("print"), accept});
}

QStringList ScriptedDialogs::titles() const
{
    QStringList result;
    for (const Shown& s : m_Shown)
        result << s.title;
    return result;
}

int ScriptedDialogs::unexpectedCount() const
{
    int count = 0;
    for (const Shown& s : m_Shown)
        count += s.answered ? 0 : 1;
    return count;
}

void ScriptedDialogs::clear()
{
    m_Shown.clear();
    m_Answers.clear();
}

bool ScriptedDialogs::takeAnswer(const QString& kind, QVariant& value, Shown& shown)
{
    if (!m_Answers.isEmpty() && m_Answers.head().kind == kind) {
        value = m_Answers.dequeue().value;
        return true;
    }
    shown.answered = false;
    const QByteArray what = QStringLiteral("unexpected %1 dialog \"%2\": %3")
                                .arg(shown.kind, shown.title, shown.text)
                                .toUtf8();
    QTest::qFail(what.constData(), __FILE__, __LINE__);
    return false;
}

UserDialogs::Button ScriptedDialogs::message(Kind kind, QWidget* parent, const QString& title,
                                             const QString& text, Buttons buttons)
{
    Shown shown{kindName(kind), title, text, parent, {}, {}, true};
    Button result = Ok;
    if (buttons != Ok && buttons != NoButton) {
        QVariant value;
        result = takeAnswer(QStringLiteral("button"), value, shown)
                     ? static_cast<Button>(value.toUInt())
                     : (buttons & No ? No : Cancel);
    }
    m_Shown.append(shown);
    return result;
}

QString ScriptedDialogs::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                      const QString& filter)
{
    Shown shown{QStringLiteral("open"), caption, QString(), parent, {filter}, dir, true};
    QVariant value;
    const QString name =
        takeAnswer(QStringLiteral("file"), value, shown) ? value.toString() : QString();
    m_Shown.append(shown);
    return name;
}

QString ScriptedDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                      const QString& filter)
{
    Shown shown{QStringLiteral("save"), caption, QString(), parent, {filter}, dir, true};
    QVariant value;
    const QString name =
        takeAnswer(QStringLiteral("file"), value, shown) ? value.toString() : QString();
    m_Shown.append(shown);
    return name;
}

QString ScriptedDialogs::chooseItem(QWidget* parent, const QString& title, const QString& label,
                                    const QStringList& items, int current, bool* ok)
{
    Q_UNUSED(current);
    Shown shown{QStringLiteral("item"), title, label, parent, items, {}, true};
    QVariant value;
    const bool answered = takeAnswer(QStringLiteral("item"), value, shown);
    m_Shown.append(shown);
    const bool chosen = answered && value.isValid();
    if (ok)
        *ok = chosen;
    return chosen ? value.toString() : QString();
}

bool ScriptedDialogs::acceptPrintDialog(QPrinter* printer, QWidget* parent)
{
    Q_UNUSED(printer);
    Shown shown{QStringLiteral("print"), QString(), QString(), parent, {}, {}, true};
    QVariant value;
    const bool accepted = takeAnswer(QStringLiteral("print"), value, shown) && value.toBool();
    m_Shown.append(shown);
    return accepted;
}
