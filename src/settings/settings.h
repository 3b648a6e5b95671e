#pragma once

// Every setting of Tarnlink.ini, held in memory from the start of the program to its end. The
// defaults are the initial values below; positions without a stored value are centred (see
// readSettings).

#include "ini_file.h"

#include <QHash>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tarnlink {

// A window rectangle as "left,top,right,bottom".
struct PlacementRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const PlacementRect&, const PlacementRect&) = default;
};

// The properties of the main window's controls that are kept in the file, in the order they
// are written. Their values are texts the window makes and reads itself.
inline constexpr std::array kStoredControlProperties{
    "OpenDialog1.InitialDir", "SaveDialog1.InitialDir",
    "TreeInet.Font", "ListView.Font", "Memo1.Font",
    "TreeInet.Color", "TreeInet.LineColor", "TreeInet.InactiveFocusColor", "TreeInet.Indent",
    "ListView.Color", "Memo1.Color",
    "Panel1.Width", "Panel1.Tag",
    "ToolBarFile.Top", "ToolBarFile.Left", "ToolBarExploer.Top", "ToolBarExploer.Left",
    "ToolBarOther.Left", "ToolBarOther.Top",
    "ToolBarFile.Visible", "ToolBarExploer.Visible", "ToolBarOther.Visible", "Panel2.Visible",
    "PanelExplorer.Visible",
    "Tray.IconVisible",
    "ListView.ViewStyle",
    "PageControlEditor.ActivePage", "PageControlEditor.Align", "PageControlEditor.Visible",
    "PageControlView.ActivePage", "PageControlView.Top", "PageControlView.Align",
    "PageControlView.Height", "PageControlView.Visible", "PageControlView.Tag",
    "TabDescription.TabVisible", "TabListview.TabVisible", "TabProperties.TabVisible",
    "TabScreenShot.TabVisible",
};

// The values a form-storage component keeps for the main window: placement and the stored
// control properties. Values the file does not hold stay absent, so the window keeps its own.
class FormStorage {
public:
    int formVersion = 0;
    int flags = 0;
    int showCmd = 1;
    int pixelsPerInch = 96;
    std::optional<PlacementRect> minMaxPos;
    std::optional<PlacementRect> normPos;
    QString activeControl;

    // name is one of kStoredControlProperties.
    std::optional<QString> text(const QString& name) const;
    int integer(const QString& name, int fallback) const;
    bool boolean(const QString& name, bool fallback) const;
    void setText(const QString& name, const QString& value);
    void setInteger(const QString& name, int value);
    void setBoolean(const QString& name, bool value);

    void read(const IniFile& ini);
    void write(IniFile& ini) const;

    friend bool operator==(const FormStorage&, const FormStorage&) = default;

private:
    QHash<QString, QString> properties_;
};

struct MainSection {
    bool mainWStateNormal = true;
    int favWLeft = 0, favWTop = 0, favWWidth = 346, favWHeight = 296;
    int addWLeft = 0, addWTop = 0, addWWidth = 270, addWHeight = 374;
    int findWLeft = 0, findWTop = 0;
    int expWLeft = 0, expWTop = 0;
    int chkWLeft = 0, chkWTop = 0, chkWWidth = 574, chkWHeight = 396;
    int sortWLeft = 0, sortWTop = 0;
    std::array<int, 6> lvColumnWidth{50, 50, 50, 50, 50, 50};
    QString language = QStringLiteral("English");
    bool largeIconsBar = true;
    bool showTabIcons = true;

    friend bool operator==(const MainSection&, const MainSection&) = default;
};

struct OptionsSection {
    int actPOption = 0;
    bool openFile = true, http = true, password = true, uniqueUrl = true;
    bool associate = false, xpStyle = true;
    int autoSaveTime = 0; // minutes
    int hotColor = 16711680;
    bool inSec = false, inMin = false, inHour = false, inDay = false, inMonth = false;
    bool autoTime = true, noChange = false;
    bool date = true, time = false;
    bool chkMainW = true, chkOptionsW = true, chkAddW = true, chkExpW = true, chkFindW = true;
    bool chkFavW = true, chkCheckW = true;
    bool chkSortW = false; // held in memory only: off at every start
    bool chkOnShow = false, chkOnHide = false;
    int spDelay = 1, spFrame = 5, spStep = 10;
    bool chkPNum = true, chkPStr = true, chkPPro = true, chkPOther = false;
    int spPLength = 8;
    QString fullPathIE, fullPathNetScape, fullPathOther;
    bool chkBtnDirIE = true, chkBtnDirNetScape = false, chkBtnDirOther = false;
    int stateWindow = 0;
    bool chkDelUrl = false, chkAutoExpand = false, chkHideSel = false;
    bool chkShowButs = true, chkShowRoots = true, chkShowHint = true;
    bool chkSelectAutoFoler = true, chkConfirmDelete = true, chkConfirmMove = false;
    bool clipBoard = true, autoAddUrl = true, msnPopup = true, clipBoardSelf = false;
    bool chkListViewAuto = true, chkListViewGrid = true, chkListViewLink2 = false;
    bool chkListViewOpenGroup = true;
    int linkColor = 0;

