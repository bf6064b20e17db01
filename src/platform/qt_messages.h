#pragma once
// Command-line tools speak only through their own output: Qt's notes about
// the environment (such as a missing runtime directory) are not for their
// users. A fatal message is still printed before the program stops.

namespace lumora {

// Call before the application object is created.
void KeepQtMessagesQuiet();

}  // namespace lumora
