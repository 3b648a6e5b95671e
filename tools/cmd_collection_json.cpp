// dump and build: a collection file as JSON and back.

#include "commands.h"
#include "json_writer.h"
#include "tool_support.h"

#include "document/collection_file.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"
#include "platform/codepage.h"
#include "platform/file_access.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace tarnlink::tool {

namespace {

using StringField = std::string TfcTreeNode::*;
using IntField = int32_t TfcTreeNode::*;

struct StringKey {
    const char* key;
    StringField field;
};
struct IntKey {
    const char* key;
    IntField field;
};

const StringKey kStringKeys[] = {
    {"link1", &TfcTreeNode::Link1},       {"link2", &TfcTreeNode::Link2},
    {"description", &TfcTreeNode::Description}, {"login", &TfcTreeNode::Login},
    {"password", &TfcTreeNode::Password}, {"visited", &TfcTreeNode::Visited},
    {"folderPassword", &TfcTreeNode::FolderPassword}, {"picturePath", &TfcTreeNode::PicturePath},
};
const IntKey kIntKeys[] = {
    {"clicks", &TfcTreeNode::Clicks},         {"imageIndex", &TfcTreeNode::ImageIndex},
    {"selectedIndex", &TfcTreeNode::SelectedIndex}, {"stateIndex", &TfcTreeNode::StateIndex},
    {"overlayIndex", &TfcTreeNode::OverlayIndex},   {"data", &TfcTreeNode::Data},
};

void writeFields(JsonWriter& json, const TfcTreeNode& node)
{
    json.key("name");
    json.value(codepage::toDisplay(node.Name()));
    json.key("kind");
    json.value(int64_t(node.Kind));
    for (const StringKey& k : kStringKeys) {
        json.key(k.key);
        json.value(codepage::toDisplay(node.*k.field));
    }
    for (const IntKey& k : kIntKeys) {
        json.key(k.key);
        json.value(int64_t(node.*k.field));
    }
    json.key("checkboxType");
    json.value(int64_t(node.CheckboxType));
    json.key("checked");
    json.value(node.Checked);
    json.key("grayed");
    json.value(node.Grayed);
}

// In pre-order, each node's object stays open until the walk leaves its subtree.
void writeNodes(JsonWriter& json, const TfcTreeNodes& tree)
{
    json.beginArray();
    int open = 0;
    for (const TfcTreeNode* node = tree.GetFirstNode(); node; node = node->GetNext()) {
        for (const int level = node->Level(); open > level; --open) {
            json.endArray();
            json.endObject();
        }
        json.beginObject();
        writeFields(json, *node);
        json.key("children");
        json.beginArray();
        ++open;
    }
    for (; open > 0; --open) {
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

int32_t intValue(const QJsonObject& o, const char* key, int32_t fallback)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        return fallback;
    if (!v.isDouble())
        fail(QStringLiteral("node field \"%1\" must be a number").arg(key));
    return static_cast<int32_t>(v.toInteger(fallback));
}

std::string textValue(const QJsonObject& o, const char* key)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        return {};
    if (!v.isString())
        fail(QStringLiteral("node field \"%1\" must be a string").arg(key));
    return codepage::fromDisplay(v.toString());
}

bool boolValue(const QJsonObject& o, const char* key)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        return false;
    if (!v.isBool())
        fail(QStringLiteral("node field \"%1\" must be true or false").arg(key));
    return v.toBool();
}

void fillNode(TfcTreeNode& node, const QJsonObject& o)
{
    node.SetName(textValue(o, "name"));
    node.Kind = intValue(o, "kind", KindLink);
    for (const StringKey& k : kStringKeys)
        node.*k.field = textValue(o, k.key);
    for (const IntKey& k : kIntKeys)
        node.*k.field = intValue(o, k.key, node.*k.field);
    node.CheckboxType = static_cast<uint8_t>(intValue(o, "checkboxType", 0));
    node.Checked = boolValue(o, "checked");
    node.Grayed = boolValue(o, "grayed");
}

QJsonArray arrayValue(const QJsonObject& o, const char* key)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        return {};
    if (!v.isArray())
        fail(QStringLiteral("\"%1\" must be an array").arg(key));
    return v.toArray();
}

void jsonToNodes(const QJsonArray& nodes, TfcTreeNodes& tree)
{
    struct Pending {
        TfcTreeNode* parent;
        QJsonArray items;
    };
    std::vector<Pending> stack{{nullptr, nodes}};
    while (!stack.empty()) {
        Pending p = std::move(stack.back());
        stack.pop_back();
        for (const QJsonValue& item : p.items) {
            if (!item.isObject())
                fail(QStringLiteral("every node must be an object"));
            const QJsonObject o = item.toObject();
            TfcTreeNode* node = tree.AddChild(p.parent, {});
            fillNode(*node, o);
            const QJsonArray children = arrayValue(o, "children");
            if (!children.isEmpty())
                stack.push_back({node, children});
        }
    }
}

} // namespace

int runDump(const QStringList& args)
{
    if (args.size() != 1)
        fail(QStringLiteral("usage: tarnlink-tool dump COLLECTION"));
    TfcTreeNodes tree;
    const CollectionHeader header = ReadCollection(args[0], tree, ForeignFiles::Refuse);
    const TreeCounts counts = CountNodes(tree);
    JsonWriter json(stdout);
    json.beginObject();
    json.key("header");
    json.beginObject();
    json.key("title");
    json.value(codepage::toDisplay(header.title));
    json.key("version");
    json.value(header.version);
    json.key("folderCount");
    json.value(int64_t(header.folderCount));
    json.key("linkCount");
    json.value(int64_t(header.linkCount));
    json.endObject();
    json.key("folderCount");
    json.value(int64_t(counts.FolderCount));
    json.key("linkCount");
    json.value(int64_t(counts.LinkCount));
    json.key("nodes");
    writeNodes(json, tree);
    json.endObject();
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        ThrowFileError("Cannot write file", QStringLiteral("standard output"), SystemCause(errno));
    return 0;
}

int runBuild(const QStringList& args)
{
    if (args.size() != 1)
        fail(QStringLiteral("usage: tarnlink-tool build COLLECTION < JSON"));
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read standard input"));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(in.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        fail(QStringLiteral("bad JSON at offset %1: %2").arg(error.offset).arg(error.errorString()));
    if (!doc.isObject())
        fail(QStringLiteral("bad JSON: the top level must be an object"));
    TfcTreeNodes tree;
    jsonToNodes(arrayValue(doc.object(), "nodes"), tree);
    WriteCollection(args[0], tree, CountNodes(tree));
    return 0;
}

} // namespace tarnlink::tool
