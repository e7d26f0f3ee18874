// The settings component: owns a configuration tree and the file behind it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "support/framework/component.h"
#include "support/framework/event.h"
#include "support/lib/config/config_tree.h"

class HCustomStorageLink;
using HCfgLinks = std::vector<HCustomStorageLink*>;

class HCustomCfgStorage : public TComponent {
    PENDREL_CLASS(HCustomCfgStorage, TComponent)
public:
    explicit HCustomCfgStorage(TComponent* owner);
    // Detaches every link; does not save.
    ~HCustomCfgStorage() override;

    const std::string& GetFileName() const { return fileName_; }
    // A relative name is taken relative to the program's folder. With AutoLoad, a new non-empty
    // name loads the file at once.
    void SetFileName(const std::string& value);
    // The resolved file path; "" while FileName is empty.
    const std::string& FullPath() const { return fullPath_; }
    bool GetAutoSave() const { return autoSave_; }
    void SetAutoSave(bool value) { autoSave_ = value; }
    bool GetAutoLoad() const { return autoLoad_; }
    void SetAutoLoad(bool value) { autoLoad_ = value; }

    // Reads the file, then runs OnLoad and the links' OnLoad. False, with no handler run, when
    // designing, without a file name, or when the file is missing or damaged.
    bool Load();
    // Runs OnSave and the links' OnSave, then writes the file. False under the same conditions
    // as Load, or when the file cannot be written (the old one then stays as it was).
    bool Save();

    bool Read(const std::string& name, bool def) const;
    int64_t Read(const std::string& name, int64_t def) const;
    int Read(const std::string& name, int def) const;
    double Read(const std::string& name, double def) const;
    TColor ReadColor(const std::string& name, TColor def) const;
    // Valid until the value is written again.
    const char* Read(const std::string& name, const char* def) const;
    std::string Read(const std::string& name, const std::string& def) const;
    const char* ReadText(const std::string& name) const { return Read(name, ""); }

    void Write(const std::string& name, bool value);
    void Write(const std::string& name, int64_t value);
    void Write(const std::string& name, int value);
    void Write(const std::string& name, double value);
    void WriteColor(const std::string& name, TColor value);
    void Write(const std::string& name, const char* value);
    void Write(const std::string& name, const std::string& value);

    // The root's sub-key of that name, created when missing; null without a tree.
    HConfigItem* SubKey(const std::string& name);
    HConfigItem* Root() const { return root_; }
    const HCfgLinks& Links() const { return links_; }

    TEvent<TObject*> OnSave;
    TEvent<TObject*> OnLoad;

protected:
    friend class HCustomStorageLink;
    void idLoad();
    void idSave();
    bool CanUseFile() const;

    bool autoSave_ = true;
    bool autoLoad_ = true;

private:
    HTreeConfig* tree_ = nullptr;
    std::string fullPath_;
    HConfigItem* root_ = nullptr;
    HCfgLinks links_;
    std::string fileName_;
};

class HCfgStorage : public HCustomCfgStorage {
    PENDREL_CLASS(HCfgStorage, HCustomCfgStorage)
public:
    explicit HCfgStorage(TComponent* owner) : HCustomCfgStorage(owner) {}
};

// The full path a settings file name stands for: absolute names unchanged, relative ones in
// the program's folder; "" for "".
std::string HConfigFullPath(const std::string& fileName);
