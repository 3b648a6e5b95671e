#pragma once

// The "&Language" menu without its widgets: the languages found at start, the checked one,
// and the switch between languages.

#include "language_table.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace tarnlink {

// What a language switch does to the windows; the main window implements it.
class LanguageWindows {
public:
    virtual ~LanguageWindows() = default;
    // Translate the windows that live for the whole run with the table.
    virtual void translateWindows(const ZIREdozudurOdozed& table) = 0;
    // Let the screen show the English texts before the new language arrives.
    virtual void processPendingEvents() = 0;
    virtual void refreshDerivedTexts() = 0;
};

class LanguageMenu {
public:
    // Lists the *.lng files of the folder once; checks the name equal to storedLanguage.
    LanguageMenu(QString folder, const QString& storedLanguage);

    // The names of the files without their extension, sorted without regard to case.
    const QStringList& languages() const { return languages_; }
    // The checked item's name; empty when no item is checked.
    const QString& checked() const { return checked_; }
    // The file of a language (which need not exist).
    QString filePath(const QString& language) const;
    bool hasFile(const QString& language) const;

    // A menu caption that shows the name as it is ("&" would otherwise mark an accelerator).
    static QString caption(const QString& language);

    // At start: loads the stored language's file when it exists. True when the main window is
    // to be translated with it (the derived texts are refreshed either way).
    bool loadAtStart(const QString& storedLanguage, ZIREdozudurOdozed& table) const;

    // The user chose an item. Nothing happens for the checked one and false is returned;
    // otherwise storedLanguage becomes the name, the windows switch to it and it is checked.
    bool choose(const QString& language, QString& storedLanguage, ZIREdozudurOdozed& table,
                LanguageWindows& windows);

    // Brings the windows back to English through the reversed table, then to the language when
    // its file exists. Nothing happens for an empty name.
    void switchTo(const QString& language, ZIREdozudurOdozed& table, LanguageWindows& windows) const;

private:
    QString folder_;
    QStringList languages_;
    QMap<QString, QString> files_; // name -> file name as found in the folder
    QString checked_;
};

} // namespace tarnlink
