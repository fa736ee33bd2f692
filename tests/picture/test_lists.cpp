// The picture list's bitmap-only transparency and the item lists' copies.
#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "picture/MyImageList.h"
#include "base/MyList.h"

namespace {

QImage Filled(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

} // namespace

TEST(ImageList, TransparencyOnAPngChangesNothing)
{
    TMyImageListItem item;
    item.SetPicture(TPicture::FromImage(Filled(8, 8, Qt::red), TPicture::Png));
    item.SetTransparent(true);
    item.SetTransparentColor(Qt::red);
    EXPECT_FALSE(item.Transparent());
    EXPECT_EQ(item.TransparentColor(), QColor(Qt::black));
    EXPECT_EQ(item.Drawable().pixelColor(0, 0), QColor(Qt::red));
}

TEST(ImageList, SettingsOnAnEmptyItemAreLostButTakeEffectOnABitmap)
{
    // The order the browser uses: first on the empty item, then after loading.
    TMyImageListItem item;
    item.SetTransparent(true);
    item.SetTransparentColor(Qt::green);
    EXPECT_FALSE(item.Transparent());

    QImage bmp = Filled(4, 4, Qt::blue);
    bmp.setPixelColor(0, 3, Qt::white); // bottom-left: the bitmap's own key
    item.SetPicture(TPicture::FromImage(bmp, TPicture::Bitmap));
    EXPECT_EQ(item.TransparentColor(), QColor(Qt::white));
    EXPECT_EQ(item.Drawable().pixelColor(0, 3), QColor(Qt::white)); // not yet transparent
    item.SetTransparent(true);
    EXPECT_TRUE(item.Transparent());
    EXPECT_EQ(item.Drawable().pixelColor(0, 3).alpha(), 0);
    EXPECT_EQ(item.Drawable().pixelColor(1, 1), QColor(Qt::blue));
    item.SetTransparentColor(Qt::blue);
    EXPECT_EQ(item.Drawable().pixelColor(1, 1).alpha(), 0);
    EXPECT_EQ(item.Drawable().pixelColor(0, 3).alpha(), 255);
}

TEST(ImageList, WhiteKeyedBitmapFileGivesWhiteTransparentColor)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pic.jpg")); // a misleading name
    QImage bmp = Filled(6, 5, Qt::white);
    bmp.setPixelColor(2, 2, Qt::red);
    ASSERT_TRUE(bmp.save(path, "BMP"));
    TPicture pic;
    ASSERT_TRUE(pic.LoadFromFile(path));
    EXPECT_EQ(pic.Format, TPicture::Bitmap);
    TMyImageListItem item;
    item.SetPicture(pic);
    EXPECT_EQ(item.TransparentColor(), QColor(Qt::white));
}

TEST(ImageList, UnreadableFileLeavesThePictureAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.png"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x89PNG\r\n\x1a\nnot really");
    f.close();
    TPicture pic = TPicture::FromImage(Filled(3, 3, Qt::red), TPicture::Png);
    EXPECT_FALSE(pic.LoadFromFile(path));
    EXPECT_FALSE(pic.LoadFromFile(dir.filePath(QStringLiteral("missing.png"))));
    EXPECT_EQ(pic.Width(), 3);
    EXPECT_EQ(pic.Format, TPicture::Png);
}

TEST(ImageList, AddedItemIsEmptyAndAssignCopiesValuesAsTheyAre)
{
    TMyImageList list;
    TMyImageListItem &a = list.Add();
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(a.Picture().IsEmpty());
    EXPECT_EQ(a.Picture().Width(), 0);
    EXPECT_TRUE(a.Caption.isEmpty());

    a.Caption = QStringLiteral("C:/pics/a.bmp");
    a.SetPicture(TPicture::FromImage(Filled(4, 4, Qt::white), TPicture::Bitmap));
    a.SetTransparent(true);

    TMyImageList copy;
    copy.AssignItems(list);
    list.Clear();
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(copy.Items(0).Caption, QStringLiteral("C:/pics/a.bmp"));
    EXPECT_TRUE(copy.Items(0).Transparent());
    EXPECT_EQ(copy.Items(0).TransparentColor(), QColor(Qt::white));
    EXPECT_EQ(copy.Items(0).Picture().Width(), 4);
}

TEST(ItemList, AddedItemIsEmpty)
{
    TMyList list;
    TMyListItem &it = list.Add();
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(it.Subitems.isEmpty());
    EXPECT_TRUE(it.Caption.isEmpty());
}

TEST(ItemList, CopiedItemSurvivesItsSourceAndSharesNothing)
{
    TMyListItem copy;
    {
        TMyList list;
        TMyListItem &src = list.Add();
        src.Caption = QStringLiteral("g");
        src.SetSubitems({QStringLiteral("3"), QStringLiteral("4")});
        src.imageIndex = 9;
        copy.Assign(src);
        src.Subitems.append(QStringLiteral("5"));
        EXPECT_EQ(copy.Subitems.size(), 2);
    }
    EXPECT_EQ(copy.Caption, QStringLiteral("g"));
    EXPECT_EQ(copy.Subitems, QStringList({QStringLiteral("3"), QStringLiteral("4")}));

    TMyList a, b;
    a.Add().SetSubitems({QStringLiteral("1")});
    a.Add().SetSubitems({QStringLiteral("2"), QStringLiteral("7")});
    b.Add();
    b.AssignItems(a);
    a.Items(1).Subitems.clear();
    ASSERT_EQ(b.Count(), 2);
    EXPECT_EQ(b.Items(1).Subitems, QStringList({QStringLiteral("2"), QStringLiteral("7")}));
}
