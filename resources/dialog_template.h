// Dialog templates as data: the controls of a dialog, each with its id, kind, rectangle in dialog
// units, text and styles, in tab order. The files live in resources/dialogs/ and are carried inside
// the program.
#pragma once

#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace resources {

// A caption of a dialog: its control and the id of its text in the string tables.
struct CaptionText {
    int controlId;
    unsigned stringId;
};

// The dialog templates of resources/dialogs/, by id.
enum DialogId : int {
    kAboutDialog = 100,
    kMainWindowDialog = 103,
    kDownloadProgressDialog = 104,
    kUpdateDialog = 105,
};

enum class ControlKind {
    kButton,      // push button
    kDatePicker,  // date picker with a drop-down calendar
    kDropDown,    // drop-down list
    kEdit,        // one-line edit field
    kCaption,     // static caption
    kText,        // static text the program sets
    kValue,       // static value text
    kGroupBox,
    kBitmap,      // static picture of a bitmap resource
    kIcon,        // the program icon
    kProgressBar,
    kLink,        // a caption drawn as a link
};

struct ControlTemplate {
    int id = -1;  // -1: a control the program never addresses
    ControlKind kind = ControlKind::kCaption;
    int x = 0, y = 0, width = 0, height = 0;  // dialog units
    std::wstring text;
    std::set<std::string> styles;  // "bold", "right", "left", "hidden", "sorted", "default", ...
    int bitmap = 0;                // the bitmap resource of a picture, 0 for none

    bool Has(const std::string& style) const { return styles.count(style) != 0; }
};

struct DialogTemplate {
    int id = 0;
    int width = 0, height = 0;  // dialog units
    std::wstring title;
    std::set<std::string> styles;
    std::vector<ControlTemplate> controls;

    // The control of an id; nullptr when the template has none.
    const ControlTemplate* Find(int controlId) const;
};

class DialogTemplateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Lines: `dialog ID WIDTH HEIGHT "TITLE" STYLE...` once, then `control ID KIND X Y W H "TEXT"
// STYLE...`; a style `bitmap=N` names a picture. Blank lines and lines starting with # are skipped.
DialogTemplate ParseDialogTemplate(std::string_view utf8);

// The template of an id from the program's resources (resources/dialogs/*_ID.dlg).
const DialogTemplate& LoadDialogTemplate(int id);

}  // namespace resources
