// What a screen reader learns of an image button: a button (a switch is a
// checkable one, its state said), its name and description, and the press
// it can make.
#pragma once

// Registers the image button's accessible interface; safe to call often.
void InstallSpeedButtonAccessible();
