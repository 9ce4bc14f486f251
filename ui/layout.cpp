#include "ui/layout.h"

#include <cstdlib>

namespace corvane {
namespace {

using namespace style;

constexpr std::uint32_t kShown = kChild | kVisible;
constexpr std::uint32_t kLabel = kShown | kLeftNoWordWrap;
constexpr std::uint32_t kEdit = kShown | kTabStop | kAutoHScroll;
constexpr std::uint32_t kButton = kShown | kTabStop;
constexpr std::uint32_t kCheck = kButton | kAutoCheckBox;

constexpr ControlRow Label(const char* text, DesignRect rect) {
    return {"STATIC", text, kLabel, 0, Page::General, rect, FontRole::Bold};
}
constexpr ControlRow Edit(Ctl control, DesignRect rect) {
    return {"EDIT", "", kEdit, kClientEdge, Page::General, rect, FontRole::Bold, true, control};
}
constexpr ControlRow Button(Ctl control, const char* text, std::uint32_t style, Page page,
                            DesignRect rect) {
    return {"BUTTON", text, style, 0, page, rect, FontRole::Bold, true, control};
}

// In tab order within each page, which is the reading order: line by line from the top, each
// line from the left. A label comes right before the box or list it names, which takes its name
// from it for a screen reader; labels carry no tab stop.
constexpr ControlRow kOptionsRows[] = {
    // Each label starts where it always did, with room to its right and below for the message
    // font's text (and its Japanese and Chinese glyphs, taller than Latin ones).
    Label("Path:", {56, 15, 31, 17}),
    Edit(Ctl::PathField, {88, 9, 289, 26}),
    Button(Ctl::BrowseButton, "&Browse...", kButton, Page::General, {389, 10, 73, 25}),
    Label("Icon Path:", {30, 46, 58, 17}),
    Edit(Ctl::IconPathField, {88, 42, 289, 26}),
    Button(Ctl::IconBrowseButton, "Br&owse...", kButton, Page::General, {389, 42, 73, 25}),
    Label("Parameters:", {15, 75, 73, 17}),
    Edit(Ctl::ParametersField, {88, 71, 377, 26}),
    Button(Ctl::RunAsAdminBox, "Run as administrator", kCheck, Page::General, {15, 104, 170, 17}),
    Label("Description:", {211, 104, 70, 17}),
    Edit(Ctl::DescriptionField, {281, 101, 184, 26}),
    // The list's name, not shown.
    {"STATIC", "Entries:", kChild, 0, Page::General, {8, 124, 60, 17}, FontRole::Bold},
    {"SysListView32", "", kButton | kEntryList, kClientEdge, Page::General, kEntryListRect,
     FontRole::Bold, true, Ctl::EntryList},
    Button(Ctl::AutoStartBox, "Auto Start", kCheck, Page::General, {260, 146, 97, 17}),
    Button(Ctl::AddButton, "&Add", kButton | kDisabled, Page::General, {382, 133, 78, 34}),
    Label("Start-Mode", {261, 171, 65, 17}),
    {"COMBOBOX",
     "",
     kButton | kVScroll | kDropDownList,
     0,
     Page::General,
     {260, 190, 106, 24 + 4 * 18},
     FontRole::Combo,
     true,
     Ctl::StartModeList},
    Button(Ctl::DeleteButton, "&Delete", kButton | kDisabled, Page::General, {382, 173, 78, 34}),
    Button(Ctl::ModifyButton, "&Modify", kButton | kDisabled, Page::General, {382, 213, 78, 34}),
    // Under the entry list, and the last button of the column beside it.
    Button(Ctl::MoveUpButton, "Move up", kButton, Page::General, {8, 262, 118, 26}),
    Button(Ctl::MoveDownButton, "Move down", kButton, Page::General, {130, 262, 118, 26}),
    Button(Ctl::HelpButton, "&Help", kButton, Page::General, {382, 253, 78, 34}),

    Button(Ctl::HideOnStartBox, "Hide on Startup", kCheck, Page::Options, {8, 8, 134, 23}),
    Button(Ctl::SingleClickBox, "Single Click Launch (instead of double clicking)", kCheck,
           Page::Options, {8, 32, 330, 19}),
    Button(Ctl::PopUpBox,
           "Corvane should put all of the icons on a pop menu (applies on next start)", kCheck,
           Page::Options, {8, 56, 465, 17}),
    Button(Ctl::SmallIconsBox, "Use Small Icons", kCheck, Page::Options, {27, 76, 134, 17}),
    {"STATIC",
     "Hot key for the menu:",
     kLabel,
     0,
     Page::Options,
     {8, 106, 130, 17},
     FontRole::Bold},
    {"msctls_hotkey32",
     "",
     kButton,
     kClientEdge,
     Page::Options,
     {140, 102, 160, 24},
     FontRole::Bold,
     true,
     Ctl::HotKeyField},
    Button(Ctl::ExportButton, "Export...", kButton, Page::Options, {8, 146, 100, 28}),
    Button(Ctl::ImportButton, "Import...", kButton, Page::Options, {116, 146, 100, 28}),
    {"STATIC",
     "To change the settings in the tool box, right click on any icon that the tool box has "
     "added to the system tray area.",
     kShown,
     0,
     Page::Options,
     {19, 216, 395, 73},
     FontRole::Normal},

    Button(Ctl::MinimizeButton, "Minimize", kShown | kTabStop | kDefPushButton, Page::Window,
           {9, 334, 81, 31}),
    Button(Ctl::QuitButton, "&Quit", kButton, Page::Window, {293, 334, 81, 31}),
    Button(Ctl::AboutButton, "Abo&ut", kButton, Page::Window, {392, 334, 81, 31}),
};

} // namespace

FontShape FontFor(FontRole role, int messageFontHeight) {
    struct Shape {
        bool bold;
        int twelfths;
    };
    constexpr Shape kShapes[] = {{true, 12}, {true, 13}, {false, 12}, {true, 16}, {true, 20}};
    const Shape shape = kShapes[static_cast<int>(role)];
    const int height = std::abs(messageFontHeight);
    return {shape.bold, (height * shape.twelfths + 6) / 12};
}

std::span<const ControlRow> OptionsControlRows() {
    return kOptionsRows;
}

} // namespace corvane
