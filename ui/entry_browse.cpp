// The two Browse buttons of the "General" page.
#include "core/entry_rule.h"
#include "core/show_commands.h"
#include "core/text.h"
#include "shell/shortcut.h"
#include "ui/entry_editor.h"

namespace corvane {
namespace {

// The start-mode item a shortcut's show command chooses.
int StartModeFor(std::int32_t showCommand) {
    switch (showCommand) {
    case kSwShowMinNoActive:
        return smMinimized;
    case kSwShowMaximized:
        return smMaximized;
    default:
        // A normal window, and every show command without a state of its own.
        return smNormal;
    }
}

} // namespace

void EntryEditor::OpenAtSelectedEntry(OpenDialog& dialog, const EntryTable& table) {
    // With no row selected the dialog opens where it opened last.
    if (const std::optional<int> k = SelectedSlot(table))
        dialog.SetInitialFolder(FolderPart(table.At(*k).path));
}

void EntryEditor::Browse(const EntryTable& table) {
    OpenAtSelectedEntry(programDialog_, table);
    const std::optional<std::string> chosen = programDialog_.Run(dialogs_, view_.DialogOwner());
    if (!chosen)
        return;
    // A name without the extension is looked up as name + ".lnk".
    const std::optional<LinkValues> shortcut = ReadShortcut(links_, files_, *chosen);
    if (!shortcut) {
        // Not a readable shortcut: the file itself.
        view_.SetText(Ctl::PathField, *chosen);
        view_.SetText(Ctl::IconPathField, *chosen);
        view_.SetText(Ctl::DescriptionField, AsDescription(fileIcons_.DisplayName(*chosen)));
        ShowPreview(*chosen);
        return;
    }
    // A shortcut's comment may be longer than a description; its path and
    // parameters are never cut, as a cut one may name another file: Add
    // refuses them instead.
    view_.SetText(Ctl::DescriptionField, AsDescription(shortcut->description));
    view_.SetText(Ctl::IconPathField, shortcut->target);
    view_.SetText(Ctl::PathField, shortcut->target);
    ShowPreview(*chosen);
    view_.SetComboIndex(StartModeFor(shortcut->showCmd));
    view_.SetText(Ctl::ParametersField, shortcut->arguments);
}

void EntryEditor::BrowseIcon(const EntryTable& table) {
    OpenAtSelectedEntry(iconDialog_, table);
    const std::optional<std::string> chosen = iconDialog_.Run(dialogs_, view_.DialogOwner());
    if (!chosen)
        return;
    view_.SetText(Ctl::IconPathField, *chosen);
    ShowPreview(*chosen);
}

} // namespace corvane
