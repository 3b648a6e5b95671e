#include "ui/interchange/path_group.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace tarnlink {

QLineEdit* NamedPathEdit(const char* name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(260);
    return edit;
}

QGroupBox* PathGroup(const char* name, const char* caption, QLineEdit* edit, QToolButton*& browse, QPushButton* find)
{
    browse = new QToolButton;
    browse->setObjectName(edit->objectName() + QStringLiteral("Button"));
    browse->setText(QStringLiteral("..."));
    auto* group = new QGroupBox(QLatin1String(caption));
    group->setObjectName(QLatin1String(name));
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(edit, 1);
    layout->addWidget(browse);
    if (find)
        layout->addWidget(find);
    return group;
}

} // namespace tarnlink
