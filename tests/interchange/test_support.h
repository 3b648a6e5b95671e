#pragma once

// Small trees written as data, a one-line-per-node outline to compare trees, and a device that
// fails after a number of bytes.

#include "model/node_icons.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"

#include <QIODevice>

#include <string>
#include <vector>

namespace tarnlink::test {

struct NodeShape {
    int kind;
    std::string name;
    std::string link;
    std::vector<NodeShape> children;
    std::string password;
};

inline NodeShape Link(std::string name, std::string link = {}) { return {KindLink, std::move(name), std::move(link), {}, {}}; }
inline NodeShape Separator(std::string name = {}) { return {KindSeparator, std::move(name), {}, {}, {}}; }
inline NodeShape Folder(std::string name, std::vector<NodeShape> children = {}) { return {KindFolder, std::move(name), {}, std::move(children), {}}; }
inline NodeShape Protected(std::string name, std::vector<NodeShape> children = {})
{
    return {KindFolder, std::move(name), {}, std::move(children), "0badc0de"};
}

inline void Build(TfcTreeNodes& tree, TfcTreeNode* parent, const std::vector<NodeShape>& shapes)
{
    for (const NodeShape& shape : shapes) {
        TfcTreeNode* node = tree.AddChild(parent, shape.name);
        node->Kind = shape.kind;
        node->Link1 = shape.link;
        node->FolderPassword = shape.password;
        SetIconsForKind(*node);
        Build(tree, node, shape.children);
    }
}

inline void Build(TfcTreeNodes& tree, const std::vector<NodeShape>& shapes) { Build(tree, nullptr, shapes); }

// "F name", "L name link" or "S name", indented two blanks per level.
inline std::string Outline(const TfcTreeNodes& tree)
{
    std::string out;
    for (const TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext()) {
        out += std::string(size_t(2 * n->Level()), ' ');
        out += n->IsFolder() ? "F " : n->IsLink() ? "L " : "S ";
        out += n->Name();
        if (n->IsLink())
            out += " " + n->Link1;
        out += "\n";
    }
    return out;
}

// Accepts the first `limit` bytes written, then fails.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 limit) : limit_(limit) { open(QIODevice::WriteOnly); }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 room = limit_ - written.size();
        if (room <= 0) {
            setErrorString("device full");
            return -1;
        }
        const qint64 n = std::min(room, size);
        written.append(data, n);
        return n;
    }

private:
    qint64 limit_;
};

} // namespace tarnlink::test
