// Forms stored as RCDATA resources in our text form, named after the form's class in capitals
// (THMULTILINEEDITORFORM), as the .rc files beside the forms' texts declare them.
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "form_text.h"

class TComponent;

// The text of the resource name among module's RCDATA (null: the program); raises
// EFormResourceError when the module has none of that name.
std::string_view FormResourceText(void* module, const std::string& name);
// The resource name of a form class.
std::string FormResourceName(const std::string& className);
// Reads the form's stored text from module (null: the program) into form.
void ReadFormResource(TComponent& form, void* module);

// Makes a form of class Form owned by owner from its stored text: the constructor makes
// nothing, the text makes the rest, and the form's Loaded runs last.
template <class Form>
std::unique_ptr<Form> CreateForm(TComponent* owner, void* module) {
    auto form = std::make_unique<Form>(owner);
    ReadFormResource(*form, module);
    return form;
}
