// Components: owners destroy what they own, names are unique among an owner's components.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "persistent.h"

enum TComponentStateFlag : unsigned {
    csLoading = 1,
    csReading = 2,
    csWriting = 4,
    csDestroying = 8,
    csDesigning = 16,
    csAncestor = 32,
    csUpdating = 64,
    csFixups = 128,
    csFreeNotification = 256,
    csInline = 512,
};
using TComponentState = unsigned;

enum class TOperation { opInsert, opRemove };

class TComponent;

// Hears the design changes of the components under a root (a form, a design panel), so that
// a designer keeps its selection, inspector and undo in step. An inserted component may
// still be under construction, a removed one half destroyed: only its identity counts then.
class IDesignerHook {
public:
    virtual ~IDesignerHook() = default;
    virtual void ComponentInserted(TComponent& component) = 0;
    virtual void ComponentRemoved(TComponent& component) = 0;
    virtual void ComponentRenamed(TComponent& component, const std::string& oldName) = 0;
    // A published property changed, by name or by its path from the component ("Font.Color").
    virtual void PropertyChanged(TComponent& component, const std::string& path) = 0;
};

class TComponent : public TPersistent {
    PENDREL_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& GetName() const { return name_; }
    // Raises EComponentError for an invalid identifier or a name the owner already has.
    virtual void SetName(const std::string& name);
    int GetTag() const { return tag_; }
    void SetTag(int tag);

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    // The owned component of that name (case-insensitive), or null.
    TComponent* FindComponent(const std::string& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();

    TComponentState ComponentState() const { return state_; }
    bool Designing() const { return state_ & csDesigning; }
    bool IsLoading() const { return state_ & csLoading; }
    // With setChildren, every owned component takes the state too.
    void SetDesigning(bool designing, bool setChildren = true);
    void SetLoading(bool loading) { SetState(csLoading, loading); }
    void SetReading(bool reading) { SetState(csReading, reading); }

    // The designer hook of a root component; the components under it report to it.
    void SetDesignerHook(IDesignerHook* hook) { designerHook_ = hook; }
    // The hook of this component or of its nearest owner that has one; null when none has,
    // and while this component is being read, written or destroyed.
    IDesignerHook* DesignerHook() const;
    // Reports a property change to the designer hook; setters whose follow-up action is the
    // report call it, the generic setters (SetPropText) call it once for their whole change.
    void PropertyChanged(const std::string& path);

protected:
    // The setter of a value without a follow-up action of its own: store and report.
    template <class V>
    void ChangeAndReport(V& field, const V& value, const char* name) {
        if (field == value) return;
        field = value;
        PropertyChanged(name);
    }

public:

    // Asks component to tell this one when it goes away.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Called when a component is inserted into or removed from the owner, or a linked one is destroyed.
    virtual void Notification(TComponent* component, TOperation operation);
    // Called once a stream has been read into the component.
    virtual void Loaded();
    // The components a writer writes as children of this one (controls: the child controls).
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual bool HasParent() const { return false; }
    // A reader makes a new component the child of this parent.
    virtual void SetParentComponent(TComponent*) {}
    std::string GetNamePath() const override { return name_; }

protected:
    friend class TWriter;
    friend class TReader;
    void SetState(unsigned flag, bool on);
    // Checks an identifier and its uniqueness among the owner's components.
    void ValidateRename(const std::string& oldName, const std::string& newName) const;

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void NotifyOwned(TComponent* component, TOperation operation);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::string name_;
    int tag_ = 0;
    TComponentState state_ = 0;
    IDesignerHook* designerHook_ = nullptr;
};

// While it lives, setters report no property changes: a generic setter reports its change
// itself, once.
class TPropertyReportsMuted {
public:
    TPropertyReportsMuted();
    ~TPropertyReportsMuted();
    TPropertyReportsMuted(const TPropertyReportsMuted&) = delete;
    TPropertyReportsMuted& operator=(const TPropertyReportsMuted&) = delete;
    static bool Active();
};

bool IsValidIdent(const std::string& ident);
