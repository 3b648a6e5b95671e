#pragma once

// The editing feature: the properties editor on the "Properties" page, the add dialog, folder
// password protection and the add commands, attached to the window's commands, events and
// settings.

#include "ui/editing/add_operations.h"
#include "ui/editing/folder_protection.h"
#include "ui/shell/feature.h"

namespace tarnlink {

class PropertiesEditor;
class TFormAdd;
class Workbench;
struct OptionsSection;

class EditingFeature : public Feature {
public:
    explicit EditingFeature(Workbench& bench);
    EditingFeature(const EditingFeature&) = delete;
    EditingFeature& operator=(const EditingFeature&) = delete;

    TFormAdd* addDialog() const { return add_; }
    PropertiesEditor* editor() const { return editor_; }
    FolderProtection& protection() { return protection_; }
    AddCommands& adds() { return adds_; }

    bool commitEdits() override;
    void nodeShown(const ShownNode& shown) override;
    void documentCleared() override;
    void storeSettings(Settings& settings) override;
    // Password stars, visit-time unit, password generator and add options.
    void settingsChanged(const Settings& settings) override;
    // The status bar's account of the shown node in the new language.
    void retranslate() override;

private:
    void applyOptions(const OptionsSection& options);
    void attachEditor();
    void attachAdds();
    void attachCommands();

    Workbench& bench_;
    TFormAdd* add_;            // owned by the window
    PropertiesEditor* editor_; // owned by its page
    FolderProtection protection_;
    AddCommands adds_;
};

} // namespace tarnlink
