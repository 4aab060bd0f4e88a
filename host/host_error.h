// The ways a host operation fails; the command-line program turns each into its exit code.
#pragma once

#include <stdexcept>
#include <string>

// A plug-in could not be loaded or one of its calls failed.
class PluginError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The plug-in refused the print job (its start-of-document hook answered FALSE).
class JobRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file of the user's could not be read or written.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "0x80004005" for messages.
std::string HexText(unsigned long value);
