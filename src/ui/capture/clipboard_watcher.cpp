#include "ui/capture/clipboard_watcher.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tarnlink {

ClipboardWatcher::ClipboardWatcher(QObject* parent)
    : QObject(parent), text_(QGuiApplication::clipboard()->text(QClipboard::Clipboard)),
      programActive_(QGuiApplication::applicationState() == Qt::ApplicationActive)
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &ClipboardWatcher::clipboardChanged);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { programActive_ = state == Qt::ApplicationActive; });
}

void ClipboardWatcher::clipboardChanged()
{
    text_ = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    if (started_)
        emit changed();
}

} // namespace tarnlink
