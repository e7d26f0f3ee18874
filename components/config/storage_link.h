// A handle on one key of a settings storage, named by a key path, with load and save events.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "components/config/cfg_storage.h"
#include "support/framework/persistent.h"

class HCustomStorageLink : public TPersistent {
    PENDREL_CLASS(HCustomStorageLink, TPersistent)
public:
    HCustomStorageLink();
    ~HCustomStorageLink() override;
    HCustomStorageLink(const HCustomStorageLink&) = delete;
    HCustomStorageLink& operator=(const HCustomStorageLink&) = delete;

    HCustomCfgStorage* GetStorage() const { return storage_; }
    // Leaves the old storage's list and joins the new one's.
    void SetStorage(HCustomCfgStorage* storage);
    const std::string& GetKeyPath() const { return keyPath_; }
    // One name under the storage's root; looked up on every access.
    void SetKeyPath(const std::string& path) { keyPath_ = path; }

    // The link's key, created when missing; null without a storage.
    HConfigItem* GetKey() const;
    HConfigItem* SubKey(const std::string& name) const;

    // Copies the key path and the storage of another link.
    void Assign(const TPersistent* source) override;
    // The storage going away detaches the link.
    virtual void Notification(TComponent* component, TOperation operation);

    // Run by the storage while it loads or saves; sender is that storage.
    void idLoad(TObject* sender);
    void idSave(TObject* sender);

    int Read(const std::string& name, int def) const;
    int64_t Read(const std::string& name, int64_t def) const;
    bool Read(const std::string& name, bool def) const;
    double Read(const std::string& name, double def) const;
    TColor ReadColor(const std::string& name, TColor def) const;
    // Valid until the value is written again.
    const char* Read(const std::string& name, const char* def) const;
    std::string Read(const std::string& name, const std::string& def) const;
    std::string ReadText(const std::string& name) const { return Read(name, std::string()); }

    void Write(const std::string& name, int value);
    void Write(const std::string& name, int64_t value);
    void Write(const std::string& name, bool value);
    void Write(const std::string& name, double value);
    void WriteColor(const std::string& name, TColor value);
    void Write(const std::string& name, const char* value);
    // The text now stored; value itself without a key.
    std::string Write(const std::string& name, const std::string& value);

    TEvent<TObject*> OnSave;
    TEvent<TObject*> OnLoad;

private:
    class Watcher;
    void Attach();
    void Detach();

    HCustomCfgStorage* storage_ = nullptr;
    std::string keyPath_;
    // Asks the storage for a free notification on the link's behalf, the link not being a component.
    std::unique_ptr<Watcher> watcher_;
};

class HStorageLink : public HCustomStorageLink {
    PENDREL_CLASS(HStorageLink, HCustomStorageLink)
public:
    HStorageLink() = default;
};
