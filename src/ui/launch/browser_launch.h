#pragma once

// Which address of a link is launched, and handing it to a browser.

#include "model/errors.h"

#include <QString>

#include <string>

namespace tarnlink {

class Launcher;

// The two failures of a launch; their texts are the program's fixed messages.
class LaunchError : public Error {
public:
    using Error::Error;
};

// which 0: Link1, else Link2; 1: Link1; 2: Link2. Empty when that address is empty.
const std::string& ChooseLinkAddress(const std::string& link1, const std::string& link2, int which);
// first, unless it is empty or the second is preferred and not empty.
QString ChooseAddress(const QString& first, const QString& second, bool preferSecond);

// Starts the browser program with the address as its one argument, or, without a program, the
// desktop's handler of the address. Throws LaunchError when nothing could be started.
void OpenInBrowser(Launcher& launcher, const QString& browserProgram, const QString& address);

} // namespace tarnlink
