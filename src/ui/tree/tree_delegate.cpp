#include "ui/tree/tree_delegate.h"

#include "model/node_icons.h"
#include "ui/kit/windows_color.h"
#include "model/tree_node.h"
#include "ui/tree/tree_model.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace tarnlink {

NodeLook LookOf(const TfcTreeNode& node, bool selectedOrHot, const QFont& windowFont, const QFont& treeFont,
                const QColor& hotColor)
{
    NodeLook look;
    look.bar = node.IsSeparator();
    look.font = node.IsLink() || selectedOrHot ? windowFont : treeFont;
    if (selectedOrHot) {
        look.font.setUnderline(true);
        look.textColor = hotColor;
    } else if (node.IsLink()) {
        if (auto colour = RatingColour(RatingFromImageIndex(node.ImageIndex)))
            look.textColor = FromWindowsColor(*colour);
    }
    return look;
}

QRect SeparatorBar(const QRect& textRect, int treeWidth)
{
    const int left = textRect.left();
    const int top = textRect.top();
    const int right = textRect.right() + 1;
    const int bottom = textRect.bottom() + 1;
    const int half = (bottom - top) / 2;
    return QRect(QPoint(left, top + half - 2), QPoint(right + treeWidth - left - 10 - 1, bottom - half + 2 - 1));
}

TreeDelegate::TreeDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void TreeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const TfcTreeNode* node = TreeItemModel::nodeOf(index);
    if (!node) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const bool hot = opt.state & (QStyle::State_Selected | QStyle::State_MouseOver);
    const NodeLook look = LookOf(*node, hot, windowFont_, option.font, hotColor_);
    opt.font = look.font;
    opt.fontMetrics = QFontMetrics(look.font);
    if (look.textColor) {
        opt.palette.setColor(QPalette::Text, *look.textColor);
        opt.palette.setColor(QPalette::HighlightedText, *look.textColor);
    }
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    if (look.bar) {
        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const int treeWidth = widget ? widget->width() : opt.rect.width();
        painter->fillRect(SeparatorBar(text, treeWidth).intersected(opt.rect.adjusted(0, 0, treeWidth, 0)), barColor_);
    }
}

bool TreeDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                             const QModelIndex& index)
{
    // A tool tip only for a name the tree had to cut off.
    if (event->type() != QEvent::ToolTip || !showHints_)
        return false;
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect visible = view->visualRect(index).intersected(view->viewport()->rect());
    if (!text.isEmpty() && sizeHint(option, index).width() > visible.width()) {
        QToolTip::showText(event->globalPos(), text, view);
        return true;
    }
    QToolTip::hideText();
    return true;
}

} // namespace tarnlink
