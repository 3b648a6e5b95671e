#pragma once

// The desktop session ending reaches a Linux program as SIGTERM (or SIGHUP when its terminal
// goes). This turns those signals into a Qt signal on the GUI thread, so the program can close
// as it does when the session ends, instead of dying without saving its settings.

#include <QObject>

class QSocketNotifier;

namespace tarnlink {

class TerminationSignal : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; only one object may exist at a time.
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

signals:
    void received();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tarnlink
