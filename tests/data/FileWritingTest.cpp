// What every write of the tool does when the disk, the device or the path is not what it expects:
// a failure is reported and leaves the old file whole; it is never reported as done.
#include "data/ProblemFile.h"
#include "data/Settings.h"
#include "data/TextExport.h"
#include "data/TextFile.h"

#include "TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kakitori;

namespace {

QList<TextLine> pagesOfSize(int pages, int lineBytes)
{
    QList<TextLine> lines;
    for (int p = 0; p < pages; ++p)
        lines.append({QStringLiteral("頁%1,").arg(p) + QString(lineBytes, QLatin1Char('a')), {}});
    return lines;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Fills the disk up to about `room` bytes left.
void fillDisk(const SmallDisk& disk, qint64 room, qint64 diskSize)
{
    QFile filler(disk.path(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    ASSERT_TRUE(writeAllAndFlush(filler, QByteArray(diskSize - room, 'f')).isEmpty());
}

} // namespace

TEST(FileWriting, AWriteOrFlushThatFailsIsReported)
{
    // /dev/full fails every write: a small one only when the buffer is flushed, a large one at
    // once. Both must be reported.
    for (const qsizetype size : {qsizetype(10), qsizetype(1 << 20)}) {
        SCOPED_TRACE(size);
        QFile full(QStringLiteral("/dev/full"));
        ASSERT_TRUE(full.open(QIODevice::WriteOnly));
        EXPECT_FALSE(writeAllAndFlush(full, QByteArray(size, 'x')).isEmpty());
    }
    TestFolder folder;
    QFile ordinary(folder.path(QStringLiteral("ok.txt")));
    ASSERT_TRUE(ordinary.open(QIODevice::WriteOnly));
    EXPECT_TRUE(writeAllAndFlush(ordinary, "abc").isEmpty());
}

TEST(FileWriting, PipesAreNeitherOpenedNorReplaced)
{
    TestFolder folder;
    const QString pipe = folder.path(QStringLiteral("pipe.mojx"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    // Opening a pipe for reading would wait for a writer forever.
    EXPECT_FALSE(readProblemFile(pipe).ok());
    EXPECT_FALSE(readTextImport(pipe).ok());
    EXPECT_EQ(readSettings(pipe).fontName, defaultSettings().fontName);

    EXPECT_FALSE(writeFileAtomically(pipe, "x").isEmpty());
    EXPECT_FALSE(saveProblemFile(pipe, pagesOfSize(1, 10)).ok());
    EXPECT_FALSE(appendTextExport(pipe, QStringLiteral("山")).isEmpty());
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(pipe).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "the pipe is still a pipe";
}

TEST(FileWriting, TheBackupIsAsPrivateAsItsFile)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("private.mojx"), "old\r\n");
    const QString backup = folder.path(QStringLiteral("privateBK.mojx"));
    folder.write(QStringLiteral("privateBK.mojx"), "older\r\n");
    QFile::setPermissions(backup, QFileDevice::Permissions(0x6644)); // an old, readable backup
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    ASSERT_TRUE(QFile::setPermissions(path, ownerOnly));

    ASSERT_TRUE(saveProblemFile(path, pagesOfSize(1, 10)).ok());
    EXPECT_EQ(contentOf(backup), QByteArray("old\r\n"));
    const auto others = QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                        QFileDevice::WriteOther;
    EXPECT_FALSE(QFileInfo(backup).permissions() & others);
    EXPECT_FALSE(QFileInfo(path).permissions() & others) << "the saved file keeps its own";
}

// Saves of varying size onto a disk with little room left: each either succeeds with the new
// content in place or fails with a message, the old file and its backup whole. Writes smaller
// than Qt's buffer only fail when the buffer is flushed, which QSaveFile::commit() ignored.
TEST(FileWriting, AFullDiskNeverEndsInAHalfWrittenFile)
{
    constexpr qint64 kDisk = 256 * 1024;
    SmallDisk disk(kDisk);
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason();
    fillDisk(disk, 24 * 1024, kDisk);
    const QString path = disk.path(QStringLiteral("work.mojx"));
    const QString backup = disk.path(QStringLiteral("workBK.mojx"));
    int failures = 0;
    for (int step = 1; step <= 45; ++step) {
        SCOPED_TRACE(step);
        const QByteArray before = contentOf(path);
        const QByteArray backupBefore = contentOf(backup);
        const QList<TextLine> lines = pagesOfSize((step * 7) % 45 + 1, 300);
        const ProblemSave saved = saveProblemFile(path, lines);
        if (saved.ok()) {
            EXPECT_EQ(contentOf(path), encodeProblemLines(lines).bytes);
            if (saved.backupWritten) {
                EXPECT_EQ(contentOf(backup), before);
            } else if (step > 1) {
                EXPECT_FALSE(saved.warning.isEmpty()) << "a failed backup is reported";
            }
        } else {
            ++failures;
            EXPECT_EQ(contentOf(path), before);
            const QByteArray backupNow = contentOf(backup);
            EXPECT_TRUE(backupNow == backupBefore || backupNow == before);
        }
    }
    EXPECT_GT(failures, 0) << "the disk was meant to fill up";
}

TEST(FileWriting, SettingsAndExportsOnAFullDiskKeepTheirOldContent)
{
    constexpr qint64 kDisk = 64 * 1024;
    SmallDisk disk(kDisk);
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason();
    const QString ini = disk.path(QStringLiteral("FM3.ini"));
    const QString exported = disk.path(QStringLiteral("board.txt"));
    Settings settings = defaultSettings();
    ASSERT_TRUE(writeSettings(ini, settings, SettingsForm::WithPassword).isEmpty());
    ASSERT_TRUE(appendTextExport(exported, QStringLiteral("山,川,")).isEmpty());
    const QByteArray iniBefore = contentOf(ini);
    const QByteArray exportBefore = contentOf(exported);

    fillDisk(disk, 3 * 4096, kDisk); // the two files take a page each
    QFile more(disk.path(QStringLiteral("more")));
    ASSERT_TRUE(more.open(QIODevice::WriteOnly));
    while (writeAllAndFlush(more, QByteArray(1024, 'm')).isEmpty()) {
    }

    settings.fontName = QStringLiteral("@ＭＳ 明朝");
    EXPECT_FALSE(writeSettings(ini, settings, SettingsForm::WithPassword).isEmpty());
    EXPECT_EQ(contentOf(ini), iniBefore);
    EXPECT_FALSE(appendTextExport(exported, QStringLiteral("空")).isEmpty());
    EXPECT_EQ(contentOf(exported), exportBefore);
}

TEST(FileWriting, ExportsEndEveryLineWithCrLf)
{
    TestFolder folder;
    const QString path = folder.path(QStringLiteral("board.txt"));
    ASSERT_TRUE(appendTextExport(path, QStringLiteral("山\n川\r\n海")).isEmpty());
    EXPECT_EQ(folder.read(QStringLiteral("board.txt")),
              cp932(QStringLiteral("山\r\n川\r\n海\r\n")));
}
