// Subcommands that write files: never over their input or a device, never half a file, and a
// failed write is a failure.
#include "app/CommandLine.h"
#include "data/ProblemFile.h"

#include "CommandRun.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kakitori;

TEST(OutputSafety, RenderNeverWritesOverItsInputOrAPipe)
{
    TestFolder folder;
    const QString problem = folder.write(QStringLiteral("a.mojx"), cp932(kSampleLine) + "\r\n");
    const QByteArray before = folder.read(QStringLiteral("a.mojx"));
    const QString pipe = folder.path(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QDir(folder.path(QString())).mkdir(QStringLiteral("sub")));

    for (const QString& output : {problem, pipe, folder.path(QStringLiteral("sub"))})
        for (const char* option : {"--pdf", "--trace"}) {
            SCOPED_TRACE(option + output.toStdString());
            const CommandRun r =
                runCommand({QStringLiteral("render"), problem, QStringLiteral("--sheet"),
                            QStringLiteral("writing"), QString::fromLatin1(option), output});
            EXPECT_EQ(r.code, kExitUsage);
            EXPECT_FALSE(r.err.isEmpty());
        }
    EXPECT_EQ(folder.read(QStringLiteral("a.mojx")), before);
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(pipe).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(OutputSafety, RenderIntoAMissingFolderSaysSoInOneLine)
{
    const CommandRun r =
        runCommand({QStringLiteral("render"), kSample, QStringLiteral("--sheet"),
                    QStringLiteral("three"), QStringLiteral("--all"), QStringLiteral("--pdf"),
                    QStringLiteral("/nonexistent/dir/a.pdf")});
    EXPECT_EQ(r.code, kExitFailure);
    EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("a.pdf")));
}

TEST(OutputSafety, RenderOntoAFullDiskFailsAndLeavesNoFile)
{
    SmallDisk disk(64 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason();
    for (const char* option : {"--pdf", "--trace"}) {
        SCOPED_TRACE(option);
        const QString output = disk.path(QStringLiteral("sheets.out"));
        const CommandRun r = runCommand(
            {QStringLiteral("render"), kSample, QStringLiteral("--sheet"), QStringLiteral("three"),
             QStringLiteral("--all"), QString::fromLatin1(option), output});
        EXPECT_EQ(r.code, kExitFailure);
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_EQ(QDir(disk.path(QString())).entryList(QDir::Files), QStringList())
            << "no partial file is left";
    }
}

TEST(OutputSafety, ConvertSavesAsTheWindowSaves)
{
    TestFolder folder;
    // A file an editor of this machine saved: UTF-8 with a byte-order mark, LF line ends.
    const QString in = folder.write(QStringLiteral("edited.mojx"),
                                    "\xEF\xBB\xBF" + kSampleLine.toUtf8() + "\n二頁," + "\n");
    const CommandRun r =
        runCommand({QStringLiteral("convert"), in, folder.path(QStringLiteral("out"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, folder.path(QStringLiteral("out.mojx")) + u'\n') << "the suffix is added";
    EXPECT_EQ(folder.read(QStringLiteral("out.mojx")),
              cp932(kSampleLine) + "\r\n" + cp932(QStringLiteral("二頁,")) + "\r\n");

    // Converting onto an existing file keeps its previous content as the backup.
    const QByteArray first = folder.read(QStringLiteral("out.mojx"));
    const QString old =
        folder.write(QStringLiteral("old.moj"), cp932(QStringLiteral("旧,")) + "\r\n");
    ASSERT_EQ(
        runCommand({QStringLiteral("convert"), old, folder.path(QStringLiteral("out.mojx"))}).code,
        0);
    EXPECT_EQ(folder.read(QStringLiteral("outBK.mojx")), first);
    EXPECT_EQ(folder.read(QStringLiteral("out.mojx")), cp932(QStringLiteral("旧,")) + "\r\n");
}

TEST(OutputSafety, ConvertRefusesWhatTheSaveRefuses)
{
    TestFolder folder;
    const QString in =
        folder.write(QStringLiteral("in.mojx"),
                     QStringLiteral("頁,𠮷野家\n").toUtf8()); // no code page 932 form
    const CommandRun unencodable =
        runCommand({QStringLiteral("convert"), in, folder.path(QStringLiteral("out.mojx"))});
    EXPECT_EQ(unencodable.code, kExitFailure);
    EXPECT_TRUE(unencodable.err.contains(QStringLiteral("1頁")));
    EXPECT_FALSE(folder.exists(QStringLiteral("out.mojx")));

    const QByteArray before = folder.read(QStringLiteral("in.mojx"));
    EXPECT_EQ(runCommand({QStringLiteral("convert"), in, in}).code, kExitUsage);
    EXPECT_EQ(folder.read(QStringLiteral("in.mojx")), before);
    EXPECT_EQ(runCommand({QStringLiteral("convert"), folder.path(QStringLiteral("missing.mojx")),
                          folder.path(QStringLiteral("x.mojx"))})
                  .code,
              kExitFailure);
    EXPECT_EQ(runCommand({QStringLiteral("convert"), in}).code, kExitUsage);
}
