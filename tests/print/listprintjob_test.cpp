#include "model/messages.h"
#include "print/listprintjob.h"
#include "ui/scriptedprompts.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kinrow;
using kinrow::test::ScriptedPrompts;

namespace {

std::vector<ListPrintRow> Rows(int n)
{
    std::vector<ListPrintRow> rows(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        rows[size_t(i)].recNo = i + 1;
        rows[size_t(i)].cells = {QString::number(i + 1), QStringLiteral("Ayşe"),
                                 QStringLiteral("KAYA")};
    }
    return rows;
}

TEST(ListPrintJob, NoCheckedRowIsRefused)
{
    ScriptedPrompts prompts;
    prompts.answerMessage(PromptAnswer::Ok);
    PrintListRows(prompts, {}, ListPrintOptions());
    EXPECT_EQ(prompts.messages, QStringList{LangText(Msg::NoCheckedPerson, Lang::English)});
    EXPECT_EQ(prompts.printDialogs, 0);
}

TEST(ListPrintJob, APrintedFileIsReportedAsFinished)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    ScriptedPrompts prompts;
    prompts.printPagesToPdf(path, 2, 3);
    prompts.answerMessage(PromptAnswer::Ok);
    PrintListRows(prompts, Rows(130), ListPrintOptions());
    EXPECT_EQ(prompts.offeredPageCounts, QList<int>{3});
    EXPECT_EQ(prompts.messages, QStringList{LangText(Msg::PrintFinished, Lang::English)});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
              2);
}

TEST(ListPrintJob, AFailedJobIsReportedWithItsReason)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/list.pdf"));
    ScriptedPrompts prompts;
    prompts.printToPdf(path);
    prompts.answerMessage(PromptAnswer::Ok);
    PrintListRows(prompts, Rows(3), ListPrintOptions());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith(LangText(Msg::PrintFailed, Lang::English) + path));
    EXPECT_NE(prompts.messages[0], LangText(Msg::PrintFinished, Lang::English));
    EXPECT_EQ(prompts.kinds[0], MessageKind::Warning);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
