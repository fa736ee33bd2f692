// What the table shows under the pieces: a picture file, one of the
// installed backgrounds, or nothing.
#pragma once

struct TBgChoice {
    enum Kind { FromFile, None, Installed };
    Kind kind = None;
    int index = -1;    // the installed background, for Installed
    bool crop = false; // crop to power-of-two sides before uploading
};

// `fileUsable`: a background file was asked for, exists and decoded.
TBgChoice ChooseBackground(bool fileUsable, int bgIndex, int bgCount);
