#include "class_holder.h"

#include "support/framework/reader.h"
#include "support/framework/win_control.h"
#include "support/framework/writer.h"

HClassHolder::HClassHolder(TClass cls, TControl* prototype) : class_(cls) {
    if (!prototype) return;
    // The template carries every published property but the name.
    const std::string name = prototype->GetName();
    prototype->SetName("");
    template_ = std::make_unique<TMemoryStream>();
    try {
        TWriter writer(*template_);
        writer.SetRoot(prototype->Owner());
        writer.SetWriteChildren(false);
        writer.WriteComponent(prototype);
    } catch (...) {
        prototype->SetName(name);
        throw;
    }
    prototype->SetName(name);
}

HClassHolder::~HClassHolder() = default;

AnsiString HClassHolder::Name() const { return class_ ? class_->ClassName() : AnsiString(); }

TComponent* HClassHolder::Create(TComponent* owner, TWinControl* parent) const {
    if (!class_ || class_->IsAbstract()) return nullptr;
    TObject* instance = class_->CreateInstance(owner);
    auto* component = dynamic_cast<TComponent*>(instance);
    if (!component) {
        delete instance;
        return nullptr;
    }
    if (template_) {
        template_->SetPosition(0);
        TReader reader(*template_);
        reader.SetRoot(owner);
        reader.SetReadChildren(false);
        try {
            // References (a key's edit field) are resolved by name among the owner's components.
            reader.BeginReferences();
            reader.ReadComponentInto(component);
            reader.FixupReferences();
        } catch (...) {
            delete component;
            throw;
        }
    }
    if (auto* control = dynamic_cast<TControl*>(component); control && parent) control->SetParent(parent);
    return component;
}
