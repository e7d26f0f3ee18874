// Forms made from their stored text: the form's own properties, its components (owned by the
// form, parented where the text nests them), and the form's published component fields and
// handlers, bound by name.
#pragma once
#include <string>
#include <string_view>

#include "support/framework/exceptions.h"

class TComponent;

// A stored form that is missing or cannot be read; the message names the form's source.
class EFormResourceError : public EReadError {
    using EReadError::EReadError;
};

// Reads text, whose root object must be of form's class, into form. A text that does not
// parse, a class, property or handler it names that does not exist, and a published field
// without a component of its class raise EFormResourceError naming source; what was read of
// the text is gone again then.
void ReadFormText(TComponent& form, std::string_view text, const std::string& source);
// The class name of the text's root object ("object Name: TClass"); raises when there is none.
std::string FormTextClassName(std::string_view text, const std::string& source);
