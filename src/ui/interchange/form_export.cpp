#include "ui/interchange/form_export.h"

#include "interchange/bookmark_formats.h"
#include "interchange/export_walk.h"
#include "interchange/html_export.h"
#include "interchange/ie_export.h"
#include "interchange/opera_export.h"
#include "interchange/text_export.h"
#include "model/tree_node.h"
#include "platform/favorites_folder.h"
#include "settings/settings.h"
#include "ui/interchange/bookmark_export_page.h"
#include "ui/interchange/browser_texts.h"
#include "ui/interchange/favorites_clearing.h"
#include "ui/interchange/path_group.h"
#include "ui/kit/command_guard.h"
#include "ui/kit/editor_state.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnlink {

namespace {

// Captions of CheckBox1 ... CheckBox7, in the order of the text export's fields.
constexpr std::array<const char*, TFormExport::kTextFields> kFieldCaptions{
    "Name", "Link", "Description", "Login", "Password", "Clicks", "Visit"};

QPushButton* namedButton(const char* name, const char* caption)
{
    auto* button = new QPushButton(QLatin1String(caption));
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

template <typename Box>
Box* namedBox(const char* name, const char* caption)
{
    auto* box = new Box(QLatin1String(caption));
    box->setObjectName(QLatin1String(name));
    return box;
}

// A group with its widgets one below the other.
QGroupBox* stackedGroup(const char* name, const char* caption, std::initializer_list<QWidget*> widgets)
{
    auto* group = namedBox<QGroupBox>(name, caption);
    auto* layout = new QVBoxLayout(group);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch(1);
    return group;
}

QPlainTextEdit* memo(const char* name)
{
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(QLatin1String(name));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setProperty(kUntranslatedProperty, true);
    return memo;
}

// What this system knows of Internet Explorer: no such browser, and the favorites folder that
// stands in for its own.
QStringList browserInformation()
{
    const QString bar = QStringLiteral("===============================");
    const QString colon = QStringLiteral(":");
    const QString none;
    return {Translate("Internet Explorer is not installed"),
            Translate("Version") + colon + QLatin1Char(' '),
            none, bar, Translate("Folders"), bar, none,
            Translate("Favorites") + colon, GetFavoritesFolder(), none,
            Translate("Cookies") + colon, none, none,
            Translate("History") + colon, none, none,
            Translate("Cache") + colon, none,
            none, bar, Translate("Pages"), bar, none,
            Translate("Initial") + colon, none, none,
            Translate("Search") + colon, none, none,
            Translate("Local") + colon, none};
}

QString absolute(const QString& path)
{
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

} // namespace

QString FindOperaHotlist(const QString& home)
{
    const QStringList found = QDir(QDir(home).filePath(QStringLiteral(".opera"))).entryList(
        {QStringLiteral("*.adr")}, QDir::Files | QDir::Hidden, QDir::Name);
    return found.isEmpty() ? QString() : QDir(home).filePath(QStringLiteral(".opera/") + found.constFirst());
}

TFormExport::TFormExport(TfcTreeNodes& tree, PromptsSource prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      tree_(tree), prompts_(std::move(prompts)), pageControl_(new QTabWidget)
{
    setObjectName(QStringLiteral("FormExport"));
    pageControl_->setObjectName(QStringLiteral("PageControl"));
    pageControl_->addTab(buildPageIE(), QStringLiteral("Internet Explorer"));
    pageControl_->addTab(buildPageOpera(), QStringLiteral("Opera"));
    pageControl_->addTab(buildPageHtml(), QStringLiteral("Html"));
    pageControl_->addTab(buildPageText(), QStringLiteral("Text"));
    addBookmarkPages();

    btnOk_ = new QPushButton(QStringLiteral("Ok"));
    btnOk_->setObjectName(QStringLiteral("BtnOk"));
    btnOk_->setDefault(true);
    btnCancle_ = namedButton("BtnCancle", "&Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk_);
    buttons->addWidget(btnCancle_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageControl_);
    layout->addWidget(buildScope());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOk_, &QPushButton::clicked, this, [this] {
        RunGuarded(prompts_(), [this] { BtnOkClick(); });
        accept();
    });
    connect(btnCancle_, &QPushButton::clicked, this, &QDialog::reject);
    connect(pageControl_, &QTabWidget::currentChanged, this, &TFormExport::showLosses);
    connect(radioBtnAllFile_, &QRadioButton::toggled, this, &TFormExport::showLosses);
    connect(checkGroups_, &QCheckBox::toggled, this, &TFormExport::showLosses);
}

void TFormExport::addBookmarkPages()
{
    struct BookmarkPageEntry {
        BookmarkFormat format;
        const char* page;
        const char* edit;
        const char* caption;
        const char* filter;
        const char* suffix;
    };
    // A profile's file is called Bookmarks, without a suffix to add.
    static constexpr BookmarkPageEntry entries[] = {
        {BookmarkFormat::Netscape, "TabNetscape", "EditNameNetscape", "HTML bookmarks", "*.html (*.html);;*.* (*)", "html"},
        {BookmarkFormat::Chromium, "TabChromium", "EditNameChromium", "Chromium", "Bookmarks (Bookmarks);;*.* (*)", ""},
        {BookmarkFormat::Xbel, "TabXbel", "EditNameXbel", "XBEL", "*.xbel (*.xbel);;*.* (*)", "xbel"},
    };
    for (size_t i = 0; i < bookmarkPages_.size(); ++i) {
        const BookmarkPageEntry& entry = entries[i];
        auto* page = new BookmarkExportPage(entry.format, entry.page, entry.edit);
        bookmarkPages_[i] = page;
        pageControl_->addTab(page, QLatin1String(entry.caption));
        connect(page->browseButton(), &QToolButton::clicked, this,
                [this, page, &entry] { browseSaveFile(page->edit(), QLatin1String(entry.filter), entry.suffix); });
    }
}

void TFormExport::showLosses()
{
    const int current = pageControl_->currentIndex();
    if (current >= TabNetscape && current < PageCount)
        BookmarkPage(Page(current))->showLosses(tree_, scope());
}

QWidget* TFormExport::buildPageIE()
{
    editDirIE_ = NamedPathEdit("EditDirIE");
    btnGetDirIE_ = namedButton("BtnGetDirIE", "&Get folder");
    QGroupBox* favorites = PathGroup("GroupBoxFavorites", "Favorites", editDirIE_, editDirIEButton_, btnGetDirIE_);

    listBox1_ = new QListWidget;
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    listBox1_->setProperty(kUntranslatedProperty, true); // filled with translated texts and paths
    listBox1_->addItems(browserInformation());
    auto* information = namedBox<QGroupBox>("GroupBoxInformation", "Information");
    (new QVBoxLayout(information))->addWidget(listBox1_);

    button1_ = namedButton("Button1", "&Clear cache");
    button1_->setEnabled(false); // this system has no browser cache of that kind
    button2_ = namedButton("Button2", "Clear &favorites");
    auto* clearing = new QHBoxLayout;
    clearing->addWidget(button1_);
    clearing->addWidget(button2_);
    clearing->addStretch(1);

    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabIE"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(favorites);
    layout->addWidget(information, 1);
    layout->addLayout(clearing);

    connect(editDirIEButton_, &QToolButton::clicked, this, &TFormExport::EditDirIEButtonClick);
    connect(btnGetDirIE_, &QPushButton::clicked, this, &TFormExport::BtnGetDirIEClick);
    connect(button2_, &QPushButton::clicked, this, [this] { RunGuarded(prompts(), [this] { Button2Click(); }); });
    return page;
}

QWidget* TFormExport::buildPageOpera()
{
    editFNameOpera_ = NamedPathEdit("EditFNameOpera");
    btnGetOperaFile_ = namedButton("BtnGetOperaFile", "&Find file");
    QGroupBox* file = PathGroup("GroupBoxHotlinks", "Hotlinks file", editFNameOpera_, editFNameOperaButton_, btnGetOperaFile_);

    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabOpera"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(file);
    layout->addStretch(1);

    connect(editFNameOperaButton_, &QToolButton::clicked, this, &TFormExport::EditFNameOperaButtonClick);
    connect(btnGetOperaFile_, &QPushButton::clicked, this, &TFormExport::BtnGetOperaFileClick);
    return page;
}

QWidget* TFormExport::buildPageHtml()
{
    editNameHtm_ = NamedPathEdit("EditNameHtm");
    QGroupBox* file = PathGroup("GroupBoxHtmlFile", "File", editNameHtm_, editNameHtmButton_);
    checkBlankHtm_ = namedBox<QCheckBox>("CheckBlankHtm", "Open in new window");
    checkDateHtm_ = namedBox<QCheckBox>("CheckDateHtm", "Show create date of file");
    QGroupBox* properties = stackedGroup("GroupBoxProperites", "Properites", {checkBlankHtm_, checkDateHtm_});

    memoBegin_ = memo("MemoBegin");
    memoBegin_->installEventFilter(this);
    memoBegin_->setToolTip(Translate("Ctrl+Enter starts a new line"));
    memoEnd_ = memo("MemoEnd");
    pageControlHtml_ = new QTabWidget;
    pageControlHtml_->setObjectName(QStringLiteral("PageControlHtml"));
    pageControlHtml_->setTabPosition(QTabWidget::South);
    pageControlHtml_->addTab(memoBegin_, QStringLiteral("Begin of html"));
    pageControlHtml_->addTab(memoEnd_, QStringLiteral("End of html"));
    pageControlHtml_->setMinimumWidth(260);

    auto* left = new QVBoxLayout;
    left->addWidget(file);
    left->addWidget(properties);
    left->addStretch(1);
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabHtml"));
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addWidget(pageControlHtml_, 1);

    connect(editNameHtmButton_, &QToolButton::clicked, this, &TFormExport::EditNameHtmButtonClick);
    return page;
}

QWidget* TFormExport::buildPageText()
{
    editNameTxt_ = NamedPathEdit("EditNameTxt");
    QGroupBox* file = PathGroup("GroupBoxTextFile", "File", editNameTxt_, editNameTxtButton_);
    radioBtnWin_ = namedBox<QRadioButton>("RadioBtnWin", "Windows page");
    radioBtnDos_ = namedBox<QRadioButton>("RadioBtnDos", "DOS page");
    QGroupBox* codepage = stackedGroup("GroupBoxCodepage", "Codepage", {radioBtnWin_, radioBtnDos_});

    auto* fields = namedBox<QGroupBox>("GroupBoxExport", "Export");
    auto* fieldsLayout = new QGridLayout(fields);
    constexpr int rows = (kTextFields + 1) / 2;
    for (int i = 0; i < kTextFields; ++i) {
        const QByteArray name = "CheckBox" + QByteArray::number(i + 1);
        checkBoxes_[size_t(i)] = namedBox<QCheckBox>(name.constData(), kFieldCaptions[size_t(i)]);
        fieldsLayout->addWidget(checkBoxes_[size_t(i)], i % rows, i / rows);
    }

    auto* options = new QHBoxLayout;
    options->addWidget(codepage);
    options->addWidget(fields, 1);
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabText"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(file);
    layout->addLayout(options);
    layout->addStretch(1);

    connect(editNameTxtButton_, &QToolButton::clicked, this, &TFormExport::EditNameTxtButtonClick);
    return page;
}

QGroupBox* TFormExport::buildScope()
{
    radioBtnAllFile_ = namedBox<QRadioButton>("RadioBtnAllFile", "Whole document");
    radioBtnSelGroup_ = namedBox<QRadioButton>("RadioBtnSelGroup", "Select folder");
    checkGroups_ = namedBox<QCheckBox>("CheckGroups", "Export subfolders");
    auto* scope = namedBox<QGroupBox>("GroupBoxExportOnly", "Export only");
    auto* layout = new QHBoxLayout(scope);
    layout->addWidget(radioBtnAllFile_);
    layout->addWidget(radioBtnSelGroup_);
    layout->addWidget(checkGroups_);
    layout->addStretch(1);
    connect(radioBtnAllFile_, &QRadioButton::toggled, this, &TFormExport::RadioBtnSelGroupClick);
    return scope;
}

void TFormExport::loadSettings(const ExportSection& s)
{
    pageControl_->setCurrentIndex(std::clamp(s.actP, 0, PageCount - 1));
    radioBtnAllFile_->setChecked(s.allFile);
    radioBtnSelGroup_->setChecked(!s.allFile);
    checkGroups_->setChecked(s.groups);
    RadioBtnSelGroupClick();
    editDirIE_->setText(s.dirIE);
    editFNameOpera_->setText(s.fNameOpera);
    editNameHtm_->setText(s.fileNameHtm);
    editNameTxt_->setText(s.fileNameTxt);
    checkBlankHtm_->setChecked(s.blankHtm);
    checkDateHtm_->setChecked(s.dateHtm);
    radioBtnWin_->setChecked(s.chkWin);
    radioBtnDos_->setChecked(!s.chkWin);
    for (int i = 0; i < kTextFields; ++i)
        checkBoxes_[size_t(i)]->setChecked(s.chk[size_t(i)]);
    BookmarkPage(TabNetscape)->edit()->setText(s.fileNameNetscape);
    BookmarkPage(TabChromium)->edit()->setText(s.fileNameChromium);
    BookmarkPage(TabXbel)->edit()->setText(s.fileNameXbel);
    showLosses();
}

void TFormExport::storeSettings(ExportSection& s) const
{
    s.actP = pageControl_->currentIndex();
    s.allFile = radioBtnAllFile_->isChecked();
    s.groups = checkGroups_->isChecked();
    s.dirIE = absolute(editDirIE_->text());
    s.fNameOpera = absolute(editFNameOpera_->text());
    s.fileNameHtm = absolute(editNameHtm_->text());
    s.fileNameTxt = absolute(editNameTxt_->text());
    s.blankHtm = checkBlankHtm_->isChecked();
    s.dateHtm = checkDateHtm_->isChecked();
    s.chkWin = radioBtnWin_->isChecked();
    for (int i = 0; i < kTextFields; ++i)
        s.chk[size_t(i)] = checkBoxes_[size_t(i)]->isChecked();
    s.fileNameNetscape = absolute(BookmarkPage(TabNetscape)->edit()->text());
    s.fileNameChromium = absolute(BookmarkPage(TabChromium)->edit()->text());
    s.fileNameXbel = absolute(BookmarkPage(TabXbel)->edit()->text());
}

void TFormExport::setTemplates(const HtmlTemplates& templates)
{
    memoBegin_->setPlainText(templates.begin.join(QLatin1Char('\n')));
    memoEnd_->setPlainText(templates.end.join(QLatin1Char('\n')));
    memoBegin_->document()->setModified(false);
    memoEnd_->document()->setModified(false);
}

HtmlTemplates TFormExport::templates() const
{
    return {EditorLines(*memoBegin_), EditorLines(*memoEnd_)};
}

bool TFormExport::templatesEdited() const
{
    return memoBegin_->document()->isModified() || memoEnd_->document()->isModified();
}

void TFormExport::RadioBtnSelGroupClick()
{
    checkGroups_->setEnabled(radioBtnSelGroup_->isChecked());
}

ExportScope TFormExport::scope() const
{
    return {radioBtnAllFile_->isChecked(), checkGroups_->isChecked()};
}

void TFormExport::BtnOkClick()
{
    if (tree_.Count() < 2)
        return;
    switch (pageControl_->currentIndex()) {
    case TabIE:
        exportToIE();
        break;
    case TabOpera:
        exportToFile(editFNameOpera_, [this](const QString& path) { ExportToOpera(tree_, scope(), path); });
        break;
    case TabHtml: {
        const HtmlExportOptions options{checkBlankHtm_->isChecked(), checkDateHtm_->isChecked(), EditorLines(*memoBegin_),
                                        EditorLines(*memoEnd_)};
        exportToFile(editNameHtm_, [&](const QString& path) { ExportToHtml(tree_, scope(), options, path); });
        break;
    }
    case TabText: {
        TextExportOptions options;
        for (int i = 0; i < kTextFields; ++i) {
            options.fields[size_t(i)] = checkBoxes_[size_t(i)]->isChecked();
            options.captions[size_t(i)] = StripAmpersands(checkBoxes_[size_t(i)]->text());
        }
        options.dosPage = radioBtnDos_->isChecked();
        exportToFile(editNameTxt_, [&](const QString& path) { ExportToText(tree_, scope(), options, path); });
        break;
    }
    case TabNetscape:
    case TabChromium:
    case TabXbel: {
        const BookmarkExportPage* page = BookmarkPage(Page(pageControl_->currentIndex()));
        exportToFile(page->edit(), [&](const QString& path) {
            // Said, unlike on the older pages: the page already tells why (a locked folder).
            if (!ExportBookmarks(page->format(), tree_, scope(), path, TranslatedRootNames()))
                prompts().warn(Translate("Nothing in this choice can be exported; no file was written."));
        });
        break;
    }
    default:
        break;
    }
}

void TFormExport::exportToIE()
{
    QString folder = editDirIE_->text();
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
        editDirIE_->setText(folder);
    }
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isReadable()) {
        prompts().error(Translate("Dir not found!"));
        return;
    }
    // Writes the system refused (a full disk, a read-only folder) are told, not passed over.
    const IeExportResult result = ExportToIE(tree_, scope(), folder);
    if (result.failed > 0)
        prompts().warn(Translate("Shortcuts that could not be written:") + QLatin1Char(' ') + QString::number(result.failed)
                       + QLatin1Char('\n') + result.firstFailure);
}

void TFormExport::exportToFile(const QLineEdit* edit, const std::function<void(const QString&)>& write)
{
    const QString path = edit->text();
    if (path.isEmpty())
        return;
    try {
        write(path);
    } catch (const Error& e) {
        // The reason follows the message, so the user can tell a full disk from a missing folder.
        prompts().error(Translate("Can not save file!") + QLatin1Char('\n') + ErrorText(e));
    } catch (const std::exception& e) {
        prompts().error(Translate("Can not save file!") + QLatin1Char('\n') + QString::fromUtf8(e.what()));
    }
}

void TFormExport::browseSaveFile(QLineEdit* edit, const QString& filter, const char* suffix)
{
    const QString current = edit->text();
    const FileDialogOptions request{windowTitle(), filter, current.isEmpty() ? QString() : QFileInfo(current).absolutePath(),
                                    QLatin1String(suffix)};
    const QString path = prompts().saveFileName(request);
    if (!path.isEmpty())
        edit->setText(path);
}

void TFormExport::EditDirIEButtonClick()
{
    const QString folder = prompts().chooseFolder(Translate("Select dir for export"), GetFavoritesFolder());
    if (!folder.isEmpty())
        editDirIE_->setText(folder);
}

void TFormExport::BtnGetDirIEClick()
{
    editDirIE_->setText(GetFavoritesFolder());
}

void TFormExport::Button2Click()
{
    const QString folder = editDirIE_->text();
    if (folder.isEmpty() || prompts().ask(Translate("Clear?"), AskButtons::YesNo) != Answer::Yes)
        return;
    if (ClearFavoritesFolder(folder, QDir::homePath()) != ClearResult::Cleared)
        prompts().warn(Translate("Is not possible to clear!"));
}

void TFormExport::EditFNameOperaButtonClick()
{
    browseSaveFile(editFNameOpera_, Translate("Hot List File *.adr") + QStringLiteral(" (*.adr);;*.* (*)"), "adr");
}

void TFormExport::BtnGetOperaFileClick()
{
    const QString found = FindOperaHotlist(QDir::homePath());
    if (!found.isEmpty())
        editFNameOpera_->setText(found);
}

void TFormExport::EditNameHtmButtonClick()
{
    browseSaveFile(editNameHtm_, QStringLiteral("*.htm (*.htm);;*.* (*)"), "htm");
}

void TFormExport::EditNameTxtButtonClick()
{
    browseSaveFile(editNameTxt_, QStringLiteral("*.txt (*.txt);;*.* (*)"), "txt");
}

void TFormExport::done(int result)
{
    // Where the inside of the window stood, which is what a move before showing places: a frame
    // position would make the window creep by its title bar at every opening.
    closedAt_ = geometry().topLeft();
    QDialog::done(result);
}

bool TFormExport::eventFilter(QObject* watched, QEvent* event)
{
    // Enter does not break a line of the begin text; Ctrl+Enter does.
    if (watched == memoBegin_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ControlModifier)
                memoBegin_->insertPlainText(QStringLiteral("\n"));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tarnlink
