#pragma once

// The export dialog: one page per target format (Internet Explorer favorites, Opera hotlist,
// HTML, text, and the bookmark files of today's browsers), the scope below them, and OK, which
// writes the page that is showing.

#include "ui/interchange/html_templates.h"
#include "ui/kit/prompts_source.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace tarnlink {

class BookmarkExportPage;
class Prompts;
class TfcTreeNodes;
struct ExportScope;
struct ExportSection;

class TFormExport : public QDialog {
    Q_OBJECT
public:
    enum Page { TabIE, TabOpera, TabHtml, TabText, TabNetscape, TabChromium, TabXbel, PageCount };
    static constexpr int kTextFields = 7;

    TFormExport(TfcTreeNodes& tree, PromptsSource prompts, QWidget* parent = nullptr);

    // The controls from the section "Export" and back.
    void loadSettings(const ExportSection& settings);
    void storeSettings(ExportSection& settings) const;
    void setTemplates(const HtmlTemplates& templates);
    HtmlTemplates templates() const;
    // Either memo was changed since setTemplates.
    bool templatesEdited() const;
    // Where the window stood when it closed, else where it stands; the inside of the window,
    // which is what a move before showing places.
    QPoint position() const { return closedAt_.value_or(geometry().topLeft()); }

    // Writes what the page showing asks for; the dialog then closes with OK.
    void BtnOkClick();
    // CheckGroups follows "Select folder".
    void RadioBtnSelGroupClick();
    void EditDirIEButtonClick();
    void BtnGetDirIEClick();
    void Button2Click();
    void EditFNameOperaButtonClick();
    void BtnGetOperaFileClick();
    void EditNameHtmButtonClick();
    void EditNameTxtButtonClick();

    QTabWidget* PageControl() const { return pageControl_; }
    QLineEdit* EditDirIE() const { return editDirIE_; }
    QToolButton* EditDirIEButton() const { return editDirIEButton_; }
    QPushButton* BtnGetDirIE() const { return btnGetDirIE_; }
    QListWidget* ListBox1() const { return listBox1_; }
    QPushButton* Button1() const { return button1_; }
    QPushButton* Button2() const { return button2_; }
    QLineEdit* EditFNameOpera() const { return editFNameOpera_; }
    QToolButton* EditFNameOperaButton() const { return editFNameOperaButton_; }
    QPushButton* BtnGetOperaFile() const { return btnGetOperaFile_; }
    QLineEdit* EditNameHtm() const { return editNameHtm_; }
    QToolButton* EditNameHtmButton() const { return editNameHtmButton_; }
    QCheckBox* CheckBlankHtm() const { return checkBlankHtm_; }
    QCheckBox* CheckDateHtm() const { return checkDateHtm_; }
    QTabWidget* PageControlHtml() const { return pageControlHtml_; }
    QPlainTextEdit* MemoBegin() const { return memoBegin_; }
    QPlainTextEdit* MemoEnd() const { return memoEnd_; }
    QLineEdit* EditNameTxt() const { return editNameTxt_; }
    QToolButton* EditNameTxtButton() const { return editNameTxtButton_; }
    QRadioButton* RadioBtnWin() const { return radioBtnWin_; }
    QRadioButton* RadioBtnDos() const { return radioBtnDos_; }
    // CheckBox1 ... CheckBox7 at 0 ... 6.
    QCheckBox* CheckBox(int index) const { return checkBoxes_.at(size_t(index)); }
    QRadioButton* RadioBtnAllFile() const { return radioBtnAllFile_; }
    QRadioButton* RadioBtnSelGroup() const { return radioBtnSelGroup_; }
    QCheckBox* CheckGroups() const { return checkGroups_; }
    // The pages of today's browsers' formats, TabNetscape ... TabXbel.
    BookmarkExportPage* BookmarkPage(Page page) const { return bookmarkPages_.at(size_t(page - TabNetscape)); }
    QPushButton* BtnOk() const { return btnOk_; }
    QPushButton* BtnCancle() const { return btnCancle_; }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPageIE();
    QWidget* buildPageOpera();
    QWidget* buildPageHtml();
    QWidget* buildPageText();
    QGroupBox* buildScope();
    void addBookmarkPages();
    // The page showing, when it is one of today's browsers' formats, tells what is left out.
    void showLosses();

    Prompts& prompts() const { return prompts_(); }
    ExportScope scope() const;
    void exportToIE();
    // Runs the page's writer on the path in edit, unless it is empty; a failure is reported.
    void exportToFile(const QLineEdit* edit, const std::function<void(const QString&)>& write);
    // The save dialog with the dialog's caption as title; the chosen path goes into edit.
    void browseSaveFile(QLineEdit* edit, const QString& filter, const char* suffix);

    TfcTreeNodes& tree_;
    PromptsSource prompts_;
    QTabWidget* pageControl_;
    QLineEdit* editDirIE_ = nullptr;
    QToolButton* editDirIEButton_ = nullptr;
    QPushButton* btnGetDirIE_ = nullptr;
    QListWidget* listBox1_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPushButton* button2_ = nullptr;
    QLineEdit* editFNameOpera_ = nullptr;
    QToolButton* editFNameOperaButton_ = nullptr;
    QPushButton* btnGetOperaFile_ = nullptr;
    QLineEdit* editNameHtm_ = nullptr;
    QToolButton* editNameHtmButton_ = nullptr;
    QCheckBox* checkBlankHtm_ = nullptr;
    QCheckBox* checkDateHtm_ = nullptr;
    QTabWidget* pageControlHtml_ = nullptr;
    QPlainTextEdit* memoBegin_ = nullptr;
    QPlainTextEdit* memoEnd_ = nullptr;
    QLineEdit* editNameTxt_ = nullptr;
    QToolButton* editNameTxtButton_ = nullptr;
    QRadioButton* radioBtnWin_ = nullptr;
    QRadioButton* radioBtnDos_ = nullptr;
    std::array<QCheckBox*, kTextFields> checkBoxes_{};
    std::array<BookmarkExportPage*, PageCount - TabNetscape> bookmarkPages_{};
    QRadioButton* radioBtnAllFile_ = nullptr;
    QRadioButton* radioBtnSelGroup_ = nullptr;
    QCheckBox* checkGroups_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancle_ = nullptr;
    std::optional<QPoint> closedAt_;
};

// The Opera hotlist this system keeps (~/.opera/*.adr, the first by name); empty when none.
QString FindOperaHotlist(const QString& home);

} // namespace tarnlink
