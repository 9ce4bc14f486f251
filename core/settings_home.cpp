#include "core/settings_home.h"

#include "core/settings_file.h"
#include "core/settings_key.h"
#include "core/store_file.h"
#include "core/store_layout.h"

namespace corvane {
namespace {

constexpr const char* kReadOnlyRun = "runs read-only: what you change is not kept after it ends.";

std::string CannotRead(const std::string& path, const std::string& why) {
    return "Corvane could not read its settings file, " + path +
           (why.empty() ? "" : " (" + why + ")") + ".";
}

} // namespace

SettingsOpening SettingsHome::Open() {
    const FileContents contents = file_.Read();
    if (contents.status == FileContents::Status::NotFound)
        return {};
    const std::string path = file_.Path();
    SettingsOpening opening;
    place_ = file_.Writable() ? Place::File : Place::ReadOnlyFile;
    const bool found = contents.status == FileContents::Status::Ok;
    const SettingsFileRead read =
        found ? ReadSettingsFile(contents.bytes, fileKeys_) : SettingsFileRead{};
    const bool unreadable = !found || !read.refusal.empty();
    if (unreadable) {
        // Where it cannot go aside, a new file would take its place: the run stays read-only.
        const std::string kept = place_ == Place::File ? file_.KeepAside() : "";
        place_ = kept.empty() ? Place::ReadOnlyFile : Place::File;
        opening.notices.push_back(
            CannotRead(path, read.refusal) +
            (kept.empty()
                 ? " Corvane cannot move it aside, so it leaves it as it is and " +
                       std::string(kReadOnlyRun)
                 : " It is kept, unchanged, as " + kept + ", and Corvane starts a new one."));
        return opening;
    }
    if (place_ == Place::ReadOnlyFile) {
        opening.notices.push_back("Corvane cannot write its settings file, " + path + ". It " +
                                  kReadOnlyRun);
        return opening;
    }
    if (read.empty && SettingsKey::Exists(registry_, registry_.CurrentUser(), SettingsPath())) {
        // The key is there: the load opens it without changing it.
        registryStore_ = SettingsStore(registry_).Load();
        const std::size_t count = registryStore_->entries.size();
        if (count != 0)
            opening.copyQuestion =
                "This copy of Corvane keeps its settings in " + path +
                ", which holds none yet. Copy " +
                (count == 1 ? "the entry" : "the " + std::to_string(count) + " entries") +
                " stored on this computer into it? The computer's settings stay as they are.";
    }
    return opening;
}

WriteFailure SettingsHome::CopyFromRegistry() {
    if (!registryStore_)
        return std::nullopt;
    EntryTable table;
    table.AppendAll(registryStore_->entries);
    // Into the file's keys, then the file written once.
    WriteWholeStore(fileKeys_, registryStore_->options, registryStore_->hotKey, table);
    return Flush();
}

RegistryApi& SettingsHome::Active() {
    return place_ == Place::Registry ? registry_ : static_cast<RegistryApi&>(fileKeys_);
}

const RegistryApi& SettingsHome::Active() const {
    return place_ == Place::Registry ? registry_ : static_cast<const RegistryApi&>(fileKeys_);
}

RegKey SettingsHome::CurrentUser() const {
    return Active().CurrentUser();
}

std::optional<RegKey> SettingsHome::CreateKey(RegKey parent, const std::string& path) {
    return Active().CreateKey(parent, path);
}

OpenedKey SettingsHome::OpenKey(RegKey parent, const std::string& path) {
    return Active().OpenKey(parent, path);
}

void SettingsHome::CloseKey(RegKey key) {
    Active().CloseKey(key);
}

RegValue SettingsHome::QueryValue(RegKey key, const std::string& name) {
    return Active().QueryValue(key, name);
}

bool SettingsHome::SetValue(RegKey key, const std::string& name, RegType type,
                            const std::vector<std::uint8_t>& data) {
    return Active().SetValue(key, name, type, data);
}

bool SettingsHome::DeleteKey(RegKey parent, const std::string& path) {
    return Active().DeleteKey(parent, path);
}

std::optional<std::string> SettingsHome::Flush() {
    if (place_ != Place::File || file_.Replace(SettingsFileBytes(fileKeys_, SettingsPath())))
        return std::nullopt;
    return WriteFailureMessage(file_.Path());
}

} // namespace corvane
