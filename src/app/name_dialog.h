// The modal "Enter Your Name" prompt for a new best score: one single-line text field,
// accepted with Return, cancelled with Escape or by closing. name holds the accepted text;
// it stays empty when the prompt is cancelled.
#pragma once

#include "platform/dialog.h"

#include <string>

class NameDialog : public platform::Dialog {
public:
    NameDialog();
    void DoDataExchange() override;

    std::string name;
};
