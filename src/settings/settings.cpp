#include "settings.h"

#include <algorithm>
#include <limits>

namespace tarnlink {

namespace {

const QString kMain = QStringLiteral("Main");
const QString kRecentFiles = QStringLiteral("RecentFiles");
constexpr int kMaxRecentFiles = 5;

// Reads a section's keys into the values, each value's current content being its default.
class SectionReader {
public:
    SectionReader(const IniFile& ini, QString section) : ini_(ini), section_(std::move(section)) {}
    void boolean(const char* key, bool& value) { value = ini_.readBool(section_, key, value); }
    void integer(const char* key, int& value) { value = ini_.readInteger(section_, key, value); }
    void string(const char* key, QString& value) { value = ini_.readString(section_, key, value); }

private:
    const IniFile& ini_;
    QString section_;
};

class SectionWriter {
public:
    SectionWriter(IniFile& ini, QString section) : ini_(ini), section_(std::move(section)) {}
    void boolean(const char* key, bool value) { ini_.writeBool(section_, key, value); }
    void integer(const char* key, int value) { ini_.writeInteger(section_, key, value); }
    void string(const char* key, const QString& value) { ini_.writeString(section_, key, value); }

private:
    IniFile& ini_;
    QString section_;
};

// One list of keys per section, in the order they are written; used for reading and writing.
template <class Io, class S> void visitMain(Io& io, S& m)
{
    io.boolean("MainWStateNormal", m.mainWStateNormal);
    io.integer("FavWLeft", m.favWLeft);
    io.integer("FavWTop", m.favWTop);
    io.integer("FavWWidth", m.favWWidth);
    io.integer("FavWHeight", m.favWHeight);
    io.integer("AddWLeft", m.addWLeft);
    io.integer("AddWTop", m.addWTop);
    io.integer("AddWWidth", m.addWWidth);
    io.integer("AddWHeight", m.addWHeight);
    io.integer("FindWLeft", m.findWLeft);
    io.integer("FindWTop", m.findWTop);
    io.integer("ExpWLeft", m.expWLeft);
    io.integer("ExpWTop", m.expWTop);
    io.integer("ChkWLeft", m.chkWLeft);
    io.integer("ChkWTop", m.chkWTop);
    io.integer("ChkWWidth", m.chkWWidth);
    io.integer("ChkWHeight", m.chkWHeight);
    io.integer("SortWLeft", m.sortWLeft);
    io.integer("SortWTop", m.sortWTop);
    static const char* const columns[] = {"LVColumnWidth0", "LVColumnWidth1", "LVColumnWidth2",
                                          "LVColumnWidth3", "LVColumnWidth4", "LVColumnWidth5"};
    for (size_t i = 0; i < m.lvColumnWidth.size(); ++i)
        io.integer(columns[i], m.lvColumnWidth[i]);
    io.string("Language", m.language);
    io.boolean("LargeIconsBar", m.largeIconsBar);
    io.boolean("ShowTabIcons", m.showTabIcons);
}

template <class Io, class S> void visitOptions(Io& io, S& o)
{
    io.integer("ActPOption", o.actPOption);
    io.boolean("OpenFile", o.openFile);
    io.boolean("Http", o.http);
    io.boolean("Password", o.password);
    io.boolean("UniqueUrl", o.uniqueUrl);
    io.boolean("Associate", o.associate);
    io.boolean("XPStyle", o.xpStyle);
    io.integer("AutoSaveTime", o.autoSaveTime);
    io.integer("HotColor", o.hotColor);
    io.boolean("InSec", o.inSec);
    io.boolean("InMin", o.inMin);
    io.boolean("InHour", o.inHour);
    io.boolean("InDay", o.inDay);
    io.boolean("InMonth", o.inMonth);
    io.boolean("AutoTime", o.autoTime);
    io.boolean("NoChange", o.noChange);
    io.boolean("Date", o.date);
    io.boolean("Time", o.time);
    io.boolean("ChkMainW", o.chkMainW);
    io.boolean("ChkOptionsW", o.chkOptionsW);
    io.boolean("ChkAddW", o.chkAddW);
    io.boolean("ChkExpW", o.chkExpW);
    io.boolean("ChkFindW", o.chkFindW);
    io.boolean("ChkFavW", o.chkFavW);
    io.boolean("ChkCheckW", o.chkCheckW);
    io.boolean("ChkOnShow", o.chkOnShow);
    io.boolean("ChkOnHide", o.chkOnHide);
    io.integer("SpDelay", o.spDelay);
    io.integer("SpFrame", o.spFrame);
    io.integer("SpStep", o.spStep);
    io.boolean("ChkPNum", o.chkPNum);
    io.boolean("ChkPStr", o.chkPStr);
    io.boolean("ChkPPro", o.chkPPro);
    io.boolean("ChkPOther", o.chkPOther);
    io.integer("SpPLength", o.spPLength);
    io.string("FullPathIE", o.fullPathIE);
    io.string("FullPathNetScape", o.fullPathNetScape);
    io.string("FullPathOther", o.fullPathOther);
    io.boolean("ChkBtnDirIE", o.chkBtnDirIE);
    io.boolean("ChkBtnDirNetScape", o.chkBtnDirNetScape);
    io.boolean("ChkBtnDirOther", o.chkBtnDirOther);
    io.integer("StateWindow", o.stateWindow);
    io.boolean("ChkDelUrl", o.chkDelUrl);
    io.boolean("ChkAutoExpand", o.chkAutoExpand);
    io.boolean("ChkHideSel", o.chkHideSel);
    io.boolean("ChkShowButs", o.chkShowButs);
    io.boolean("ChkShowRoots", o.chkShowRoots);
    io.boolean("ChkShowHint", o.chkShowHint);
    io.boolean("ChkSelectAutoFoler", o.chkSelectAutoFoler);
    io.boolean("ChkConfirmDelete", o.chkConfirmDelete);
    io.boolean("ChkConfirmMove", o.chkConfirmMove);
    io.boolean("ClipBoard", o.clipBoard);
    io.boolean("AutoAddUrl", o.autoAddUrl);
    io.boolean("MSNPopup", o.msnPopup);
    io.boolean("ClipBoardSelf", o.clipBoardSelf);
    io.boolean("ChkListViewAuto", o.chkListViewAuto);
    io.boolean("ChkListViewGrid", o.chkListViewGrid);
    io.boolean("ChkListViewLink2", o.chkListViewLink2);
    io.boolean("ChkListViewOpenGroup", o.chkListViewOpenGroup);
    io.integer("LinkColor", o.linkColor);
}

template <class Io, class S> void visitTips(Io& io, S& t)
{
    io.boolean("ChkShowTip", t.chkShowTip);
    io.integer("TipNum", t.tipNum);
}

template <class Io, class S> void visitFindText(Io& io, S& f)
{
    io.boolean("Name", f.name);
    io.boolean("Description", f.description);
    io.boolean("URL", f.url);
    io.boolean("Login", f.login);
    io.boolean("Password", f.password);
    io.boolean("FindAll", f.findAll);
    io.boolean("FindNext", f.findNext);
    io.boolean("FromBegin", f.fromBegin);
    io.string("Text", f.text);
}

template <class Io, class S> void visitExport(Io& io, S& e)
{
    io.integer("ActP", e.actP);
    io.boolean("AllFile", e.allFile);
    io.boolean("Groups", e.groups);
    io.string("DirIE", e.dirIE);
    io.string("FNameOpera", e.fNameOpera);
    io.string("FileNameHtm", e.fileNameHtm);
    io.string("FileNameTxt", e.fileNameTxt);
    io.boolean("BlankHtm", e.blankHtm);
    io.boolean("DateHtm", e.dateHtm);
    io.boolean("ChkWin", e.chkWin);
    static const char* const checks[] = {"Chk1", "Chk2", "Chk3", "Chk4", "Chk5", "Chk6", "Chk7"};
    for (size_t i = 0; i < e.chk.size(); ++i)
        io.boolean(checks[i], e.chk[i]);
    io.string("FileNameNetscape", e.fileNameNetscape);
    io.string("FileNameChromium", e.fileNameChromium);
    io.string("FileNameXbel", e.fileNameXbel);
}

template <class Io, class S> void visitFavoritesLinks(Io& io, S& f)
{
    io.integer("VColW1", f.vColW1);
    io.integer("VColW2", f.vColW2);
}

template <class Io, class S> void visitSort(Io& io, S& s)
{
    io.integer("Index", s.index);
    io.boolean("OnlyLinks", s.onlyLinks);
    io.boolean("DirectionUp", s.directionUp);
}

template <class Io, class S> void visitCheckLinks(Io& io, S& c)
{
    io.boolean("ChkCheckSelected", c.chkCheckSelected);
    io.boolean("ChkUpdateMovedPages", c.chkUpdateMovedPages);
    io.integer("ThreadsAmount", c.threadsAmount);
    io.integer("DelayThreads", c.delayThreads);
}

// Visits every section with the reader or writer that make gives for it, in file order;
// clipBoardOut handles the numbered list that stands between Options and Tips.
template <class Make, class S, class List> void visitAll(Make make, S& s, List clipBoardOut)
{
    auto main = make(kMain);
    visitMain(main, s.main);
    auto options = make(QStringLiteral("Options"));
    visitOptions(options, s.options);
    clipBoardOut();
    auto tips = make(QStringLiteral("Tips"));
    visitTips(tips, s.tips);
    auto find = make(QStringLiteral("FindText"));
    visitFindText(find, s.findText);
    auto exportDialog = make(QStringLiteral("Export"));
    visitExport(exportDialog, s.exportDialog);
    auto favorites = make(QStringLiteral("FavoritesLinks"));
    visitFavoritesLinks(favorites, s.favoritesLinks);
    auto sort = make(QStringLiteral("Sort"));
    visitSort(sort, s.sort);
    auto check = make(QStringLiteral("CheckLinks"));
    visitCheckLinks(check, s.checkLinks);
}

const QString kClipBoardOut = QStringLiteral("ClipBoardOut");
const QString kLine = QStringLiteral("Line");

std::optional<PlacementRect> parsePlacement(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    const QStringList parts = text->split(u',');
    if (parts.size() != 4)
        return std::nullopt;
    std::array<int, 4> values{};
    for (size_t i = 0; i < values.size(); ++i) {
        const auto value = parseProfileInteger(parts[qsizetype(i)]);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    return PlacementRect{values[0], values[1], values[2], values[3]};
}

QString placementText(const PlacementRect& r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

bool isStoredProperty(const QString& name)
{
    return std::find(kStoredControlProperties.begin(), kStoredControlProperties.end(), name)
           != kStoredControlProperties.end();
}

QStringList readRecentFiles(const IniFile& ini)
{
    QStringList files;
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        const auto file = ini.value(kRecentFiles, QStringLiteral("Item_%1").arg(i));
        if (!file)
            break;
        if (!file->isEmpty())
            files.append(*file);
    }
    return files;
}

void writeRecentFiles(const QStringList& files, IniFile& ini)
{
    // The whole section is ours: rewriting it drops the entries of a longer earlier list.
    ini.eraseSection(kRecentFiles);
    for (qsizetype i = 0; i < std::min<qsizetype>(files.size(), kMaxRecentFiles); ++i)
        ini.writeString(kRecentFiles, QStringLiteral("Item_%1").arg(i), files[i]);
}

} // namespace

std::optional<QString> FormStorage::text(const QString& name) const
{
    const auto found = properties_.constFind(name);
    return found == properties_.cend() ? std::nullopt : std::optional<QString>(*found);
}

int FormStorage::integer(const QString& name, int fallback) const
{
    const auto value = text(name);
    return value ? parseProfileInteger(*value).value_or(fallback) : fallback;
}

bool FormStorage::boolean(const QString& name, bool fallback) const
{
    return integer(name, fallback ? 1 : 0) != 0;
}

void FormStorage::setText(const QString& name, const QString& value)
{
    Q_ASSERT(isStoredProperty(name));
    properties_.insert(name, value);
}

void FormStorage::setInteger(const QString& name, int value)
{
    setText(name, QString::number(value));
}

void FormStorage::setBoolean(const QString& name, bool value)
{
    setText(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void FormStorage::read(const IniFile& ini)
{
    formVersion = ini.readInteger(kMain, QStringLiteral("FormVersion"), formVersion);
    flags = ini.readInteger(kMain, QStringLiteral("Flags"), flags);
    showCmd = ini.readInteger(kMain, QStringLiteral("ShowCmd"), showCmd);
    pixelsPerInch = ini.readInteger(kMain, QStringLiteral("PixelsPerInch"), pixelsPerInch);
    minMaxPos = parsePlacement(ini.value(kMain, QStringLiteral("MinMaxPos")));
    normPos = parsePlacement(ini.value(kMain, QStringLiteral("NormPos")));
    activeControl = ini.readString(kMain, QStringLiteral("ActiveControl"), activeControl);
    properties_.clear();
    for (const char* name : kStoredControlProperties)
        if (const auto value = ini.value(kMain, QLatin1String(name)))
            properties_.insert(QLatin1String(name), *value);
}

void FormStorage::write(IniFile& ini) const
{
    ini.writeInteger(kMain, QStringLiteral("FormVersion"), formVersion);
    ini.writeInteger(kMain, QStringLiteral("Flags"), flags);
    ini.writeInteger(kMain, QStringLiteral("ShowCmd"), showCmd);
    ini.writeInteger(kMain, QStringLiteral("PixelsPerInch"), pixelsPerInch);
    if (minMaxPos)
        ini.writeString(kMain, QStringLiteral("MinMaxPos"), placementText(*minMaxPos));
    if (normPos)
        ini.writeString(kMain, QStringLiteral("NormPos"), placementText(*normPos));
    ini.writeString(kMain, QStringLiteral("ActiveControl"), activeControl);
    for (const char* name : kStoredControlProperties)
        if (const auto value = text(QLatin1String(name)))
            ini.writeString(kMain, QLatin1String(name), *value);
}

QString OptionsSection::browserProgram() const
{
    if (chkBtnDirIE)
        return fullPathIE;
    if (chkBtnDirNetScape)
        return fullPathNetScape;
    if (chkBtnDirOther)
        return fullPathOther;
    return {};
}

int OptionsSection::autoSaveIntervalMs() const
{
    if (autoSaveTime <= 0)
        return 0;
    return int(std::min<qint64>(qint64(autoSaveTime) * 60000, std::numeric_limits<int>::max()));
}

QPoint centredPosition(QSize screen, QSize mainWindow)
{
    return {(screen.width() - mainWindow.width()) / 2, (screen.height() - mainWindow.height()) / 2};
}

Settings readSettings(const IniFile& ini, QPoint defaultPosition)
{
    Settings s;
    for (int* left : {&s.main.favWLeft, &s.main.addWLeft, &s.main.findWLeft, &s.main.expWLeft,
                      &s.main.chkWLeft, &s.main.sortWLeft})
        *left = defaultPosition.x();
    for (int* top : {&s.main.favWTop, &s.main.addWTop, &s.main.findWTop, &s.main.expWTop,
                     &s.main.chkWTop, &s.main.sortWTop})
        *top = defaultPosition.y();

    s.form.read(ini);
    visitAll([&ini](const QString& section) { return SectionReader(ini, section); }, s,
             [&] { s.clipBoardOut = readNumberedList(ini, kClipBoardOut, kLine, kLine); });
    // The link check dialog's ranges; a ThreadsAmount below 1 would never free a slot.
    s.checkLinks.threadsAmount = std::clamp(s.checkLinks.threadsAmount, 1, 50);
    s.checkLinks.delayThreads = std::clamp(s.checkLinks.delayThreads, 0, 1000);
    s.recentFiles = readRecentFiles(ini);
    return s;
}

void writeSettings(const Settings& settings, IniFile& ini)
{
    settings.form.write(ini);
    visitAll([&ini](const QString& section) { return SectionWriter(ini, section); }, settings,
             [&] { writeNumberedList(ini, kClipBoardOut, kLine, kLine, settings.clipBoardOut); });
    writeRecentFiles(settings.recentFiles, ini);
}

void applySettings(const Settings& s, RestoreActions& actions)
{
    actions.applyFormStorage(s.form);
    if (!s.main.mainWStateNormal)
        actions.showMaximised();
    actions.setLargeIconsBar(s.main.largeIconsBar);
    actions.setShowTabIcons(s.main.showTabIcons);
    actions.setListViewColumnWidths(s.main.lvColumnWidth);
    actions.setXpStyle(s.options.xpStyle);
    actions.setAutoSaveInterval(s.options.autoSaveIntervalMs());
    actions.setHotColor(s.options.hotColor);
    actions.setBrowserWindowState(s.options.stateWindow);
    actions.setBrowserProgram(s.options.browserProgram());
    actions.setTreeOptions(s.options.chkHideSel, s.options.chkShowButs, s.options.chkShowRoots,
                           s.options.chkShowHint);
    actions.setLinkMonitor(s.options.clipBoard);
}

SettingsFile::SettingsFile(QString path) : path_(std::move(path)), ini_(IniFile::load(path_)) {}

Settings SettingsFile::restore(QSize screen, QSize mainWindow, RestoreActions& actions) const
{
    Settings settings = readSettings(ini_, centredPosition(screen, mainWindow));
    applySettings(settings, actions);
    return settings;
}

void SettingsFile::save(const Settings& settings)
{
    writeSettings(settings, ini_);
    ini_.save(path_);
}

} // namespace tarnlink
