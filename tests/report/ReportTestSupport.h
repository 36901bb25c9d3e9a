// Shared by the report tests: the shipped example projects as the window shows them, the report
// recorded operation by operation, and searches over the recorded stream.
#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>

#include "core/InputCatalogue.h"
#include "core/PMClasses.h"
#include "design/RebarTables.h"
#include "display/DisplayModel.h"
#include "report/RecordingReportEngine.h"
#include "report/ReportComposer.h"
#include "report/ReportPageFrame.h"

inline TPMData LoadExample(bool si)
{
    TPMData record;
    record.ResetRecord();
    record.LoadProject(std::string(PELMARK_BIN_DIR) +
                       (si ? "/Example SI Units.kpm" : "/Example English Units.kpm"));
    NormalizeInputsAsShown(record);
    SelectRebarTable(record);
    record.ComputeAll();
    return record;
}

inline QStringList RecordReport(const TPMData& record, int choice, const TDisplayModel& model)
{
    TRecordingReportEngine engine;
    AttachPageFrame(engine);
    engine.Begin();
    ComposeReport(engine, model, record, choice);
    engine.End();
    return engine.Operations;
}

inline QStringList RecordReport(const TPMData& record, int choice)
{
    return RecordReport(record, choice, BuildDisplayModel(record));
}

// Index of the first operation at or after `from` equal to `op`, or -1.
inline int IndexOf(const QStringList& ops, const QString& op, int from = 0)
{
    return ops.indexOf(op, from);
}

// The operations appear in this order (others may come between them); reports the first missing.
inline ::testing::AssertionResult InOrder(const QStringList& ops, const QStringList& expected, int from = 0)
{
    int at = from;
    for (const QString& op : expected) {
        const int found = ops.indexOf(op, at);
        if (found < 0)
            return ::testing::AssertionFailure()
                   << "missing after operation " << at << ": " << op.toStdString();
        at = found + 1;
    }
    return ::testing::AssertionSuccess();
}

// The operations without the drawn texts of the engine's output.
inline QStringList WithoutDrawing(const QStringList& ops)
{
    QStringList result;
    for (const QString& op : ops)
        if (!op.startsWith("Text ") && !op.startsWith("Picture "))
            result << op;
    return result;
}

// The operations follow each other directly from the first one on (drawn texts aside).
inline ::testing::AssertionResult Consecutive(const QStringList& all, const QStringList& expected)
{
    const QStringList ops = WithoutDrawing(all);
    const int start = ops.indexOf(expected.front());
    if (start < 0)
        return ::testing::AssertionFailure() << "missing: " << expected.front().toStdString();
    for (int i = 1; i < expected.size(); ++i)
        if (start + i >= ops.size() || ops[start + i] != expected[i])
            return ::testing::AssertionFailure()
                   << "at " << i << " expected " << expected[i].toStdString() << " but found "
                   << (start + i < ops.size() ? ops[start + i].toStdString() : std::string("the end"));
    return ::testing::AssertionSuccess();
}

// The drawn text operation of a text: "Text x y size style color c \"text\"".
struct TDrawn {
    double X = -1, Y = -1;
    QString Style;
    int Color = -1;
};
inline TDrawn Drawn(const QStringList& ops, const QString& text, int from = 0)
{
    static const QRegularExpression pattern(R"re(^Text (\S+) (\S+) \S+ (.*) color (\d+) "(.*)"$)re");
    for (int i = from; i < ops.size(); ++i) {
        const auto match = pattern.match(ops[i]);
        if (match.hasMatch() && match.captured(5) == text)
            return {match.captured(1).toDouble(), match.captured(2).toDouble(), match.captured(3),
                    match.captured(4).toInt()};
    }
    return {};
}
