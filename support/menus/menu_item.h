// One entry of a menu: a command with a caption, a check mark and a shortcut, or a submenu
// holding further items. Items form a tree whose root belongs to a TMenu.
#pragma once
#include <string>
#include <vector>

#include "support/framework/component.h"
#include "support/framework/exceptions.h"
#include "support/framework/shortcut.h"

class TMenu;
class TBitmapImage;

class EMenuError : public Exception {
    using Exception::Exception;
};

class TMenuItem : public TComponent {
    PENDREL_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner);
    // Destroys the sub-items and leaves the parent.
    ~TMenuItem() override;

    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool GetChecked() const { return checked_; }
    // Checking a radio item unchecks the other radio items of its group under the same parent.
    void SetChecked(bool value);
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    TShortCut GetShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value);
    bool GetRadioItem() const { return radioItem_; }
    void SetRadioItem(bool value);
    uint8_t GetGroupIndex() const { return groupIndex_; }
    void SetGroupIndex(uint8_t value);
    // An image of the menu's image list; -1 for none.
    int GetImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    // A picture shown before the caption, kept by the caller; it wins over the image index.
    const TBitmapImage* GetBitmap() const { return bitmap_; }
    void SetBitmap(const TBitmapImage* bitmap);
    // The bitmap changed its pixels: the menu redraws the item.
    void BitmapChanged() { Changed(false); }

    // A caption of "-" makes the item a separator line.
    bool IsLine() const { return caption_ == "-"; }
    // The number the window system reports when the item is chosen; unique in the process.
    int Command() const { return command_; }

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EMenuError for an index out of range.
    TMenuItem* Items(int index) const;
    int IndexOf(const TMenuItem* item) const;
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
    TMenuItem* Parent() const { return parent_; }
    // The menu whose tree holds this item; null for an item in no menu.
    TMenu* GetMenu() const;

    void Add(TMenuItem* item);
    // Raises EMenuError when the item has a parent already, is this item or one of its
    // parents, or the index is out of range.
    void Insert(int index, TMenuItem* item);
    // Takes the item out of the list without destroying it; its owner still owns it.
    void Delete(int index);
    void Remove(TMenuItem* item);
    // Destroys every sub-item.
    void Clear();

    // Runs OnClick when the item is enabled. Items with sub-items are clicked as their submenu opens.
    virtual void Click();

    // Streaming: sub-items are the item's children.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }
    void SetParentComponent(TComponent* parent) override;

    TEvent<TObject*> OnClick;

protected:
    // Tells the menu: rebuild when the item list or the visibility changed, else the item's look.
    void Changed(bool rebuild);

private:
    friend class TMenu;
    void UncheckRadioSiblings();

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool radioItem_ = false;
    uint8_t groupIndex_ = 0;
    TShortCut shortCut_ = 0;
    int imageIndex_ = -1;
    const TBitmapImage* bitmap_ = nullptr;
    int command_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item only
    std::vector<TMenuItem*> items_;
};

// The item that reports command, in any menu; null when none does.
TMenuItem* FindMenuItemByCommand(int command);
