// The "Enter Your Name" prompt: a small modal dialog with one text field (control 1001).
// Sizes are overlay pixels: 372 x 60, the field 338 x 24 at (18, 12), twice the dialog
// units of an 8-point face (186 x 26, the field 169 x 12 at (9, 6)), so the prompt reads at
// the size of the game's own text.
#include "app/name_dialog.h"

namespace {

constexpr int NAME_FIELD_ID = 1001;

const platform::DialogTemplate NAME_DIALOG_TEMPLATE{
    "Enter Your Name",
    372,
    60,
    true,
    {platform::DialogControl{platform::DialogControl::Kind::Edit, NAME_FIELD_ID, "", 18, 12, 338,
                             24}},
};

} // namespace

NameDialog::NameDialog() : platform::Dialog(&NAME_DIALOG_TEMPLATE) {}

void NameDialog::DoDataExchange() {
    name = GetDlgItemText(NAME_FIELD_ID);
}
