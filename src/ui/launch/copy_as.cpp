#include "ui/launch/copy_as.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tarnlink {

QString CopyAsText(CopyForm form, const QString& name, const QString& link)
{
    switch (form) {
    case CopyForm::OnlyLink:
        return link;
    case CopyForm::NameAndLink:
        return name + QStringLiteral(" - ") + link;
    case CopyForm::HtmlTag:
        break;
    }
    return QStringLiteral("<a href=\"") + link + QStringLiteral("\">") + name + QStringLiteral("</a>");
}

void CopyAsToClipboard(CopyForm form, const QString& name, const QString& link)
{
    auto* data = new QMimeData;
    const QString text = CopyAsText(form, name, link);
    data->setText(text);
    // The plain text stays as typed; the HTML form escapes, so a name such as "a<b" stays a name.
    if (form == CopyForm::HtmlTag)
        data->setHtml(CopyAsText(form, name.toHtmlEscaped(), link.toHtmlEscaped()));
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace tarnlink
