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

ScriptedDialogs::ScriptedDialogs(const char* file, int line)
    : m_Previous(UserDialogs::install(this)), m_File(file), m_Line(line)
{
}

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

QStringList ScriptedDialogs::messages() const
{
    QStringList result;
    for (const Shown& s : m_Shown)
        result << s.kind + QLatin1Char('|') + s.title + QLatin1Char('|') + s.text;
    return result;
}

void ScriptedDialogs::clear()
{
    m_Shown.clear();
    m_Answers.clear();
}

bool ScriptedDialogs::takeAnswer(const QString& kind, QVariant& value, const Shown& shown)
{
    if (!m_Answers.isEmpty() && m_Answers.head().kind == kind) {
        value = m_Answers.dequeue().value;
        return true;
    }
    const QByteArray what =
        QStringLiteral("unexpected %1 dialog \"%2\": %3 (no answer scripted for it)")
            .arg(shown.kind, shown.title, shown.text)
            .toUtf8();
    QTest::qFail(what.constData(), m_File, m_Line);
    return false;
}

UserDialogs::Button ScriptedDialogs::message(Kind kind, QWidget* parent, const QString& title,
                                             const QString& text, Buttons buttons)
{
    m_Shown.append({kindName(kind), title, text, parent, {}, {}});
    if (buttons == Ok || buttons == NoButton)
        return Ok;
    QVariant value;
    return takeAnswer(QStringLiteral("button"), value, m_Shown.last())
               ? static_cast<Button>(value.toUInt())
               : (buttons & No ? No : Cancel);
}

QString ScriptedDialogs::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                      const QString& filter)
{
    return fileName(QStringLiteral("open"), parent, caption, dir, filter);
}

QString ScriptedDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                      const QString& filter)
{
    return fileName(QStringLiteral("save"), parent, caption, dir, filter);
}

QString ScriptedDialogs::fileName(const QString& kind, QWidget* parent, const QString& caption,
                                  const QString& dir, const QString& filter)
{
    m_Shown.append({kind, caption, QString(), parent, {filter}, dir});
    QVariant value;
    return takeAnswer(QStringLiteral("file"), value, m_Shown.last()) ? value.toString() : QString();
}

QString ScriptedDialogs::chooseItem(QWidget* parent, const QString& title, const QString& label,
                                    const QStringList& items, int current, bool* ok)
{
    Q_UNUSED(current);
    m_Shown.append({QStringLiteral("item"), title, label, parent, items, {}});
    QVariant value;
    const bool chosen =
        takeAnswer(QStringLiteral("item"), value, m_Shown.last()) && value.isValid();
    if (ok)
        *ok = chosen;
    return chosen ? value.toString() : QString();
}

bool ScriptedDialogs::acceptPrintDialog(QPrinter* printer, QWidget* parent)
{
    Q_UNUSED(printer);
    m_Shown.append({QStringLiteral("print"), QString(), QString(), parent, {}, {}});
    QVariant value;
    return takeAnswer(QStringLiteral("print"), value, m_Shown.last()) && value.toBool();
}
