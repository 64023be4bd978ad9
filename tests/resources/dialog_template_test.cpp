// Dialog templates: the parser, and the main window's template that ships.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "resources/caption_targets.h"
#include "resources/dialog_template.h"
#include "resources/main_window_controls.h"
#include "resources/mnemonics.h"

namespace {

using resources::ControlKind;
using resources::DialogTemplateError;
using resources::ParseDialogTemplate;

TEST(ParseDialogTemplate, DialogAndControls) {
    const resources::DialogTemplate dialog = ParseDialogTemplate(
        "# comment\n"
        "\n"
        "dialog 7 200 100 \"Title \xc3\xa4\" caption sysmenu\r\n"
        "control 10 button 1 2 30 14 \"&OK\" default\n"
        "control -1 bitmap 0 0 50 20 \"\" centerimage bitmap=129\n"
        "control 11 value 5 6 7 8 \"\" right bold\n");
    EXPECT_EQ(dialog.id, 7);
    EXPECT_EQ(dialog.width, 200);
    EXPECT_EQ(dialog.title, L"Title \u00e4");
    EXPECT_TRUE(dialog.styles.count("sysmenu"));
    ASSERT_EQ(dialog.controls.size(), 3u);
    EXPECT_EQ(dialog.controls[0].kind, ControlKind::kButton);
    EXPECT_EQ(dialog.controls[0].text, L"&OK");
    EXPECT_TRUE(dialog.controls[0].Has("default"));
    EXPECT_EQ(dialog.controls[1].bitmap, 129);
    EXPECT_EQ(dialog.controls[1].id, -1);
    const resources::ControlTemplate* value = dialog.Find(11);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->x, 5);
    EXPECT_EQ(value->height, 8);
    EXPECT_TRUE(value->Has("right") && value->Has("bold"));
    EXPECT_EQ(dialog.Find(12), nullptr);
}

TEST(ParseDialogTemplate, RefusesDamagedTemplates) {
    for (const char* bad : {"", "control 1 button 0 0 1 1 \"x\"\n",
                            "dialog 1 2 3 \"t\"\ndialog 1 2 3 \"t\"\n",
                            "dialog 1 2 3 \"t\"\ncontrol 1 slider 0 0 1 1 \"\"\n",
                            "dialog 1 2 3 \"t\"\ncontrol 1 button 0 0 1 \"x\"\n",
                            "dialog 1 2 3 \"t\"\ncontrol 1 button 0 0 1 1 \"open\n",
                            "dialog 1 2 3 \"t\"\ncontrol 1 button 0 0 1 1 \"\"\ncontrol 1 edit 0 0 1 1 \"\"\n",
                            "dialog x 2 3 \"t\"\n", "window 1 2 3 \"t\"\n"}) {
        EXPECT_THROW(ParseDialogTemplate(bad), DialogTemplateError) << bad;
    }
}

TEST(MainWindowTemplate, HoldsEveryControlOfTheWindow) {
    const resources::DialogTemplate& dialog = resources::LoadDialogTemplate(103);
    EXPECT_EQ(dialog.width, 450);
    EXPECT_EQ(dialog.height, 375);
    const std::set<int> expected = {
        1000, 1003, 1004, 1007, 1011, 1012, 1015, 1018, 1019, 1022, 1023, 1024, 1025, 1028, 1035,
        1037, 1038, 1039, 1040, 1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048, 1049, 1050, 1051,
        1052, 1053, 1054, 1055, 1056, 1057, 1058, 1059, 1060, 1061, 1062, 1069, 1070, 1071, 1072,
        1073, 1074, 1075, 1076, 1077, 1078, 1079, 1080, 1081, 1082, 1083, 1084, 1085, 1086, 1087,
        1088, 1089, 1090, 1091, 1092, 1093, 1094, 1095, 1096, 1097, 1099, 1100, 1101, 1103,
        2001, 2002};  // added later: the month table's and the chart's buttons, last in the tab order
    std::set<int> ids;
    for (const auto& control : dialog.controls) {
        if (control.id >= 0) ids.insert(control.id);
    }
    EXPECT_EQ(ids, expected);
    // The tab order starts with the date controls; the state list starts hidden.
    EXPECT_EQ(dialog.controls.front().id, 1035);
    EXPECT_EQ(dialog.controls.back().id, 2002);
    EXPECT_TRUE(dialog.Find(1004)->Has("hidden"));
    EXPECT_EQ(dialog.Find(1018)->bitmap, 172);
    // Every control lies inside the dialog.
    for (const auto& control : dialog.controls) {
        EXPECT_LE(control.x + control.width, dialog.width) << control.id;
        EXPECT_LE(control.y + (control.kind == ControlKind::kDropDown ? 14 : control.height), dialog.height)
            << control.id;
    }
    EXPECT_THROW(resources::LoadDialogTemplate(999), DialogTemplateError);
}

