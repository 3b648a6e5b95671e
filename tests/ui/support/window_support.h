#pragma once

// The real main window with scripted prompts, handling selection changes at once; every
// scripted answer and dialog must be used by the end of the test.

#include "editing_support.h"

#include "model/folder_password.h"
#include "ui/shell/form_main.h"

namespace tarnlink::testing {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        form.setPrompts(&prompts);
        form.setSelectionDelay(0);
    }
    void TearDown() override
    {
        EXPECT_TRUE(prompts.dialogsDone());
        EXPECT_TRUE(prompts.exhausted());
    }

    QApplication& app = ensureApp(); // before the window
    DialogPrompts prompts;
    TFormMain form;
};

// A collapsed folder with a password.
inline TfcTreeNode* addProtectedFolder(TfcTreeNodes& tree, TfcTreeNode* parent, const char* name, const char* password)
{
    TfcTreeNode* folder = addFolder(tree, parent, name);
    folder->FolderPassword = EncodeFolderPassword(password);
    SetFolderIcons(*folder, true);
    tree.NodeChanged(folder);
    return folder;
}

} // namespace tarnlink::testing
