// A command line that asks for something impossible: the program says what and exits with 2.
#pragma once

#include <stdexcept>

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
