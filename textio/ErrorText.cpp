#include "textio/ErrorText.h"

std::string TopLevelMessageText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        return message + ".";
    }
    return message;
}

TPhrase StartupMessagePhrase(const std::string& className, const std::string& moduleName,
                             const std::string& message)
{
    // Where the failing code lies has no meaning to the user here; the address stays zero.
    const bool stop = !message.empty() && message.back() != '.';
    return TPhrase("ErrorText",
                   QT_TRANSLATE_NOOP("ErrorText", "Exception %1 in module %2 at 00000000.\n%3"),
                   {className, moduleName, message + (stop ? "." : "")});
}
