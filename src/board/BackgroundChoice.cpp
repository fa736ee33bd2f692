#include "board/BackgroundChoice.h"

TBgChoice ChooseBackground(bool fileUsable, int bgIndex, int bgCount)
{
    TBgChoice c;
    if (fileUsable) {
        c.kind = TBgChoice::FromFile;
        c.crop = true;
    } else if (bgIndex < 0 || bgIndex >= bgCount) {
        c.kind = TBgChoice::None;
    } else {
        c.kind = TBgChoice::Installed;
        c.index = bgIndex;
    }
    return c;
}
