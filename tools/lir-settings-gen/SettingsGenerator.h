#pragma once

#include <QByteArray>
#include <QVector>

#include <random>

// Writes settings documents of any size for benchmarks and trials: every kind
// of setting, containers nested up to three deep that hold 10 to 200 settings
// each, the symbols of the five string classes, and visibility conditions of
// lines and containers on about a fifth of the settings. Every value is one
// its line accepts, and every condition names a setting that exists, so the
// editor has nothing to say about a generated document. The same options
// always give the same text.
class SettingsGenerator
{
public:
    struct Options
    {
        int settings = 1000; // exactly this many settings...
        qint64 minBytes = 0; // ...or, when above 0, as many as make the text this long
        int minGroup = 10;   // settings directly in one container
        int maxGroup = 200;
        quint32 seed = 1;
    };

    struct Counts
    {
        int settings = 0;
        int containers = 0;
        int lineConditions = 0;      // settings with a hideConds of their own
        int containerConditions = 0; // containers with a hideConds of their own
    };

    explicit SettingsGenerator(const Options& options);

    // The whole document, UTF-8, indented by 4 like the default documents.
    QByteArray document();
    // What the last document holds.
    Counts counts() const { return m_Counts; }

private:
    // A setting earlier in the same container that conditions can name.
    struct Source
    {
        QByteArray key;
        char kind;     // 'b' bit, 'e' enum, 'n' number
        int itemCount; // enum: keys 0 .. itemCount-1
        int maximum;   // number: the upper limit (an integer)
    };

    bool wantsMore() const;
    void writeContainer(int depth, const QByteArray& parentSwitch);
    void writeSetting(int depth, QVector<Source>& sources);
    void writeNumber(QByteArray& attributes, QVector<Source>& sources);
    void writeString(QByteArray& attributes);
    void writeItems(const QByteArray& indent, QByteArray& attributes, QByteArray& children,
                    bool flags, QVector<Source>& sources);
    QByteArray condition(const QByteArray& indent, const QVector<Source>& sources);
    QByteArray nextKey();

    int between(int low, int high);
    bool chance(int percent);
    QByteArray textOf(const char* alphabet, int length);

    Options m_Options;
    std::mt19937 m_Random;
    // Pieces are appended as whole byte arrays, which grow geometrically: a
    // string builder appended in place reserves the exact size and copies
    // the document again for every piece.
    QByteArray m_Text;
    Counts m_Counts;
    int m_NextKey = 0;
};
