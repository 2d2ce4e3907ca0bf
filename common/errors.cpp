#include "common/errors.h"

namespace vorneta {

ConversionError::ConversionError(const std::string &text)
    : Failure("'" + text + "' is not a valid floating point value")
{
}

FloatDivideByZero::FloatDivideByZero() : FloatFault("Floating point division by zero") {}
FloatInvalidOperation::FloatInvalidOperation() : FloatFault("Invalid floating point operation") {}
FloatOverflow::FloatOverflow() : FloatFault("Floating point overflow") {}

static std::string fileErrorMessage(int code)
{
    switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    default: return "I/O error " + std::to_string(code);
    }
}

FileError::FileError(int code) : Failure(fileErrorMessage(code)), code_(code) {}

FileError::FileError(int code, std::string message) : Failure(std::move(message)), code_(code) {}

FileError FileError::ioError(int number)
{
    return FileError(number, "I/O error " + std::to_string(number));
}

std::string errorBoxText(const std::string &message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

}  // namespace vorneta
