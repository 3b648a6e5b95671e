#pragma once

// Checks that the shipped language files cover a feature's windows: the main window is opened in
// English and then in every other language, the windows a test names are created as the program
// creates them (translating themselves), and every text they show must either differ from the
// English window's text, be kept as it is by the language file, or be no words at all.

#include "gui_test_support.h"

#include "settings/language_folder.h"
#include "settings/language_menu.h"
#include "settings/text_file.h"
#include "ui/kit/translate_form.h"
#include "ui/shell/form_main.h"
#include "ui/testing/scripted_prompts.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace tarnlink::testing {

// The windows whose texts are checked, made for the main window given.
using WindowsOf = std::function<QList<QWidget*>(TFormMain&)>;

// Texts no language file needs: made by code from other texts, filled in at run time, or not
// words at all.
inline bool deliberatelyUntranslated(const QString& text)
{
    static const QRegularExpression notWords(QStringLiteral("^[^\\p{L}]*$"));
    return notWords.match(text).hasMatch() || text == QLatin1String("Tarnlink");
}

// The source texts of a language file, folded as look-up folds them.
inline QSet<QString> sourcesOf(const QString& languageFile)
{
    QSet<QString> sources;
    for (const QString& line : readTextFileLines(languageFile).value_or(QStringList()))
        if (const qsizetype at = line.indexOf(u'='); at > 0 && at + 1 < line.size())
            sources.insert(line.left(at).trimmed().toCaseFolded());
    return sources;
}

inline QStringList textsOf(TFormMain& form, const WindowsOf& windowsOf)
{
    QStringList texts;
    for (QWidget* window : windowsOf(form))
        texts += WindowTexts(window);
    texts.removeDuplicates();
    return texts;
}

// Opens the main window in each language in turn and checks the windows' texts.
inline void ExpectNoTextLeftInEnglish(const WindowsOf& windowsOf)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Tarnlink.ini"));
    ScriptedPrompts prompts;
    auto open = [&](const QString& language) {
        Settings settings = quietSettings();
        settings.main.language = language;
        SettingsFile(ini).save(settings);
        auto form = std::make_unique<TFormMain>(ini);
        form->setPrompts(&prompts);
        return form;
    };
    const QStringList english = textsOf(*open(QStringLiteral("English")), windowsOf);
    ASSERT_FALSE(english.isEmpty());
    const LanguageMenu languages(languageFolder(), QStringLiteral("English"));
    ASSERT_GE(languages.languages().size(), 3);
    for (const QString& language : languages.languages()) {
        if (language == QLatin1String("English"))
            continue;
        SCOPED_TRACE(language.toStdString());
        const QSet<QString> sources = sourcesOf(languages.filePath(language));
        for (const QString& text : textsOf(*open(language), windowsOf))
            EXPECT_TRUE(!english.contains(text) || deliberatelyUntranslated(text)
                        || sources.contains(text.trimmed().toCaseFolded()))
                << "left in English: " << text.toStdString();
    }
}

} // namespace tarnlink::testing
