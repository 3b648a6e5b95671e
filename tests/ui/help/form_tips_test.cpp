#include "settings/language_menu.h"
#include "settings/language_table.h"
#include "settings/settings.h"
#include "ui/help/form_tips.h"
#include "ui/kit/translate_form.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarnlink;

namespace {

const QString kMenuCaption = QStringLiteral("&Tip of the day");

TFormTips* openTips(TipsSection& settings, const ZIREdozudurOdozed& table = {},
                    const QString& languageFile = {})
{
    return TFormTips::open(settings, table, languageFile, kMenuCaption, nullptr);
}

// Closes the window the way its button does and lets it free itself.
void closeByButton(TFormTips* window)
{
    QPointer<TFormTips> alive(window);
    QTest::mouseClick(window->Button1(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

} // namespace

TEST(FormTips, FirstStartShowsTheFirstTipAndTipNumSteps)
{
    TipsSection settings;
    TFormTips* window = openTips(settings);
    EXPECT_EQ(window->windowTitle(), "Tip of the day");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->CheckShowTip()->isChecked());
    EXPECT_EQ(window->LabTip()->text(), TADTip::builtInTips()[0]);
    closeByButton(window);
    EXPECT_EQ(settings.tipNum, 1);
    EXPECT_TRUE(settings.chkShowTip);

    window = openTips(settings);
    EXPECT_EQ(window->LabTip()->text(), TADTip::builtInTips()[1]);
    closeByButton(window);
    EXPECT_EQ(settings.tipNum, 2);
}

TEST(FormTips, ButtonsStepAroundTheList)
{
    TipsSection settings;
    settings.tipNum = 9;
    TFormTips* window = openTips(settings);
    const QStringList tips = TADTip::builtInTips();
    EXPECT_EQ(window->LabTip()->text(), tips[9]);
    QTest::mouseClick(window->Button2(), Qt::LeftButton);
    EXPECT_EQ(window->LabTip()->text(), tips[0]); // Next on the last
    QTest::mouseClick(window->Button3(), Qt::LeftButton);
    EXPECT_EQ(window->LabTip()->text(), tips[9]); // Prev on the first
    QTest::mouseClick(window->Button3(), Qt::LeftButton);
    EXPECT_EQ(window->LabTip()->text(), tips[8]);
    QTest::mouseClick(window->Button4(), Qt::LeftButton);
    EXPECT_TRUE(tips.contains(window->LabTip()->text()));
    const int shown = window->tips().TipIndex;
    EXPECT_EQ(window->LabTip()->text(), tips[shown]);
    closeByButton(window);
    EXPECT_EQ(settings.tipNum, shown + 1);
}

TEST(FormTips, AfterTheLastTipOrBeyondAnOpeningShowsARandomTip)
{
    TipsSection settings;
    settings.tipNum = 10;
    TFormTips* window = openTips(settings);
    const int shown = window->tips().TipIndex;
    EXPECT_GE(shown, 0);
    EXPECT_LT(shown, 10);
    closeByButton(window);
    EXPECT_EQ(settings.tipNum, shown + 1);
}

TEST(FormTips, UncheckingShowAtStartupIsStoredOnEveryClose)
{
    TipsSection settings;
    TFormTips* first = openTips(settings);
    TFormTips* second = openTips(settings); // a second, independent window
    first->CheckShowTip()->setChecked(false);
    QTest::mouseClick(second->Button2(), Qt::LeftButton);
    first->close(); // the window manager's close ends the same way
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(settings.chkShowTip);
    EXPECT_EQ(settings.tipNum, 1);
    QTest::keyClick(second, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(settings.chkShowTip); // the last one closed wins
    EXPECT_EQ(settings.tipNum, 2);
}

TEST(FormTips, TranslatedWithTheLanguageFileAndItsTips)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("German.lng"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("&Tip of the day=&Tipp des Tages\r\n&Next=&Weiter\r\nDid you know...=Wussten Sie...\r\n"
               "Tip0=Erster\r\nTip1=Zweiter\r\n");
    file.close();
    ZIREdozudurOdozed table;
    ASSERT_TRUE(table.LoadLanguageFile(file.fileName()));

    TipsSection settings;
    TFormTips* window = TFormTips::open(settings, table, file.fileName(), table.Translate(kMenuCaption), nullptr);
    EXPECT_EQ(window->windowTitle(), "Tipp des Tages");
    EXPECT_EQ(window->Button2()->text(), "&Weiter");
    EXPECT_TRUE(WindowTexts(window).contains("Wussten Sie..."));
    EXPECT_EQ(window->LabTip()->text(), "Erster");
    QTest::mouseClick(window->Button2(), Qt::LeftButton);
    EXPECT_EQ(window->LabTip()->text(), "Zweiter");
    closeByButton(window);
}

TEST(FormTips, EveryTextIsInEachShippedLanguageFile)
{
    const LanguageMenu menu(QStringLiteral(TARNLINK_LANGUAGE_DIR), "English");
    ASSERT_FALSE(menu.languages().isEmpty());
    TipsSection settings;
    TFormTips* window = openTips(settings);
    const QStringList texts = WindowTexts(window);
    EXPECT_TRUE(texts.contains("Show at startup"));
    for (const QString& language : menu.languages()) {
        ZIREdozudurOdozed table;
        ASSERT_TRUE(table.LoadLanguageFile(menu.filePath(language)));
        for (const QString& text : texts) {
            const bool listed = std::any_of(table.lines().begin(), table.lines().end(), [&](const QString& line) {
                return line.left(line.indexOf(u'=')).compare(text.trimmed(), Qt::CaseInsensitive) == 0;
            });
            EXPECT_TRUE(listed) << language.toStdString() << ": " << text.toStdString();
        }
        EXPECT_TRUE(table.lines().contains("&Tip of the day=" + table.Translate("&Tip of the day")));
    }
    closeByButton(window);
}
