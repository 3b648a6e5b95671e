#pragma once

// A launcher for tests: records what would be started and answers as told.

#include "ui/kit/launcher.h"

#include <QList>

namespace tarnlink::testing {

class RecordingLauncher : public Launcher {
public:
    struct Started {
        QString program;
        QStringList arguments;
    };

    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        programs.append({program, arguments});
        return programsStart;
    }
    bool openUrl(const QUrl& url) override
    {
        urls.append(url);
        return urlsOpen;
    }

    QList<Started> programs;
    QList<QUrl> urls;
    bool programsStart = true; // what startProgram answers
    bool urlsOpen = true;      // what openUrl answers
};

} // namespace tarnlink::testing
