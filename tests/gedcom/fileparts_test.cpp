#include "readertesting.h"

#include "gedcom/errorsink.h"
#include "gedcom/fileparts.h"

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::testing;

TEST(LineCuts, EveryCutStartsALine)
{
    const struct
    {
        const char* bytes;
        size_t count;
    } cases[] = {
        {"0 HEAD\r\n1 SOUR X\r\n0 @I1@ INDI\r\n1 NAME A /B/\r\n0 TRLR\r\n", 3},
        {"a\nb\nc\nd\ne\nf\ng\n", 7},
        {"a\rb\rc\rd\r", 3}, // no line feed: one part holds everything
        {"abc", 2},
        {"\n\n\n", 5},
        {"", 2},
    };
    for (const auto& c : cases) {
        const std::string_view bytes(c.bytes);
        const std::vector<qsizetype> cuts = LineCuts(bytes, c.count);
        ASSERT_EQ(cuts.size(), c.count) << c.bytes;
        EXPECT_EQ(cuts.back(), qsizetype(bytes.size())) << c.bytes;
        qsizetype previous = 0;
        for (qsizetype cut : cuts) {
            EXPECT_GE(cut, previous) << c.bytes;
            if (cut > 0 && cut < qsizetype(bytes.size())) {
                EXPECT_EQ(bytes[size_t(cut - 1)], '\n') << c.bytes << " cut at " << cut;
            }
            previous = cut;
        }
    }
}

namespace {

// What one read reports: error lines beyond the list's limit, repeated message boxes, lines
// that open the list.
void report(ErrorSink& sink, int from, int to)
{
    for (int i = from; i < to; ++i) {
        if (i % 1000 == 7)
            sink.repeated(ErrorSink::Repeated(i % 3), i);
        else if (i % 500 == 3)
            sink.dropped(i, QStringLiteral("<dropped>"));
        else
            sink.lineError(i, QStringLiteral("<line>"));
    }
}

struct Outcome
{
    ErrorList list;
    RecordingReporter reporter;
};

// The lines and message boxes of the reports from..to, told to the sink directly or recorded in
// parts cut at the given points and replayed in order.
void run(Outcome& out, int from, int to, const std::vector<int>& cuts)
{
    ReadOptions options;
    options.reporter = &out.reporter;
    ErrorSink sink(out.list, options);
    sink.start(QStringLiteral("aile.ged"));
    if (cuts.empty()) {
        report(sink, from, to);
    } else {
        int start = from;
        for (size_t k = 0; k <= cuts.size(); ++k) {
            const int end = k < cuts.size() ? cuts[k] : to;
            ErrorList unused;
            ErrorSink part = ErrorSink::recorder(unused, options, false);
            report(part, start, end);
            part.replay(sink);
            EXPECT_TRUE(unused.lines.isEmpty());
            start = end;
        }
    }
    sink.finish();
}

} // namespace

TEST(ErrorSinkRecorder, ReplayedPartsReportWhatOneSinkReports)
{
    const struct
    {
        int from, to;
        std::vector<int> cuts;
    } cases[] = {
        {0, 40, {20}},
        {0, 3000, {1, 1500, 2999}},
        {0, 25000, {12000}},        // the list fills in the second part
        {0, 25000, {11000, 11001}}, // ... and in the first
        {500, 30000, {6000, 18000}},
        {0, 10, {0, 10}},
    };
    for (const auto& c : cases) {
        Outcome direct, replayed;
        run(direct, c.from, c.to, {});
        run(replayed, c.from, c.to, c.cuts);
        EXPECT_EQ(replayed.list.lines, direct.list.lines) << c.to;
        EXPECT_EQ(replayed.list.visible, direct.list.visible) << c.to;
        EXPECT_EQ(replayed.reporter.messages, direct.reporter.messages) << c.to;
    }
}
