#pragma once

// The controls of the "Visual view" page: a font button with a sample of the font it holds, and
// a colour selector showing its colour. Both ask through the prompts and keep what they were
// given until the user chooses anew, so a system colour read from the settings stays one.

#include "ui/kit/prompts_source.h"

#include <QFont>
#include <QPushButton>
#include <QWidget>

class QLabel;

namespace tarnlink {

class FontButton : public QWidget {
public:
    FontButton(const char* name, PromptsSource prompts);

    void setChosenFont(const QFont& font);
    const QFont& chosenFont() const { return font_; }
    QPushButton* button() const { return button_; }
    QLabel* sample() const { return sample_; }
    // The font dialog, starting from the font held.
    void choose();

private:
    PromptsSource prompts_;
    QPushButton* button_;
    QLabel* sample_;
    QFont font_;
};

class ColorSelector : public QPushButton {
public:
    ColorSelector(const char* name, const char* caption, PromptsSource prompts);

    // A Windows colour value as the settings hold it.
    void setWindowsColor(int value);
    int windowsColor() const { return value_; }
    // The colour dialog, starting from the colour held.
    void choose();

private:
    PromptsSource prompts_;
    int value_ = 0;
};

} // namespace tarnlink
