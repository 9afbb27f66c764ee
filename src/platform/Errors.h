#pragma once
// Errors raised by the platform layers. A handler never catches them; the toolkit's
// dispatch shows them in the standard error box.

#include <stdexcept>
#include <string>

namespace tesvar {

// The text-file layer's error: a system error code and its fixed text.
class FileError : public std::runtime_error {
public:
    // `opened`: the file was open when the error happened (a read or write failed).
    explicit FileError(int code, bool opened = false);
    int code() const { return code_; }
    bool opened() const { return opened_; }
    static std::string textFor(int code);

private:
    int code_;
    bool opened_;
};

// An index outside a list's entries.
class ListIndexError : public std::runtime_error {
public:
    explicit ListIndexError(int index);
};

class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ComError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The clipboard could not be taken or filled.
class ClipboardError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tesvar