// The captions that name the window's fields and values: the nearest on the row to the left, where
// a row holds two captions, a value left of the control, or a list whose opened height reaches
// down into the rows below.
TEST(CaptionTargets, NameEachControlByTheCaptionOnItsRow) {
    const resources::DialogTemplate& dialog = resources::LoadDialogTemplate(103);
    std::map<int, int> captionOf;
    for (const resources::CaptionTarget& target : resources::CaptionTargets(dialog)) {
        EXPECT_TRUE(captionOf.emplace(target.controlId, target.captionId).second) << target.controlId;
    }
    const std::pair<int, int> expected[] = {
        {kDatePicker, kDateCaption},           {kTimeZoneList, kTimeZoneCaption},
        {kContinentList, kContinentCaption},   {kCountryList, kCountryCaption},
        {kCityList, kCityCaption},             {kStateList, kStateCaption},
        {kLatitudeField, kLatitudeCaption},    {kLongitudeField, kLongitudeCaption},
        {kSunriseValue, kSunriseCaption},      {kSunriseAzimuthValue, kSunriseAzimuthCaption},
        {kMoonriseValue, kMoonriseCaption},    {kMoonCulminationValue, kMoonCulminationCaption},
        {kAstronomicalBeginValue, kAstronomicalCaption}, {kAstronomicalEndValue, kAstronomicalCaption},
        {kNextFullMoonValue, kNextFullMoonCaption},      {kNauticalEndValue, kNauticalCaption},
        {kPhaseValue, kPhaseCaption},          {kEquationOfTimeValue, kEquationOfTimeCaption},
    };
    for (const auto& [control, caption] : expected) EXPECT_EQ(captionOf[control], caption) << control;
    // Every list, field and value of the window has its caption.
    for (const auto& control : dialog.controls) {
        const bool named = control.kind == ControlKind::kDropDown || control.kind == ControlKind::kEdit ||
                           control.kind == ControlKind::kDatePicker || control.kind == ControlKind::kValue;
        if (named) {
            EXPECT_TRUE(captionOf.count(control.id)) << control.id;
        }
    }
}

TEST(WithTemplateMnemonic, MarksTheTemplatesLetterOrTheFirst) {
    const struct {
        const wchar_t* text;
        const wchar_t* templateText;
        const wchar_t* expected;
    } cases[] = {
        {L"Country:", L"Countr&y:", L"Countr&y:"},          // the template's letter
        {L"Kontinent:", L"&Continent:", L"&Kontinent:"},    // absent: the first letter
        {L"Mon Compte:", L"&Country:", L"Mon &Compte:"},     // without regard to case
        {L"\u03a7\u03ce\u03c1\u03b1:", L"Countr&y:", L"&\u03a7\u03ce\u03c1\u03b1:"},
        {L"Tom && Jerry", L"&Table", L"&Tom && Jerry"},      // "&&" is no mnemonic
        {L"&Tabelle...", L"&Table...", L"&Tabelle..."},    // the text's own
        {L"Latitude:", L"Latitude:", L"Latitude:"},          // the template has none
        {L"", L"&City:", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resources::WithTemplateMnemonic(c.text, c.templateText), c.expected) << c.text;
    }
}

}  // namespace
