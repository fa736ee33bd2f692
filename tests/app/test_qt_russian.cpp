// Qt's own texts speak Russian with the game, whatever the system's language.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>

#include "app/QtRussian.h"

TEST(QtRussian, StandardMessageBoxButtonsAreRussian)
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(dir + "/qtbase_ru.qm"))
        GTEST_SKIP() << "Qt's Russian translations are not installed";
    ASSERT_TRUE(InstallQtRussian(*qApp));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), QString::fromUtf8("Да"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), QString::fromUtf8("Нет"));
}
