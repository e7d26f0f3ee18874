// Errors of the form designer: an action that cannot be done, with the reason.
#pragma once
#include "support/framework/exceptions.h"

class EDesignerError : public Exception {
    using Exception::Exception;
};
