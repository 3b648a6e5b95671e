#include "platform/desktop_integration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tarnlink {

namespace {

// What a file of ours says, so that switching the association off removes only our own files.
constexpr char kWrittenMark[] = "Written by Tarnlink for its .tlk association";

// The files that `cmake --install` puts into the system's folders, used here as templates.
QByteArray shippedFile(const char* name)
{
    QFile file(QStringLiteral(":/desktop/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString variableFolder(const char* variable, const char* fallbackBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(QDir::homePath() + QLatin1Char('/') + QLatin1String(fallbackBelowHome));
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool isOurs(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4096).contains(kWrittenMark);
}

// The shipped application entry with this program's Exec line; without the MIME type and the
// file argument for the autostart entry.
QByteArray desktopEntry(const QString& programPath, bool forFiles)
{
    QByteArrayList lines = shippedFile(kDesktopEntryName).split('\n');
    QByteArrayList entry;
    for (const QByteArray& line : lines) {
        if (line.startsWith("Exec="))
            entry << "Exec=" + DesktopExecArgument(programPath).toUtf8() + (forFiles ? " %f" : "");
        else if (!line.startsWith("MimeType=") || forFiles)
            entry << line;
    }
    return entry.join('\n');
}

void collect(DesktopChange& change, bool done, const QString& path)
{
    if (!done)
        change.unwritable << path;
}

bool removeIfOurs(const QString& path)
{
    return !QFileInfo::exists(path) || !isOurs(path) || QFile::remove(path);
}

// Takes our entry out of the type's lines in the sections xdg-mime writes; false when the file
// could not be written back.
bool dropDefaultApplication(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArrayList lines = file.readAll().split('\n');
    file.close();
    QByteArrayList kept;
    QByteArray section;
    bool changed = false;
    for (const QByteArray& line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[')) {
            section = trimmed;
        } else if (const qsizetype at = trimmed.indexOf('=');
                   at > 0 && trimmed.left(at).trimmed() == kCollectionMimeType
                   && (section == "[Default Applications]" || section == "[Added Associations]")) {
            QByteArrayList entries = trimmed.mid(at + 1).split(';');
            entries.removeIf([](const QByteArray& e) { return e.trimmed().isEmpty(); });
            const qsizetype before = entries.size();
            entries.removeIf([](const QByteArray& e) { return e.trimmed() == kDesktopEntryName; });
            if (entries.size() < before) {
                changed = true;
                if (!entries.isEmpty())
                    kept << trimmed.left(at + 1) + entries.join(';') + ';';
                continue;
            }
        }
        kept << line;
    }
    return !changed || writeFile(path, kept.join('\n'));
}

} // namespace

XdgFolders XdgFolders::fromEnvironment()
{
    return {variableFolder("XDG_DATA_HOME", ".local/share"), variableFolder("XDG_CONFIG_HOME", ".config")};
}

DesktopIntegration::DesktopIntegration(XdgFolders folders, QString programPath)
    : folders_(std::move(folders)), programPath_(std::move(programPath))
{
}

QString DesktopIntegration::autostartFile() const
{
    return folders_.configHome + QStringLiteral("/autostart/") + QLatin1String(kDesktopEntryName);
}

QString DesktopIntegration::applicationFile() const
{
    return folders_.dataHome + QStringLiteral("/applications/") + QLatin1String(kDesktopEntryName);
}

QString DesktopIntegration::mimePackageFile() const
{
    return folders_.dataHome + QStringLiteral("/mime/packages/tarnlink.xml");
}

QString DesktopIntegration::mimeAppsFile() const
{
    return folders_.configHome + QStringLiteral("/mimeapps.list");
}

bool DesktopIntegration::autostartEnabled() const
{
    return QFileInfo::exists(autostartFile());
}

DesktopChange DesktopIntegration::setAutostart(bool on) const
{
    DesktopChange change;
    const QString path = autostartFile();
    if (on)
        collect(change, writeFile(path, desktopEntry(programPath_, false)), path);
    else
        collect(change, !QFileInfo::exists(path) || QFile::remove(path), path);
    return change;
}

DesktopChange DesktopIntegration::associate() const
{
    DesktopChange change;
    QByteArray package = shippedFile("tarnlink.xml");
    package.insert(package.indexOf('\n') + 1, QByteArray("<!-- ") + kWrittenMark + " -->\n");
    collect(change, writeFile(mimePackageFile(), package), mimePackageFile());
    collect(change, writeFile(applicationFile(), QByteArray("# ") + kWrittenMark + '\n' + desktopEntry(programPath_, true)),
            applicationFile());
    if (change.unwritable.isEmpty())
        change.tools = {
            {QStringLiteral("update-mime-database"), {folders_.dataHome + QStringLiteral("/mime")}},
            {QStringLiteral("xdg-mime"),
             {QStringLiteral("default"), QLatin1String(kDesktopEntryName), QLatin1String(kCollectionMimeType)}},
        };
    return change;
}

DesktopChange DesktopIntegration::dissociate() const
{
    DesktopChange change;
    const bool hadPackage = QFileInfo::exists(mimePackageFile()) && isOurs(mimePackageFile());
    collect(change, removeIfOurs(mimePackageFile()), mimePackageFile());
    collect(change, removeIfOurs(applicationFile()), applicationFile());
    collect(change, dropDefaultApplication(mimeAppsFile()), mimeAppsFile());
    if (hadPackage)
        change.tools << DesktopTool{QStringLiteral("update-mime-database"), {folders_.dataHome + QStringLiteral("/mime")}};
    return change;
}

QString DesktopExecArgument(const QString& argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    // The string value's own escapes come on top of the quoting; "%" starts a field code.
    QString value;
    for (const QChar c : quoted) {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else if (c == u'\t')
            value += QStringLiteral("\\t");
        else if (c == u'\r')
            value += QStringLiteral("\\r");
        else if (c == u'%')
            value += QStringLiteral("%%");
        else
            value += c;
    }
    return value;
}

} // namespace tarnlink
