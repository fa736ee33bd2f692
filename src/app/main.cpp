#include <QApplication>

#include "app/MainForm.h"
#include "persist/BGChangeFrm.h"
#include "persist/NewGameFrm.h"
#include "ui/BrowseFrm.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Jigsy"));
    TMainForm form;
    TBrowseFrm browse;
    TNewGameFrm newGame(&form);
    TBGChangeFrm bgChange(&form);
    form.SetDialogs(&browse, &newGame, &bgChange);
    form.showMaximized();
    return app.exec();
}
