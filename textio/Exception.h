#pragma once

#include <exception>
#include <string>
#include <utility>

// The base error kind: a message in UTF-8. ClassName() is what the start-up display names.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}

    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }
    virtual const char* ClassName() const noexcept { return "Exception"; }

private:
    std::string message_;
};

// A failed text-file operation; Code() is the file system's number or the text layer's own.
class EInOutError : public Exception {
public:
    EInOutError(int code, std::string message) : Exception(std::move(message)), code_(code) {}

    int Code() const noexcept { return code_; }
    const char* ClassName() const noexcept override { return "EInOutError"; }

private:
    int code_;
};
