#pragma once

// A page of the export dialog for one of today's browsers' formats: the file to write and what
// that format cannot hold of the nodes the export covers.

#include "interchange/bookmark_formats.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace tarnlink {

class BookmarkExportPage : public QWidget {
    Q_OBJECT
public:
    // names: the page's object name, then its edit's.
    BookmarkExportPage(BookmarkFormat format, const char* pageName, const char* editName);

    BookmarkFormat format() const { return format_; }
    QLineEdit* edit() const { return edit_; }
    QToolButton* browseButton() const { return browse_; }
    QLabel* LabLeftOut() const { return leftOut_; }

    // Says what the export of tree in scope leaves out.
    void showLosses(const TfcTreeNodes& tree, const ExportScope& scope);

    // Its wrapped texts would otherwise make the fixed-size export dialog take the height of the
    // page showing, moving the controls below the pages whenever another page is chosen.
    bool hasHeightForWidth() const override;

private:
    BookmarkFormat format_;
    QLineEdit* edit_;
    QToolButton* browse_ = nullptr;
    QLabel* leftOut_;
};

} // namespace tarnlink
