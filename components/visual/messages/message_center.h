// The process-wide state of the message window: its messages, options and locks, and the
// rules for when the window is made and shown. The window itself is a view behind an interface.
#pragma once
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "components/visual/messages/message_list.h"
#include "components/visual/messages/message_options.h"

class HiMessageView {
public:
    virtual ~HiMessageView() = default;
    virtual bool Exists() const = 0;
    virtual void Create(void* owner) = 0;  // hidden
    virtual void Destroy() = 0;
    virtual void Show() = 0;  // in front
    virtual void Hide() = 0;
    virtual void Minimize() = 0;
    virtual bool Visible() const = 0;
    virtual void Refresh() = 0;  // the messages changed
    virtual void ApplyOptions() = 0;
};

class HiMessageCenter {
public:
    using TClock = std::function<std::time_t()>;

    // view: the window, made later on demand. clock: the time stamps (default: now).
    explicit HiMessageCenter(std::unique_ptr<HiMessageView> view, TClock clock = nullptr);

    // Adds a message as the newest, making room first, and pops the window up when the kind
    // reaches "ActivateMin".
    void Add(void* owner, HiIcon kind, std::string text);
    // Makes and shows the window; with onlyIfNotEmpty, not while the list shows nothing;
    // while locked, only notes that it should be shown.
    void Activate(void* owner, bool onlyIfNotEmpty);
    void Close();
    bool Visible() const;
    void Clear();
    // What the user's closing of the window does, by "CloseAction".
    void CloseRequested();

    HiInfoOptions& Options() { return options_; }
    void UpdateOptions();

    void Lock();
    void Unlock();
    int Locked() const { return locks_; }

    const HiMessageList& Messages() const { return messages_; }
    size_t ShownCount() const { return messages_.Shown(options_).size(); }

private:
    void EnsureView(void* owner);

    std::unique_ptr<HiMessageView> view_;
    TClock clock_;
    HiMessageList messages_;
    HiInfoOptions options_;
    int locks_ = 0;
    bool showNoted_ = false;
    void* notedOwner_ = nullptr;
};
