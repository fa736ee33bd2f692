// The best times: their order, the ten kept, one list per picture, cut and
// rotation setting, and a records file that is not ours read as empty.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "FileSystemFixtures.h"
#include "persist/Records.h"

namespace {

const QDate kDay(2024, 3, 1);

TRecord At(int64_t seconds, int days = 0) { return {seconds, kDay.addDays(days)}; }

std::vector<int64_t> Times(const std::vector<TRecord> &list)
{
    std::vector<int64_t> out;
    for (const TRecord &r : list)
        out.push_back(r.Seconds);
    return out;
}

} // namespace

TEST(Records, FastestFirstEqualTimesByAgeAndOnlyTheBestKept)
{
    std::vector<TRecord> list;
    for (int64_t s = kRecordsKept + 5; s >= 1; --s)
        list = WithFinish(list, At(s * 7 % 23 + 1, int(s)));
    ASSERT_EQ(list.size(), size_t(kRecordsKept));
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end(),
                               [](const TRecord &a, const TRecord &b) { return a.Seconds < b.Seconds; }));
    const int64_t worst = list.back().Seconds;
    EXPECT_EQ(Times(WithFinish(list, At(worst + 1))), Times(list)); // too slow to be kept

    const std::vector<TRecord> tie = WithFinish({At(50, 1)}, At(50, 5));
    EXPECT_EQ(tie[0].Date, kDay.addDays(1)); // the older finish keeps its place
}

TEST(Records, EachPictureCutAndRotationHasItsOwnListAndOnlyAFasterFinishIsARecord)
{
    QTemporaryDir dir;
    const TRecordsFile file(dir.filePath("records.ini"));
    const TRecordTable table{RecordPicture("/pics/own.jpg", false), 1, false, {}};
    EXPECT_FALSE(file.AddFinish(table, At(90))); // nothing to beat yet
    EXPECT_FALSE(file.AddFinish(table, At(90)));
    EXPECT_TRUE(file.AddFinish(table, At(80)));
    EXPECT_EQ(Times(file.Read(table)), (std::vector<int64_t>{80, 90, 90}));

    const TRecordTable others[] = {{RecordPicture("/pics/other.jpg", false), 1, false, {}},
                                   {table.Picture, 2, false, {}},
                                   {table.Picture, 1, true, {}}};
    for (const TRecordTable &t : others)
        EXPECT_TRUE(file.Read(t).empty()) << qPrintable(t.Picture) << t.SizeIndex << t.RotateEnabled;
    EXPECT_FALSE(file.AddFinish(others[2], At(200)));
    const std::vector<TRecordList> lists = file.ReadPicture(table.Picture);
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_FALSE(lists[0].RotateEnabled);
    EXPECT_TRUE(lists[1].RotateEnabled);
}

TEST(Records, TheTwoVersionsOfAnInstalledPictureAreOnePicture)
{
    EXPECT_EQ(RecordPicture("/game/img/Asea.jpg", true), RecordPicture("/game/img/Bsea.jpg", true));
    EXPECT_NE(RecordPicture("/mine/Asea.jpg", false), RecordPicture("/mine/Bsea.jpg", false));
}

TEST(Records, AFileThatIsNotOursReadsAsEmptyAndIsReplaced)
{
    const std::function<void(const QString &)> makers[] = {
        [](const QString &p) {
            QFile f(p);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(2 * 1024 * 1024, 'r'));
        },
        [](const QString &p) { ASSERT_TRUE(QDir().mkpath(p)); },
    };
    for (const auto &make : makers) {
        QTemporaryDir dir;
        const QString path = dir.filePath("records.ini");
        make(path);
        const TRecordsFile file(path);
        const TRecordTable table{"p", 1, false, {}};
        EXPECT_TRUE(file.Read(table).empty());
        EXPECT_FALSE(file.AddFinish(table, At(60)));
        EXPECT_EQ(Times(file.Read(table)), std::vector<int64_t>{60});
    }
}

TEST(Records, DamagedEntriesArePassedOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("records.ini");
    const TRecordsFile file(path);
    const TRecordTable table{"p", 1, false, {}};
    file.AddFinish(table, At(60));
    file.AddFinish(table, At(70));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray text = f.readAll();
    f.close();
    text.replace("r0=60,", "r0=-60,").replace("r1=70,2024-03-01", "r1=70,someday");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
    f.close();
    EXPECT_TRUE(file.Read(table).empty());
}

TEST(Records, AFinishThatCannotBeWrittenNamesTheFileAndKeepsTheList)
{
    TSmallDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const TRecordsFile file(disk.Path("records.ini"));
    const TRecordTable table{"/pictures/sea.jpg", 1, false, {}};
    ASSERT_TRUE(file.AddFinish(table, At(90)) == false);
    ASSERT_TRUE(disk.Fill());
    QString error;
    EXPECT_TRUE(file.AddFinish(table, At(60), &error)); // still a record, if not kept
    EXPECT_TRUE(error.contains("records.ini")) << error.toStdString();
    EXPECT_EQ(Times(file.Read(table)), std::vector<int64_t>{90});
}

TEST(Records, HintsUsedAreKeptWithTheFinishAndSaidInRussian)
{
    QTemporaryDir dir;
    const TRecordsFile file(dir.filePath("records.ini"));
    const TRecordTable table{"p", 1, false, {}};
    file.AddFinish(table, {60, kDay, 3});
    file.AddFinish(table, At(70)); // none: an entry as older files hold it
    const std::vector<TRecord> list = file.Read(table);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Hints, 3);
    EXPECT_EQ(list[1].Hints, 0);
    for (const auto &[n, text] : std::vector<std::pair<int, const char *>>{
             {1, "1 подсказка"}, {3, "3 подсказки"}, {5, "5 подсказок"}, {12, "12 подсказок"}, {22, "22 подсказки"}})
        EXPECT_EQ(HintsText(n), QString::fromUtf8(text));
}
