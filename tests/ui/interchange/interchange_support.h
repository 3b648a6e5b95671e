#pragma once

// The main window with a small tree, its own settings file and scripted prompts, for the tests
// of the import, export and print commands.

#include "editing_support.h"
#include "test_support.h"

#include "model/tree_counts.h"
#include "settings/settings.h"
#include "ui/interchange/interchange_feature.h"
#include "ui/shell/form_main.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace tarnlink::testing {

class InterchangeTest : public ::testing::Test {
protected:
    void SetUp() override { makeForm(); }
    void TearDown() override
    {
        EXPECT_TRUE(prompts.exhausted()) << "scripted replies left over";
        EXPECT_TRUE(prompts.dialogsDone()) << "scripted dialogs left over";
    }

    // A new window over the small tree, reading the test's own settings file.
    void makeForm(const Settings& settings = quietSettings())
    {
        ensureApp();
        SettingsFile(iniPath()).save(settings);
        form.reset();
        form = std::make_unique<TFormMain>(iniPath());
        form->setPrompts(&prompts);
        form->setSelectionDelay(0);
        feature = form->feature<InterchangeFeature>();
        ASSERT_NE(feature, nullptr);
        // "Target" (0) holding "inside" (1), then "top" (2) and the separator "line" (3).
        test::Build(form->tree(), {test::Folder("Target", {test::Link("inside", "http://in/")}), test::Link("top", "http://top/"),
                                   test::Separator("line")});
        form->document().counts = CountNodes(form->tree());
    }

    QString iniPath() const { return dir.filePath(QStringLiteral("Tarnlink.ini")); }
    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    TfcTreeNode* node(int index) { return form->tree().NodeAt(index); }
    void select(int index)
    {
        if (index < 0)
            form->tree().Select(nullptr);
        else
            form->selectNode(node(index));
    }
    std::string outline() const { return test::Outline(form->tree()); }

    QTemporaryDir dir;
    DialogPrompts prompts;
    std::unique_ptr<TFormMain> form;
    InterchangeFeature* feature = nullptr;
};

} // namespace tarnlink::testing
