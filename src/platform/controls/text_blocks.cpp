#include "platform/controls/text_blocks.h"

namespace platform {
namespace {
constexpr int kLinesPerBlock = 32;
constexpr qsizetype kBlockCharacters = 2048;   // a block takes no further line beyond this
constexpr qsizetype kLongLine = 4096;          // a longer line is cut into pieces of this size

struct LineEnd {
    qsizetype at;   // where the line end starts
    int join;       // its kind
    int size;       // its length in characters
};

int joinOf(const QString& lineEnd)
{
    if (lineEnd == QLatin1String("\r\n"))
        return kJoinCrLf;
    if (lineEnd == QLatin1String("\r"))
        return kJoinCr;
    if (lineEnd == QString(QChar::ParagraphSeparator))
        return kJoinParagraph;
    return kJoinLf;
}

std::vector<LineEnd> lineEnds(const QString& text, bool& hasSeparator)
{
    std::vector<LineEnd> ends;
    hasSeparator = false;
    const QChar* p = text.constData();
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c == u'\n')
            ends.push_back({i, kJoinLf, 1});
        else if (c == u'\r' && i + 1 < n && p[i + 1] == QLatin1Char('\n'))
            ends.push_back({i++, kJoinCrLf, 2});
        else if (c == u'\r')
            ends.push_back({i, kJoinCr, 1});
        else if (c == 0x2029)
            ends.push_back({i, kJoinParagraph, 1});
        else if (c == 0x2028)
            hasSeparator = true;
    }
    return ends;
}

class Planner {
public:
    Planner(BlockPlan& plan, bool grouped) : plan_(plan), grouped_(grouped) {}

    // One line of the text; join is what stood before it (ignored for the first line).
    void addLine(QStringView line, int join, bool first)
    {
        if (!first) {
            const bool fits = grouped_ && linesInBlock_ < kLinesPerBlock && blockSize_ < kBlockCharacters
                && line.size() <= kLongLine && join == kJoinUsual;
            if (fits) {
                plan_.plain += QChar::LineSeparator;
                ++blockSize_;
                ++linesInBlock_;
            } else {
                newBlock(join);
            }
        }
        // A long line goes on in blocks of its own, never split inside a surrogate pair.
        while (line.size() > kLongLine) {
            qsizetype cut = kLongLine;
            if (line[cut - 1].isHighSurrogate())
                --cut;
            plan_.plain += line.left(cut);
            line = line.mid(cut);
            newBlock(kJoinNothing);
        }
        plan_.plain += line;
        blockSize_ += line.size();
    }

private:
    void newBlock(int join)
    {
        plan_.plain += QLatin1Char('\n');
        ++block_;
        if (join != kJoinUsual)
            plan_.joins.emplace_back(block_, join);
        blockSize_ = 0;
        linesInBlock_ = 1;
    }

    BlockPlan& plan_;
    bool grouped_;
    int block_ = 0;
    qsizetype blockSize_ = 0;
    int linesInBlock_ = 1;
};
} // namespace

BlockPlan planBlocks(const QString& text, const QString& usualLineEnd)
{
    BlockPlan plan;
    bool hasSeparator = false;
    const std::vector<LineEnd> ends = lineEnds(text, hasSeparator);
    const int usual = joinOf(usualLineEnd);
    bool uniform = !hasSeparator;
    for (const LineEnd& end : ends)
        uniform = uniform && end.join == usual;
    plan.separatorIsLineEnd = uniform;
    plan.plain.reserve(text.size() + text.size() / kLongLine + 1);

    Planner planner(plan, uniform);
    qsizetype start = 0;
    int join = kJoinUsual;
    bool first = true;
    for (const LineEnd& end : ends) {
        planner.addLine(QStringView(text).mid(start, end.at - start), join, first);
        first = false;
        join = end.join == usual ? kJoinUsual : end.join;
        start = end.at + end.size;
    }
    planner.addLine(QStringView(text).mid(start), join, first);
    return plan;
}

QString joinText(int join, const QString& usualLineEnd)
{
    switch (join) {
    case kJoinNothing:
        return QString();
    case kJoinLf:
        return QStringLiteral("\n");
    case kJoinCrLf:
        return QStringLiteral("\r\n");
    case kJoinCr:
        return QStringLiteral("\r");
    case kJoinParagraph:
        return QString(QChar::ParagraphSeparator);
    default:
        return usualLineEnd;
    }
}

} // namespace platform
