#pragma once
// The program's exceptions. Every failure that ends an event handler is one of
// these; the application's exception event drops them silently, and the
// program entry's error box shows the message of one that escapes start-up.
#include <stdexcept>
#include <string>

// The base of every error the program raises itself.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// A text that should have been a boolean (or number) was not.
class EConvertError : public Exception {
    using Exception::Exception;
};

// A registry value could not be written.
class ERegistryException : public Exception {
    using Exception::Exception;
};

// A file to be loaded into a list, viewer or picture could not be opened.
class EFOpenError : public Exception {
    using Exception::Exception;
};

// A file was opened but its content could not be read as a stream.
class EStreamError : public Exception {
    using Exception::Exception;
};

// A picture file is not of the format it is loaded as, or is damaged.
class EInvalidGraphic : public Exception {
    using Exception::Exception;
};

// A grid operation named a cell the grid does not have.
class EInvalidGridOperation : public Exception {
    using Exception::Exception;
};
