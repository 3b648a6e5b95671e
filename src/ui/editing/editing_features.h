#pragma once

// The editing features of the main window: the properties editor on the "Properties" page, the
// add dialog, folder password protection and the add commands, attached to the window's
// commands, tree events and settings.

#include "ui/editing/add_operations.h"
#include "ui/editing/folder_protection.h"
#include "ui/kit/prompts_source.h"

namespace tarnlink {

class PropertiesEditor;
class TFormAdd;
class TFormMain;

class EditingFeatures {
public:
    explicit EditingFeatures(TFormMain& form);
    EditingFeatures(const EditingFeatures&) = delete;
    EditingFeatures& operator=(const EditingFeatures&) = delete;

    TFormAdd* addDialog() const { return add_; }
    PropertiesEditor* editor() const { return editor_; }
    FolderProtection& protection() { return protection_; }
    AddCommands& adds() { return adds_; }

private:
    void attachEditor();
    void attachAdds();
    void attachCommands();

    TFormMain& form_;
    PromptsSource prompts_;
    TFormAdd* add_;            // owned by the window
    PropertiesEditor* editor_; // owned by its page
    FolderProtection protection_;
    AddCommands adds_;
};

} // namespace tarnlink
