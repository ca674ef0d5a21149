#pragma once

#include <exception>
#include <string>
#include <utility>

#include "textio/Phrase.h"

// The base error kind: a message in UTF-8, in English, and the phrase it was made from, which the
// error displays show in the user's language (a message given as text is a phrase of its own).
// ClassName() is what the start-up display names.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)), phrase_(message_) {}
    explicit Exception(const char* message) : Exception(std::string(message)) {}
    explicit Exception(TPhrase phrase) : message_(phrase.English()), phrase_(std::move(phrase)) {}

    const std::string& Message() const noexcept { return message_; }
    const TPhrase& Phrase() const noexcept { return phrase_; }
    const char* what() const noexcept override { return message_.c_str(); }
    virtual const char* ClassName() const noexcept { return "Exception"; }

private:
    std::string message_;
    TPhrase phrase_;
};

// A failed text-file operation; Code() is the file system's number or the text layer's own.
class EInOutError : public Exception {
public:
    EInOutError(int code, std::string message) : Exception(std::move(message)), code_(code) {}
    EInOutError(int code, TPhrase message) : Exception(std::move(message)), code_(code) {}

    int Code() const noexcept { return code_; }
    const char* ClassName() const noexcept override { return "EInOutError"; }

private:
    int code_;
};
