// dump and build: a collection file as JSON and back.

#include "commands.h"
#include "tool_support.h"

#include "document/collection_file.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"
#include "platform/codepage.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

QJsonObject nodeFields(const TfcTreeNode& node)
{
    QJsonObject o;
    o["name"] = codepage::toDisplay(node.Name());
    o["kind"] = node.Kind;
    for (const StringKey& k : kStringKeys)
        o[k.key] = codepage::toDisplay(node.*k.field);
    for (const IntKey& k : kIntKeys)
        o[k.key] = node.*k.field;
    o["checkboxType"] = node.CheckboxType;
    o["checked"] = node.Checked;
    o["grayed"] = node.Grayed;
    return o;
}

// Children are filled in after their own children, so the walk needs no recursion.
QJsonArray nodesToJson(const TfcTreeNodes& tree)
{
    struct Frame {
        const TfcTreeNode* node; // null for the top level
        QJsonObject object;
        QJsonArray children;
        int next = 0;
    };
    std::vector<Frame> stack;
    stack.push_back({nullptr, {}, {}, 0});
    while (true) {
        Frame& top = stack.back();
        const int count = top.node ? top.node->ChildCount() : tree.TopLevelCount();
        if (top.next < count) {
            const TfcTreeNode* child = top.node ? top.node->Item(top.next) : tree.TopLevelItem(top.next);
            ++top.next;
            stack.push_back({child, nodeFields(*child), {}, 0});
            continue;
        }
        if (stack.size() == 1)
            return top.children;
        top.object["children"] = top.children;
        QJsonObject done = std::move(top.object);
        stack.pop_back();
        stack.back().children.append(done);
    }
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
    if (!QFileInfo(args[0]).isFile())
        fail(QStringLiteral("%1: no such file").arg(args[0]));
    TfcTreeNodes tree;
    const CollectionHeader header = ReadCollection(args[0], tree);
    const TreeCounts counts = CountNodes(tree);
    QJsonObject root;
    root["header"] = QJsonObject{
        {"title", codepage::toDisplay(header.title)},
        {"version", header.version},
        {"folderCount", header.folderCount},
        {"linkCount", header.linkCount},
    };
    root["folderCount"] = counts.FolderCount;
    root["linkCount"] = counts.LinkCount;
    root["nodes"] = nodesToJson(tree);
    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
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
