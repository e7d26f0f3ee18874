#include "form_text.h"

#include "support/framework/component.h"
#include "support/framework/object_text.h"
#include "support/framework/parser.h"
#include "support/framework/reader.h"
#include "support/framework/stream.h"

namespace {
TMemoryStream BinaryOf(std::string_view text) {
    TConstMemoryStream source(text.data(), static_cast<int64_t>(text.size()));
    TParser parser(source);
    TMemoryStream binary;
    HObjectTextToBinary(&parser, &binary);
    if (parser.Token() != toEOF) parser.Error("Text after the form's end");
    binary.SetPosition(0);
    return binary;
}

void CheckRootClass(TReader& reader, const TComponent& form) {
    reader.ReadSignature();
    const std::string stored = reader.PeekClassName();
    if (stored != form.ClassName()) throw EReadError("It holds a " + stored + ", not a " + form.ClassName());
    reader.Stream().SetPosition(0);
}

// A second form of a class under one owner is named as the first with a number after it.
std::string UniqueFormName(const TComponent& form, const std::string& stored) {
    const TComponent* owner = form.Owner();
    if (!owner || !owner->FindComponent(stored)) return stored;
    for (int number = 1;; ++number) {
        std::string name = stored + "_" + std::to_string(number);
        if (!owner->FindComponent(name)) return name;
    }
}

void FinishLoading(TComponent& form) {
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (TComponent* component = form.Components(i); component->IsLoading()) component->Loaded();
    form.Loaded();
}

void BindFields(TComponent& form) {
    for (const TPublishedField& field : form.ClassType()->Fields()) {
        TComponent* component = form.FindComponent(field.Name);
        if (!component) throw EReadError("The form has no component " + field.Name);
        if (!component->InheritsFrom(&field.FieldClass()))
            throw EReadError(field.Name + " is a " + component->ClassName() + ", not a " + field.FieldClass().ClassName());
        field.Set(form, component);
    }
}

void DestroyComponentsFrom(TComponent& form, int first) {
    for (const TPublishedField& field : form.ClassType()->Fields()) field.Set(form, nullptr);
    while (form.ComponentCount() > first) delete form.Components(form.ComponentCount() - 1);
}
}  // namespace

void ReadFormText(TComponent& form, std::string_view text, const std::string& source) {
    const int before = form.ComponentCount();
    try {
        TMemoryStream binary = BinaryOf(text);
        TReader reader(binary);
        CheckRootClass(reader, form);
        reader.SetOwner(&form);
        reader.SetKeepRootName(!form.GetName().empty());
        reader.OnSetName = [&form](TReader&, TComponent* component, std::string& name) {
            if (component == &form) name = UniqueFormName(form, name);
        };
        reader.BeginReferences();
        try {
            reader.ReadRootComponent(&form);
            reader.FixupReferences();
        } catch (...) {
            reader.EndReferences();
            throw;
        }
        reader.EndReferences();
        BindFields(form);
        FinishLoading(form);
    } catch (const Exception& error) {
        DestroyComponentsFrom(form, before);
        throw EFormResourceError("Cannot read the form " + source + ": " + error.Message);
    }
}

std::string FormTextClassName(std::string_view text, const std::string& source) {
    try {
        TMemoryStream binary = BinaryOf(text);
        TReader reader(binary);
        reader.ReadSignature();
        return reader.PeekClassName();
    } catch (const Exception& error) {
        throw EFormResourceError("Cannot read the form " + source + ": " + error.Message);
    }
}
