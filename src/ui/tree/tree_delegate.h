#pragma once

// How the tree draws a node: links in the window's plain font, folders and separators in the
// tree's bold font, rated links in their colour, the selected or hot node underlined in the hot
// colour, separators as a bar without text.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStyledItemDelegate>

#include <cstdint>
#include <optional>

namespace tarnlink {

class TfcTreeNode;

struct NodeLook {
    QFont font;
    std::optional<QColor> textColor; // none: the tree's own font colour
    bool bar = false;                // a separator: no text, a bar instead
};

NodeLook LookOf(const TfcTreeNode& node, bool selectedOrHot, const QFont& windowFont, const QFont& treeFont,
                const QColor& hotColor);
// The separator bar for a text rectangle, reaching to 10 pixels before the tree's right side.
QRect SeparatorBar(const QRect& textRect, int treeWidth);

class TreeDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TreeDelegate(QObject* parent = nullptr);

    void setHotColor(const QColor& color) { hotColor_ = color; }
    QColor hotColor() const { return hotColor_; }
    void setBarColor(const QColor& color) { barColor_ = color; }
    QColor barColor() const { return barColor_; }
    void setWindowFont(const QFont& font) { windowFont_ = font; }
    void setShowHints(bool on) { showHints_ = on; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    QColor hotColor_;
    QColor barColor_;
    QFont windowFont_;
    bool showHints_ = true;
};

} // namespace tarnlink
