// Names and descriptions for screen readers, in Russian, on every image
// button and control of a window: its own where it has them, else the
// toolbar's table by object name, else made from its tool tip or caption.
#pragma once

class QWidget;

void DescribeForAccess(QWidget *root);