    // The program of the first browser choice that is on; empty when none is.
    QString browserProgram() const;
    // The autosave timer's interval; 0 when the timer is off (AutoSaveTime not above 0).
    int autoSaveIntervalMs() const;

    friend bool operator==(const OptionsSection&, const OptionsSection&) = default;
};

struct TipsSection {
    bool chkShowTip = true;
    int tipNum = 0;

    friend bool operator==(const TipsSection&, const TipsSection&) = default;
};

struct FindTextSection {
    bool name = true, description = true, url = true, login = true, password = true;
    bool findAll = true, findNext = true, fromBegin = true;
    QString text;

    friend bool operator==(const FindTextSection&, const FindTextSection&) = default;
};

struct ExportSection {
    int actP = 0;
    bool allFile = true, groups = true;
    QString dirIE, fNameOpera, fileNameHtm, fileNameTxt;
    bool blankHtm = true, dateHtm = true, chkWin = true;
    std::array<bool, 7> chk{true, true, true, true, true, true, true}; // Chk1 ... Chk7
    QString fileNameNetscape, fileNameChromium, fileNameXbel; // the browsers' formats

    friend bool operator==(const ExportSection&, const ExportSection&) = default;
};

struct FavoritesLinksSection {
    int vColW1 = 150, vColW2 = 150;

    friend bool operator==(const FavoritesLinksSection&, const FavoritesLinksSection&) = default;
};

struct SortSection {
    int index = 0;
    bool onlyLinks = false, directionUp = true;

    friend bool operator==(const SortSection&, const SortSection&) = default;
};

struct CheckLinksSection {
    bool chkCheckSelected = false, chkUpdateMovedPages = false;
    int threadsAmount = 5;   // clamped to 1 ... 50 when read
    int delayThreads = 350;  // milliseconds, clamped to 0 ... 1000 when read

    friend bool operator==(const CheckLinksSection&, const CheckLinksSection&) = default;
};

struct Settings {
    FormStorage form;
    MainSection main;
    OptionsSection options;
    QStringList clipBoardOut; // the link monitor's exclusion list
    TipsSection tips;
    FindTextSection findText;
    ExportSection exportDialog;
    FavoritesLinksSection favoritesLinks;
    SortSection sort;
    CheckLinksSection checkLinks;
    QStringList recentFiles; // newest first

    friend bool operator==(const Settings&, const Settings&) = default;
};

// Where the main window's top-left corner lies when it is centred on the screen; the default
// of every stored window position.
QPoint centredPosition(QSize screen, QSize mainWindow);

// Every value of the file, missing ones taking their defaults (positions: defaultPosition).
Settings readSettings(const IniFile& ini, QPoint defaultPosition);
// Writes FormVersion, the form storage and every key in the file's order into ini; entries
// of the file that are not settings of ours stay as they are.
void writeSettings(const Settings& settings, IniFile& ini);

// What the main window does with the settings that act at once when they are restored.
class RestoreActions {
public:
    virtual ~RestoreActions() = default;
    virtual void applyFormStorage(const FormStorage& form) = 0;
    virtual void showMaximised() = 0;
    virtual void setLargeIconsBar(bool on) = 0;
    virtual void setShowTabIcons(bool on) = 0;
    // One width per list view column; a list view with fewer columns uses the first ones.
    virtual void setListViewColumnWidths(const std::array<int, 6>& widths) = 0;
    virtual void setXpStyle(bool on) = 0;
    virtual void setAutoSaveInterval(int milliseconds) = 0; // 0 stops the timer
    virtual void setHotColor(int colour) = 0;
    virtual void setBrowserWindowState(int state) = 0;
    virtual void setBrowserProgram(const QString& path) = 0;
    virtual void setTreeOptions(bool selectLine, bool showButtons, bool showLines, bool showHint) = 0;
    virtual void setLinkMonitor(bool on) = 0;
};

// Applies what acts at once, in the order the main window's creation needs it.
void applySettings(const Settings& settings, RestoreActions& actions);

// Tarnlink.ini: read once at start, written once at exit. Keeps the file's other entries.
class SettingsFile {
public:
    explicit SettingsFile(QString path);
    const QString& path() const { return path_; }
    IniFile& ini() { return ini_; }

    // Reads the whole file (centring default positions for the main window's current size),
    // then applies the settings that act at once.
    Settings restore(QSize screen, QSize mainWindow, RestoreActions& actions) const;
    // Throws SettingsWriteError naming the full path when the file cannot be written.
    void save(const Settings& settings);

private:
    QString path_;
    IniFile ini_;
};

} // namespace tarnlink
