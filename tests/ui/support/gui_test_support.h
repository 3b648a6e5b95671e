#pragma once

// Shared set-up of the GUI tests: one QApplication, test-mode standard paths and a temporary
// TARNLINK_HOME, so nothing outside temporary folders is touched.

#include "document/collection_file.h"
#include "model/node_icons.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"
#include "settings/settings.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace tarnlink::testing {

inline QApplication& ensureApp()
{
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static QTemporaryDir home;
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        qputenv("TARNLINK_HOME", home.path().toUtf8());
        // The desktop entries the preferences write (association, autostart) stay inside too.
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("xdg-data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("xdg-config")).toUtf8());
        return new QApplication(argc, argv);
    }();
    return *app;
}

inline TfcTreeNode* addFolder(TfcTreeNodes& tree, TfcTreeNode* parent, const char* name)
{
    TfcTreeNode* n = tree.AddChild(parent, name);
    n->Kind = KindFolder;
    SetFolderIcons(*n, false);
    return n;
}

inline TfcTreeNode* addLink(TfcTreeNodes& tree, TfcTreeNode* parent, const char* name, const char* link1 = "",
                            const char* link2 = "")
{
    TfcTreeNode* n = tree.AddChild(parent, name);
    n->Link1 = link1;
    n->Link2 = link2;
    SetLinkRating(*n, 0);
    return n;
}

inline TfcTreeNode* addSeparator(TfcTreeNodes& tree, TfcTreeNode* parent)
{
    TfcTreeNode* n = tree.AddChild(parent, "");
    n->Kind = KindSeparator;
    n->ImageIndex = n->SelectedIndex = icon::Separator;
    return n;
}

// A folder "Work" with two links, then a separator and a link "Home": one folder, three links.
inline void fillSmallTree(TfcTreeNodes& tree)
{
    TfcTreeNode* work = addFolder(tree, nullptr, "Work");
    addLink(tree, work, "Mail", "http://mail.example.com/");
    addLink(tree, work, "Wiki", "http://wiki.example.com/");
    addSeparator(tree, nullptr);
    addLink(tree, nullptr, "Home", "http://home.example.com/");
}

inline void writeSmallCollection(const QString& path)
{
    TfcTreeNodes tree;
    fillSmallTree(tree);
    WriteCollection(path, tree, CountNodes(tree));
}

// The default settings without the tip window at start, which would open in every test.
inline Settings quietSettings()
{
    Settings settings;
    settings.tips.chkShowTip = false;
    return settings;
}

} // namespace tarnlink::testing
