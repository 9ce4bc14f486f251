// The two Browse buttons of the "General" page.
#include "core/entry_rule.h"
#include "core/show_commands.h"
#include "core/text.h"
#include "ui/entry_editor.h"

namespace corvane {
namespace {

// The start-mode item a shortcut's window state chooses.
int StartModeFor(TWindowState state) {
    switch (state) {
    case wsMinimized:
        return smMinimized;
    case wsMaximized:
        return smMaximized;
    case wsNormal:
        break;
    }
    return smNormal;
}

} // namespace

void EntryEditor::OpenAtSelectedEntry(OpenDialog& dialog, const EntryTable& table) {
    // With no row selected the dialog opens where it opened last.
    if (const std::optional<int> k = SelectedSlot(table))
        dialog.SetInitialFolder(FolderPart(table.At(*k).Path));
}

void EntryEditor::Browse(const EntryTable& table) {
    OpenAtSelectedEntry(programDialog_, table);
    const std::optional<std::string> chosen = programDialog_.Run(dialogs_, view_.DialogOwner());
    if (!chosen)
        return;
    try {
        // A name without the extension is looked up as name + ".lnk".
        link_.SetFileName(*chosen);
        link_.ReadLink();
    } catch (const EKvShellLink&) {
        // Not a readable shortcut: the file itself.
        view_.SetText(Ctl::txtPath, *chosen);
        view_.SetText(Ctl::txtIconPath, *chosen);
        view_.SetText(Ctl::txtToolTip, AsDescription(GetFileDisplayName(shellIcons_, *chosen)));
        ShowPreview(*chosen);
        return;
    }
    // A shortcut's comment may be longer than a description; its path and
    // parameters are never cut, as a cut one may name another file: Add
    // refuses them instead.
    view_.SetText(Ctl::txtToolTip, AsDescription(link_.Description()));
    view_.SetText(Ctl::txtIconPath, link_.Target());
    view_.SetText(Ctl::txtPath, link_.Target());
    ShowPreview(*chosen);
    view_.SetComboIndex(StartModeFor(link_.WindowState()));
    view_.SetText(Ctl::txtParameters, link_.Arguments());
}

void EntryEditor::BrowseIcon(const EntryTable& table) {
    OpenAtSelectedEntry(iconDialog_, table);
    const std::optional<std::string> chosen = iconDialog_.Run(dialogs_, view_.DialogOwner());
    if (!chosen)
        return;
    view_.SetText(Ctl::txtIconPath, *chosen);
    ShowPreview(*chosen);
}

} // namespace corvane
