#include "tools/lir-settings-gen/SettingsGenerator.h"

#include <QString>

namespace {
const QByteArray kStep = "    ";

// The five classes of string settings, by the symbol that names them, with
// characters each one admits.
struct StringClass
{
    const char* symbol; // empty: no `letters`, any character
    const char* alphabet;
};
const StringClass kStringClasses[] = {
    {"latin", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"},
    {"any", "абвгдежзиклмнопрстуфхцчшэюяАБВГДЕЖЗИКЛМНОПРСТ 0123456789-.,()Aabcxyz"},
    {"phone", "+0123456789 "},
    {"ident", " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"},
    {"ascii", " 0123456789ABCDEFabcdef-_.,()/:;!?[]"},
    {"", "абвгдежзиклмнопрстуфхцчшэюя 0123456789ABCDEFabcdef-_.,"},
};
const char* const kMeasures[] = {"мс", "В", "%", "Гц", "мм", "°C"};

QByteArray numberText(int value)
{
    return QByteArray::number(value);
}

// `hundredths` / 100 written with exactly `decimals` (1 or 2) decimals.
QByteArray fixedText(int hundredths, int decimals)
{
    QByteArray text = hundredths < 0 ? "-" : "";
    const int magnitude = qAbs(hundredths);
    text += numberText(magnitude / 100) + '.';
    const int fraction = magnitude % 100;
    if (decimals == 1)
        return text + numberText(fraction / 10);
    return text + (fraction < 10 ? "0" : "") + numberText(fraction);
}
} // namespace

SettingsGenerator::SettingsGenerator(const Options& options)
    : m_Options(options), m_Random(options.seed)
{
}

QByteArray SettingsGenerator::document()
{
    m_Random.seed(m_Options.seed);
    m_Counts = Counts();
    m_NextKey = 0;
    m_Text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lir1Settings formatVerMaj=\"3\">\n";
    m_Text += QByteArray(kStep + "<symbols");
    for (int code = 1; code <= 5; ++code)
        m_Text += QByteArray(QByteArray(" symbols_") + kStringClasses[code - 1].symbol + "=\"" +
                             numberText(code) + '"');
    m_Text += "/>\n";
    while (wantsMore())
        writeContainer(1, QByteArray());
    m_Text += "</lir1Settings>\n";
    return m_Text;
}

bool SettingsGenerator::wantsMore() const
{
    if (m_Options.minBytes > 0)
        return m_Text.size() < m_Options.minBytes;
    return m_Counts.settings < m_Options.settings;
}

void SettingsGenerator::writeContainer(int depth, const QByteArray& parentSwitch)
{
    const QByteArray indent = kStep.repeated(depth);
    const int number = ++m_Counts.containers;
    m_Text += QByteArray(indent + "<!-- " + (depth == 1 ? "Раздел " : "Группа ") +
                         numberText(number) + " -->\n");
    m_Text += QByteArray(indent + "<container name=\"" + (depth == 1 ? "Раздел " : "Группа ") +
                         numberText(number) + "\">\n");
    if (!parentSwitch.isEmpty() && chance(20)) {
        // The group disappears with its parent's switch.
        m_Text += QByteArray(indent + kStep + "<hideConds>\n" + indent + kStep + kStep + "<c s=\"" +
                             parentSwitch + "\" o=\"NB\" v=\"0\"/>\n" + indent + kStep +
                             "</hideConds>\n");
        ++m_Counts.containerConditions;
    }
    // Most groups are small, a few are large.
    const int spread = m_Options.maxGroup - m_Options.minGroup;
    const int draw = between(0, 1000);
    int size = m_Options.minGroup + int(qint64(spread) * draw * draw / 1000000);
    if (m_Options.minBytes <= 0)
        size = qMin(size, m_Options.settings - m_Counts.settings);

    // The first setting of a group switches the group on; conditions of the
    // lines after it and of nested groups name it.
    QVector<Source> sources;
    const QByteArray switchKey = nextKey();
    m_Text += QByteArray(indent + kStep + "<signal name=\"Группа " + numberText(number) +
                         " включена\" key=\"" + switchKey + "\" type=\"bit\" value=\"" +
                         (chance(80) ? "1" : "0") + "\"/>\n");
    ++m_Counts.settings;
    sources.append({switchKey, 'b', 0, 0});
    for (int i = 1; i < size && wantsMore(); ++i)
        writeSetting(depth + 1, sources);

    if (depth < 3) {
        const int children = between(0, 3);
        for (int i = 0; i < children && wantsMore(); ++i)
            writeContainer(depth + 1, switchKey);
    }
    m_Text += QByteArray(indent + "</container>\n");
}

void SettingsGenerator::writeSetting(int depth, QVector<Source>& sources)
{
    const QByteArray indent = kStep.repeated(depth);
    const int number = ++m_Counts.settings;
    QByteArray attributes = "name=\"Параметр " + numberText(number) + '"';
    QByteArray children;
    // Conditions name settings written before, as real documents do.
    const QByteArray conditions = chance(22) ? condition(indent + kStep, sources) : QByteArray();
    const int kind = between(0, 99);
    if (kind < 34) {
        writeNumber(attributes, sources);
    } else if (kind < 54) {
        if (chance(40)) {
            const QByteArray key = nextKey();
            attributes += " key=\"" + key + '"';
            sources.append({key, 'b', 0, 0});
        }
        attributes += QByteArray(" type=\"bit\" value=\"") + (chance(50) ? "1" : "0") + '"';
    } else if (kind < 68) {
        writeItems(indent + kStep, attributes, children, false, sources);
    } else if (kind < 82) {
        writeString(attributes);
    } else if (kind < 90) {
        writeItems(indent + kStep, attributes, children, true, sources);
    } else if (kind < 95) {
        attributes += " type=\"ipAddress\" value=\"10." + numberText(between(0, 255)) + '.' +
                      numberText(between(0, 255)) + '.' + numberText(between(1, 254)) + '"';
    } else {
        QByteArray mac;
        for (int i = 0; i < 6; ++i)
            mac += (i ? ":" : "") + QByteArray::number(between(0, 255), 16).rightJustified(2, '0');
        attributes += " type=\"macAddress\" value=\"" + mac.toUpper() + '"';
    }
    if (!conditions.isEmpty())
        ++m_Counts.lineConditions;
    children += conditions;
    m_Text += QByteArray(indent + "<signal " + attributes);
    if (children.isEmpty())
        m_Text += "/>\n";
    else
        m_Text += QByteArray(">\n" + children + indent + "</signal>\n");
}

void SettingsGenerator::writeNumber(QByteArray& attributes, QVector<Source>& sources)
{
    if (chance(40))
        attributes += QByteArray(" measure=\"") + kMeasures[between(0, 5)] + '"';
    switch (between(0, 4)) {
    case 0:
    case 1: {
        static const int kMaxima[] = {10, 100, 255, 1000, 65535};
        const int max = kMaxima[between(0, 4)];
        const int value = between(0, max);
        if (chance(30)) {
            const QByteArray key = nextKey();
            attributes += " key=\"" + key + '"';
            sources.append({key, 'n', 0, max});
        }
        attributes += " type=\"number\" min=\"0\" max=\"" + numberText(max) +
                      "\" e=\"0\" value=\"" + numberText(value) + '"';
        break;
    }
    case 2:
        attributes += " type=\"number\" min=\"0.0\" max=\"100.0\" e=\"-1\" value=\"" +
                      fixedText(between(0, 999) * 10, 1) + '"';
        break;
    case 3:
        attributes += " type=\"number\" min=\"-50.00\" max=\"50.00\" e=\"-2\" value=\"" +
                      fixedText(between(-4999, 4999), 2) + '"';
        break;
    default:
        if (chance(50)) {
            attributes += " type=\"number\" min=\"0\" max=\"10000\" e=\"1\" value=\"" +
                          numberText(between(0, 1000) * 10) + '"';
        } else {
            attributes += " type=\"number\" min=\"1\" max=\"1000\" value=\"" +
                          numberText(between(1, 1000)) + '"';
        }
        break;
    }
}

void SettingsGenerator::writeString(QByteArray& attributes)
{
    const int classIndex = between(0, 5);
    const StringClass& stringClass = kStringClasses[classIndex];
    const bool limited = classIndex < 5 || chance(50);
    const int lenMax = between(8, 32);
    attributes += " type=\"string\"";
    if (limited)
        attributes += " lenMax=\"" + numberText(lenMax) + '"';
    if (*stringClass.symbol)
        attributes += QByteArray(" letters=\"") + stringClass.symbol + '"';
    attributes +=
        " value=\"" + textOf(stringClass.alphabet, between(1, limited ? lenMax : 24)) + '"';
}

void SettingsGenerator::writeItems(const QByteArray& indent, QByteArray& attributes,
                                   QByteArray& children, bool flags, QVector<Source>& sources)
{
    const int count = flags ? between(2, 8) : between(2, 7);
    QByteArray value;
    if (flags) {
        for (int i = 0; i < count; ++i)
            value += (i ? " f" : "f") + numberText(i) + ':' + (chance(50) ? '1' : '0');
    } else {
        value = numberText(between(0, count - 1));
        if (chance(50)) {
            const QByteArray key = nextKey();
            attributes += " key=\"" + key + '"';
            sources.append({key, 'e', count, 0});
        }
    }
    attributes += QByteArray(" type=\"") + (flags ? "flags" : "enum") + "\" value=\"" + value + '"';
    children += indent + "<namedValues>\n";
    for (int i = 0; i < count; ++i) {
        children += indent + kStep + "<item name=\"" + (flags ? "Флаг " : "Вариант ") +
                    numberText(i + 1) + "\" key=\"" + (flags ? "f" : "") + numberText(i) + "\"/>\n";
    }
    children += indent + "</namedValues>\n";
}

QByteArray SettingsGenerator::condition(const QByteArray& indent, const QVector<Source>& sources)
{
    QByteArray text = indent + "<hideConds>\n";
    const int count = chance(20) ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        const Source& source = sources.at(between(0, sources.size() - 1));
        QByteArray operation;
        int value = 0;
        if (source.kind == 'n') {
            static const char* const kCompare[] = {"GT", "LT", "EQ", "NE"};
            operation = kCompare[between(0, 3)];
            value = between(0, source.maximum);
        } else {
            operation = chance(50) ? "NB" : "BT";
            // A bit's box has no key, which reads as 0.
            value = source.kind == 'e' ? between(0, source.itemCount - 1) : 0;
        }
        text += indent + kStep + "<c s=\"" + source.key + "\" o=\"" + operation + "\" v=\"" +
                numberText(value) + "\"/>\n";
    }
    return text + indent + "</hideConds>\n";
}

QByteArray SettingsGenerator::nextKey()
{
    return "k" + numberText(++m_NextKey);
}

int SettingsGenerator::between(int low, int high)
{
    // mt19937 is the same everywhere; the standard distributions are not.
    return low + int(m_Random() % quint32(high - low + 1));
}

bool SettingsGenerator::chance(int percent)
{
    return between(0, 99) < percent;
}

QByteArray SettingsGenerator::textOf(const char* alphabet, int length)
{
    const QString characters = QString::fromUtf8(alphabet);
    QString text;
    for (int i = 0; i < length; ++i)
        text += characters.at(between(0, characters.size() - 1));
    return text.toUtf8();
}
