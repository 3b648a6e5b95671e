#pragma once

// One page of the preferences: it shows the settings in memory and writes its controls back, so
// each page is tried alone and the dialog is only the frame around them.

#include <QWidget>

#include <utility>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLayout;
class QSpinBox;

namespace tarnlink {

struct OptionsSection;
struct Settings;


// Check boxes and number boxes that each edit one value of the Options section.
class BoundControls {
public:
    QCheckBox* check(const char* name, const char* caption, bool OptionsSection::*setting);
    QSpinBox* spin(const char* name, int minimum, int maximum, int OptionsSection::*setting);
    void load(const OptionsSection& options) const;
    void store(OptionsSection& options) const;

private:
    std::vector<std::pair<QCheckBox*, bool OptionsSection::*>> checks_;
    std::vector<std::pair<QSpinBox*, int OptionsSection::*>> spins_;
};

// A page shows the values its bound controls edit; pages with more to show extend load and
// store.
class OptionsPage : public QWidget {
public:
    using QWidget::QWidget;

    virtual void load(const Settings& settings);
    virtual void store(Settings& settings) const;

protected:
    BoundControls bound_;
};

// Controls of the pages, named as the program's documents name them; captions are English and
// pass through Translate.
QCheckBox* NewCheck(const char* name, const char* caption);
QSpinBox* NewSpin(const char* name, int minimum, int maximum);
// A group box holding the widgets one under the other.
QGroupBox* NewGroup(const char* caption, const QList<QWidget*>& widgets);
// Rows of a caption, a field and an optional text after the field, aligned in columns.
struct FieldRow {
    const char* caption;
    QWidget* field;
    const char* after = nullptr;
};
QWidget* NewFieldRows(const QList<FieldRow>& rows);
// The page's layout: the widgets one under the other, and the free room below them.
void StackOnPage(OptionsPage& page, const QList<QWidget*>& widgets);

} // namespace tarnlink
