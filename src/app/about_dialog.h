// The About box (dialog 100): the icon, "Munchora Version 1.0", a second line and an OK
// button. It is opened modally from the main window's menu while the game runs on behind it;
// OK, Return or Escape close it.
//
// Control positions are pixels of the overlay's dialog body, converted from the dialog units
// of an 8-point face (1 unit = 1.5 pixels across, 1.625 down).
#pragma once

#include "platform/dialog.h"

class AboutDialog : public platform::Dialog {
public:
    explicit AboutDialog(platform::Dialog* parent);

    static const platform::DialogTemplate& layout();
};
