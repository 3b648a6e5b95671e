#include "json_writer.h"

#include "interchange/text_escapes.h"

#include <QByteArray>
#include <QLocale>

#include <cmath>
#include <string>

namespace tarnlink::tool {

void JsonWriter::newLine()
{
    put("\n");
    for (size_t i = 0; i < levelEmpty_.size(); ++i)
        put("    ");
}

void JsonWriter::beforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levelEmpty_.empty())
        return;
    if (!levelEmpty_.back())
        put(",");
    levelEmpty_.back() = false;
    newLine();
}

void JsonWriter::end(char close)
{
    const bool empty = levelEmpty_.back();
    levelEmpty_.pop_back();
    if (!empty)
        newLine();
    put(std::string_view(&close, 1));
    if (levelEmpty_.empty())
        put("\n");
}

void JsonWriter::beginObject()
{
    beforeValue();
    put("{");
    levelEmpty_.push_back(true);
}

void JsonWriter::endObject() { end('}'); }

void JsonWriter::beginArray()
{
    beforeValue();
    put("[");
    levelEmpty_.push_back(true);
}

void JsonWriter::endArray() { end(']'); }

void JsonWriter::key(std::string_view name)
{
    beforeValue();
    putString(name);
    put(": ");
    afterKey_ = true;
}

void JsonWriter::putString(std::string_view utf8)
{
    std::string quoted;
    AppendJsonString(quoted, utf8);
    put(quoted);
}

void JsonWriter::value(const QString& text)
{
    beforeValue();
    const QByteArray utf8 = text.toUtf8();
    putString(std::string_view(utf8.constData(), size_t(utf8.size())));
}

void JsonWriter::value(int64_t number)
{
    beforeValue();
    put(std::to_string(number));
}

void JsonWriter::value(double number)
{
    beforeValue();
    put(std::isfinite(number) ? QByteArray::number(number, 'g', QLocale::FloatingPointShortest).toStdString() : "null");
}

void JsonWriter::value(bool flag)
{
    beforeValue();
    put(flag ? "true" : "false");
}

} // namespace tarnlink::tool
