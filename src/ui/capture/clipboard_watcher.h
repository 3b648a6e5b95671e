#pragma once

// The clipboard watcher: at every change of the clipboard (Ctrl+C; the mouse selection of X11 is
// not the clipboard) it keeps the clipboard's text, empty when it holds none, and knows whether
// this program is the active application. It raises its change only once started, so nothing
// reacts before the window is complete.

#include <QObject>
#include <QString>

namespace tarnlink {

class ClipboardWatcher : public QObject {
    Q_OBJECT
public:
    explicit ClipboardWatcher(QObject* parent = nullptr);

    // The clipboard's text at its last change.
    QString text() const { return text_; }
    // This program is the active application (copies then come from inside it).
    bool programActive() const { return programActive_; }
    // Raises changes from now on.
    void start() { started_ = true; }

signals:
    // The clipboard changed; text() holds its new text.
    void changed();

private:
    void clipboardChanged();

    QString text_;
    bool programActive_;
    bool started_ = false;
};

} // namespace tarnlink
