#pragma once

// The one place where errors of the layers below are shown: every command runs inside
// RunGuarded, so no exception ever crosses Qt's event loop.

#include "model/errors.h"
#include "ui/kit/prompts.h"
#include "settings/ini_file.h"
#include "ui/kit/translate.h"

#include <exception>
#include <new>
#include <utility>

namespace tarnlink {

// Runs the command; an error is shown through prompts.error. Returns false when one was raised.
// The fixed text in the current language, then what it is about (a file and the cause) as it is.
inline QString ErrorText(const Error& e)
{
    const QString text = Translate(QString::fromUtf8(e.what()));
    return e.detail().empty() ? text : text + QLatin1Char('\n') + QString::fromStdString(e.detail());
}

template <typename Command>
bool RunGuarded(Prompts& prompts, Command&& command)
{
    try {
        std::forward<Command>(command)();
        return true;
    } catch (const SettingsWriteError& e) {
        prompts.error(e.message(Translate("Unable to write to %s")));
    } catch (const Error& e) {
        prompts.error(ErrorText(e));
    } catch (const std::bad_alloc&) {
        prompts.error(Translate("Out of memory"));
    } catch (const std::exception& e) {
        prompts.error(QString::fromUtf8(e.what()));
    }
    return false;
}

} // namespace tarnlink
