#pragma once

#include <exception>
#include <string>

namespace vorneta {

// Every failure the program can meet while handling an event. One guard around every
// handler catches this base and shows the message in the error box.
class Failure : public std::exception
{
public:
    explicit Failure(std::string message) : message_(std::move(message)) {}
    const char *what() const noexcept override { return message_.c_str(); }
    const std::string &message() const noexcept { return message_; }

private:
    std::string message_;
};

// Text typed into an edit box that is not a number.
class ConversionError : public Failure
{
public:
    explicit ConversionError(const std::string &text);
};

// The three floating-point faults; they end the computation that caused them.
class FloatFault : public Failure
{
public:
    using Failure::Failure;
};

class FloatDivideByZero : public FloatFault
{
public:
    FloatDivideByZero();
};

class FloatInvalidOperation : public FloatFault
{
public:
    FloatInvalidOperation();
};

class FloatOverflow : public FloatFault
{
public:
    FloatOverflow();
};

// A file that could not be written; code is the cause number of the file-error table
// (2 not found, 3 invalid name, 4 too many open files, 5 access denied, else I/O error).
class FileError : public Failure
{
public:
    explicit FileError(int code);
    // "I/O error %d" with the system's own error number, even where that number is also one of
    // the causes above (EIO is 5 on Linux, which is not a refusal of access).
    static FileError ioError(int number);
    int code() const noexcept { return code_; }

private:
    FileError(int code, std::string message);
    int code_;
};

// The text the error box shows for a failure: the message, followed by a full stop when
// its last character comes after the full stop in the character table.
std::string errorBoxText(const std::string &message);

}  // namespace vorneta
