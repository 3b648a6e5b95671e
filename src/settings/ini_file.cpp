#include "ini_file.h"

#include "text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>

namespace tarnlink {

namespace {

QString fold(const QString& name) { return name.trimmed().toCaseFolded(); }

// The name of a "[name]" line, or nothing for other lines.
std::optional<QString> sectionName(const QString& line)
{
    const QString text = line.trimmed();
    if (!text.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = text.indexOf(u']');
    return text.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

QString keyOf(const QString& line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.left(equals).trimmed();
}

QString valueOf(const QString& line)
{
    QString value = line.mid(line.indexOf(u'=') + 1).trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    value.truncate(kMaxProfileValueLength);
    return value;
}

// A value as it must stand in the file to read back unchanged: one line without a NUL (which
// would end the text read back), and quoted when reading would otherwise drop its surrounding
// blanks or its own enclosing quotes.
QString encodeValue(QString value)
{
    value.replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(u'\0'), u' ');
    if (value.isEmpty())
        return value;
    const bool blankAtEnds = value.front().isSpace() || value.back().isSpace();
    const bool quotedAlready = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
                               && value.back() == value.front();
    return blankAtEnds || quotedAlready ? u'"' + value + u'"' : value;
}

} // namespace

SettingsWriteError::SettingsWriteError(const QString& path)
    : FileError(("Unable to write to " + path).toStdString()), path_(path)
{
}

QString SettingsWriteError::message(const QString& format) const
{
    QString text = format;
    const qsizetype at = text.indexOf(QLatin1String("%s"));
    return at < 0 ? text : text.replace(at, 2, path_);
}

std::optional<int> parseProfileInteger(const QString& text)
{
    QStringView digits = QStringView(text).trimmed();
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == u'-' || digits.front() == u'+')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    int base = 10;
    if (digits.startsWith(u'$')) {
        base = 16;
        digits = digits.mid(1);
    } else if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        digits = digits.mid(2);
    }
    if (digits.isEmpty() || !digits.front().isLetterOrNumber())
        return std::nullopt; // toLongLong would accept a second sign or blanks here
    bool ok = false;
    const qint64 magnitude = digits.toLongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    const qint64 value = negative ? -magnitude : magnitude;
    if (base == 16 && !negative && value <= std::numeric_limits<quint32>::max())
        return int(quint32(value)); // "$FFFFFFFF" is -1, as a 32-bit register would hold it
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

IniFile IniFile::fromBytes(const QByteArray& bytes)
{
    IniFile ini;
    for (QString& line : splitTextLines(bytes)) {
        if (const auto name = sectionName(line)) {
            if (!ini.sections_.empty())
                moveTrailingBlanks(ini.sections_.back());
            ini.addSection(std::move(line), *name);
        } else if (ini.sections_.empty()) {
            ini.preamble_.append(std::move(line));
        } else {
            addLine(ini.sections_.back(), std::move(line));
        }
    }
    if (!ini.sections_.empty())
        moveTrailingBlanks(ini.sections_.back());
    return ini;
}

void IniFile::addSection(QString header, const QString& name)
{
    const QString folded = fold(name);
    if (!firstSection_.contains(folded))
        firstSection_.insert(folded, int(sections_.size()));
    sections_.push_back(Section{std::move(header), {}, {}, {}});
}

void IniFile::moveTrailingBlanks(Section& section)
{
    while (!section.lines.empty() && section.lines.back().text.trimmed().isEmpty()) {
        section.trailer.prepend(section.lines.back().text);
        section.lines.pop_back();
    }
}

IniFile IniFile::load(const QString& path)
{
    const auto bytes = readSmallFile(path);
    return bytes ? fromBytes(*bytes) : IniFile();
}

void IniFile::addLine(Section& section, QString text)
{
    const QString key = fold(keyOf(text));
    if (!key.isEmpty() && !section.firstLineOfKey.contains(key))
        section.firstLineOfKey.insert(key, int(section.lines.size()));
    section.lines.push_back(Line{std::move(text), key});
}

const IniFile::Line* IniFile::findLine(const QString& section, const QString& key) const
{
    const auto s = firstSection_.constFind(fold(section));
    if (s == firstSection_.cend())
        return nullptr;
    const Section& found = sections_[size_t(*s)];
    const auto l = found.firstLineOfKey.constFind(fold(key));
    return l == found.firstLineOfKey.cend() ? nullptr : &found.lines[size_t(*l)];
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const Line* line = findLine(section, key);
    if (!line)
        return std::nullopt;
    return valueOf(line->text);
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    return value(section, key).value_or(fallback);
}

int IniFile::readInteger(const QString& section, const QString& key, int fallback) const
{
    const auto text = value(section, key);
    return text ? parseProfileInteger(*text).value_or(fallback) : fallback;
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

IniFile::Section& IniFile::sectionFor(const QString& name)
{
    if (const auto s = firstSection_.constFind(fold(name)); s != firstSection_.cend())
        return sections_[size_t(*s)];
    addSection(u'[' + name + u']', name);
    return sections_.back();
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    Section& target = sectionFor(section);
    QString text = key + u'=' + encodeValue(value);
    if (const auto l = target.firstLineOfKey.constFind(fold(key)); l != target.firstLineOfKey.cend()) {
        target.lines[size_t(*l)].text = std::move(text);
        return;
    }
    addLine(target, std::move(text));
}

void IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::eraseSection(const QString& section)
{
    const QString folded = fold(section);
    if (!firstSection_.contains(folded))
        return;
    // Every copy: a later one of the same name would otherwise become the section read.
    std::erase_if(sections_, [&folded](const Section& s) { return fold(*sectionName(s.header)) == folded; });
    firstSection_.clear();
    for (size_t i = 0; i < sections_.size(); ++i) {
        const QString name = fold(*sectionName(sections_[i].header));
        if (!firstSection_.contains(name))
            firstSection_.insert(name, int(i));
    }
}

bool IniFile::hasSection(const QString& section) const
{
    return firstSection_.contains(fold(section));
}

int IniFile::keyCount(const QString& section) const
{
    const auto s = firstSection_.constFind(fold(section));
    return s == firstSection_.cend() ? 0 : int(sections_[size_t(*s)].firstLineOfKey.size());
}

QByteArray IniFile::toBytes() const
{
    QByteArray out;
    const auto put = [&out](const QString& line) { out += line.toUtf8() + "\r\n"; };
    for (const QString& line : preamble_)
        put(line);
    for (const Section& section : sections_) {
        put(section.header);
        for (const Line& line : section.lines)
            put(line.text);
        for (const QString& line : section.trailer)
            put(line);
    }
    return out;
}

void SaveSettingsFile(const QString& path, const QByteArray& bytes)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    QDir().mkpath(QFileInfo(fullPath).absolutePath());
    QSaveFile file(fullPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw SettingsWriteError(QDir::toNativeSeparators(fullPath));
}

void IniFile::save(const QString& path) const
{
    SaveSettingsFile(path, toBytes());
}

QStringList readNumberedList(const IniFile& ini, const QString& section, const QString& countKey,
                             const QString& itemPrefix)
{
    const int count = std::min(ini.readInteger(section, countKey, 0), ini.keyCount(section));
    QStringList items;
    for (int i = 0; i < count; ++i)
        items.append(ini.readString(section, itemPrefix + QString::number(i)));
    return items;
}

void writeNumberedList(IniFile& ini, const QString& section, const QString& countKey,
                       const QString& itemPrefix, const QStringList& items)
{
    ini.writeInteger(section, countKey, int(items.size()));
    for (qsizetype i = 0; i < items.size(); ++i)
        ini.writeString(section, itemPrefix + QString::number(i), items[i]);
}

} // namespace tarnlink
