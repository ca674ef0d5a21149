#pragma once

#include <string>
#include <vector>

#include "textio/Exception.h"

// The engine's error codes; their descriptions are in one table in EngineErrors.cpp.
enum EngineErrorCode : int {
    kErrUnknownDatabase = 0x2101,
    kErrConfigUnreadable = 0x2103,
    kErrDriverMissing = 0x2104,
    kErrNotInitialized = 0x2105,
    kErrAliasUnusable = 0x2106,
    kErrKeyViolation = 0x2601,
    kErrTablePassword = 0x2902,  // status 10498
    kErrCannotOpenDatabase = 0x2C01,
    kErrParameterIndex = 0x2C03,
    kErrNoResult = 0x2C04,
    kErrGeneralSql = 0x3303,
};

// The engine's description of a code; empty for a code the table does not know.
TPhrase EngineErrorDescription(int code);

// The data-access layer's own checks.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EDatabaseError"; }
};

// One entry of the engine's error stack: its code, the database server's own code where the
// server reported it (empty otherwise), and its message: the server's words as they are, or the
// program's own.
struct TDBError {
    int errorCode = 0;
    std::string nativeError;
    TPhrase message;
};

// The message of an engine failure: the description of its code, then per stack entry the
// description of its code (for entries without a server code) and its trimmed message; CR LF
// between lines; empty and repeated lines (whatever their letter case) left out. A message of the
// program's own is one line, shown in the user's language.
TPhrase ComposeEnginePhrase(int errorCode, const std::vector<TDBError>& errors);
std::string ComposeEngineMessage(int errorCode, const std::vector<TDBError>& errors);
TPhrase EngineInitFailurePhrase(int errorCode);

// A failure inside the database engine.
class EDBEngineError : public EDatabaseError {
public:
    EDBEngineError(int errorCode, std::vector<TDBError> errors);
    // A failure to initialise the engine; the cause, where given, is a line of its own.
    static EDBEngineError InitFailure(int errorCode, const TPhrase& cause = {});

    int ErrorCode() const { return errorCode_; }
    const std::vector<TDBError>& Errors() const { return errors_; }
    const char* ClassName() const noexcept override { return "EDBEngineError"; }

private:
    EDBEngineError(int errorCode, TPhrase message);
    int errorCode_;
    std::vector<TDBError> errors_;
};
