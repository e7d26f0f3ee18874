// The tab control: a row of tabs above (or beside) a display area that the application
// fills itself. Unlike a page control it owns no pages; its tabs are a list of captions.
#pragma once
#include <memory>
#include <string>
#include <utility>

#include "support/framework/strings.h"
#include "support/framework/win_control.h"

class TImageList;

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
PENDREL_ENUM_TYPEINFO(TTabPosition, "tpTop", "tpBottom", "tpLeft", "tpRight");
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
PENDREL_ENUM_TYPEINFO(TTabStyle, "tsTabs", "tsButtons", "tsFlatButtons");

// What the window of a tab control answers; its peer implements it.
class ITabControlWindow {
public:
    virtual ~ITabControlWindow() = default;
    // The display area of a control of the given client size, in client coordinates.
    virtual TRect DisplayArea(int width, int height) const = 0;
    // The tab under a client position, or -1.
    virtual int TabAt(TPoint position) const = 0;
    virtual TRect TabArea(int index) const = 0;
    // A hint shown at once at a screen position until it is hidden; another text replaces it.
    virtual void ShowHintAt(const std::string& text, TPoint screenPosition) = 0;
    virtual void HideHint() = 0;
};

class TCustomTabControl : public TWinControl {
    PENDREL_CLASS(TCustomTabControl, TWinControl)
public:
    explicit TCustomTabControl(TComponent* owner);
    ~TCustomTabControl() override;

    // The captions of the tabs; changing them shows at once.
    TStrings* GetTabs() const { return tabs_.get(); }
    void SetTabs(TStrings* value) { tabs_->Assign(value); }
    // The current tab, -1 for none. Values outside the tabs are ignored.
    int GetTabIndex() const { return tabIndex_; }
    void SetTabIndex(int value);

    bool GetMultiLine() const { return multiLine_; }
    void SetMultiLine(bool value) { ChangeLook(multiLine_, value); }
    bool GetMultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool value) { ChangeLook(multiSelect_, value); }
    bool GetOwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool value) { ChangeLook(ownerDraw_, value); }
    bool GetRaggedRight() const { return raggedRight_; }
    void SetRaggedRight(bool value) { ChangeLook(raggedRight_, value); }
    bool GetHotTrack() const { return hotTrack_; }
    void SetHotTrack(bool value) { ChangeLook(hotTrack_, value); }
    bool GetScrollOpposite() const { return scrollOpposite_; }
    void SetScrollOpposite(bool value) { ChangeLook(scrollOpposite_, value); }
    TTabPosition GetTabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition value) { ChangeLook(tabPosition_, value); }
    TTabStyle GetStyle() const { return style_; }
    void SetStyle(TTabStyle value) { ChangeLook(style_, value); }
    // Fixed tab sizes in pixels; 0 sizes the tabs by their captions. Negative values count as 0.
    int GetTabHeight() const { return tabHeight_; }
    void SetTabHeight(int value) { ChangeLook(tabHeight_, value < 0 ? 0 : value); }
    int GetTabWidth() const { return tabWidth_; }
    void SetTabWidth(int value) { ChangeLook(tabWidth_, value < 0 ? 0 : value); }
    // Pictures of the tabs: tab i shows the image OnGetImageIndex names, image i without it.
    TImageList* GetImages() const { return images_; }
    void SetImages(TImageList* value);
    int TabImageIndex(int tabIndex) const;

    // The area inside the tabs, in client coordinates.
    TRect DisplayRect() const;
    // The tab at a client position, -1 over no tab.
    int IndexOfTabAt(int x, int y) const;
    // The bounds of a tab in client coordinates; empty for an index outside the tabs.
    TRect TabRect(int index) const;
    // Shows Hint at once near a screen position, as a hint for one tab; CancelHint takes it away.
    // Without a window or with an empty Hint nothing shows.
    void ActivateHint(TPoint screenPosition);
    void CancelHint();

    // The window asks whether the user may leave the current tab: OnChanging decides.
    bool ChangeAllowed() { return CanChange(); }
    // The window changed to tab index: the tab change step (Change) runs.
    void SelectedInWindow(int index);
    // The window draws an owner-drawn tab: OnDrawTab runs with DrawingContext() set.
    void DrawTab(int index, const TRect& area, bool active, void* drawingContext);
    // The device context of the tab being drawn (an HDC on Windows), null outside OnDrawTab.
    void* DrawingContext() const { return drawingContext_; }

    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, TPoint position) override;
    void MouseMove(TShiftState shift, TPoint position) override;
    void MouseUp(TMouseButton button, TShiftState shift, TPoint position) override;

    TEvent<TObject*> OnChange;
    TEvent<TObject*, bool&> OnChanging;                       // allow change
    TEvent<TCustomTabControl*, int, TRect, bool> OnDrawTab;   // tab index, bounds, active
    TEvent<TObject*, int, int&> OnGetImageIndex;              // tab index, image index
    TEvent<TObject*, TMouseButton, TShiftState, int, int> OnMouseDown;
    TEvent<TObject*, TShiftState, int, int> OnMouseMove;
    TEvent<TObject*, TMouseButton, TShiftState, int, int> OnMouseUp;

protected:
    // The tab change step once the window changed tabs; fires OnChange.
    virtual void Change() { OnChange(this); }
    // Whether the current tab may be left; asks OnChanging.
    virtual bool CanChange();
    // Narrows area, the client rectangle, to where children are aligned: the display area.
    virtual void AdjustClientRect(TRect& area);
    void AlignControls(TRect& area) override;
    void CreateHandle() override;

private:
    template <class V>
    void ChangeLook(V& field, V value) {
        if (field == value) return;
        field = value;
        LookChanged();
    }
    // A style of the window changed: it is made again with it.
    void LookChanged();
    void TabsChanged();
    const ITabControlWindow* Window() const;
    ITabControlWindow* Window() { return const_cast<ITabControlWindow*>(std::as_const(*this).Window()); }

    std::unique_ptr<TStrings> tabs_;
    int tabIndex_ = -1;
    bool multiLine_ = false;
    bool multiSelect_ = false;
    bool ownerDraw_ = false;
    bool raggedRight_ = false;
    bool hotTrack_ = false;
    bool scrollOpposite_ = false;
    TTabPosition tabPosition_ = tpTop;
    TTabStyle style_ = tsTabs;
    int tabHeight_ = 0;
    int tabWidth_ = 0;
    TImageList* images_ = nullptr;
    void* drawingContext_ = nullptr;
};

// The tab control as forms place it, with its tabs and events published.
class TTabControl : public TCustomTabControl {
    PENDREL_CLASS(TTabControl, TCustomTabControl)
public:
    explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
};

// The declarations both published tab controls share, for the final classes' own lists.
template <class C>
void DeclareTabControlProperties(TClassBuilder<C>& c) {
    c.Property("HotTrack", &C::GetHotTrack, &C::SetHotTrack).Default(false);
    c.Property("Images", &C::GetImages, &C::SetImages);
    c.Property("MultiLine", &C::GetMultiLine, &C::SetMultiLine).Default(false);
    c.Property("MultiSelect", &C::GetMultiSelect, &C::SetMultiSelect).Default(false);
    c.Property("OwnerDraw", &C::GetOwnerDraw, &C::SetOwnerDraw).Default(false);
    c.Property("RaggedRight", &C::GetRaggedRight, &C::SetRaggedRight).Default(false);
    c.Property("ScrollOpposite", &C::GetScrollOpposite, &C::SetScrollOpposite).Default(false);
    c.Property("Style", &C::GetStyle, &C::SetStyle).Default(tsTabs);
    c.Property("TabHeight", &C::GetTabHeight, &C::SetTabHeight).Default(0);
    c.Property("TabPosition", &C::GetTabPosition, &C::SetTabPosition).Default(tpTop);
    c.Property("TabWidth", &C::GetTabWidth, &C::SetTabWidth).Default(0);
    c.Event("OnChange", &C::OnChange);
    c.Event("OnChanging", &C::OnChanging);
    c.Event("OnDrawTab", &C::OnDrawTab);
    c.Event("OnGetImageIndex", &C::OnGetImageIndex);
}

// The usual properties of a windowed control.
template <class C>
void DeclareTabControlCommonProperties(TClassBuilder<C>& c) {
    c.Property("Align", &C::GetAlign, &C::SetAlign).Default(alNone);
    c.Property("Anchors", &C::GetAnchors, &C::SetAnchors).Default(kDefaultAnchors);
    c.Property("Constraints", &C::GetConstraints, &C::SetConstraints);
    c.Property("Enabled", &C::GetEnabled, &C::SetEnabled).Default(true);
    c.Property("Font", &C::GetFont, &C::SetFont).Stored(&C::IsFontStored);
    c.Property("Hint", &C::GetHint, &C::SetHint);
    c.Property("ParentFont", &C::GetParentFont, &C::SetParentFont).Default(true);
    c.Property("ParentShowHint", &C::GetParentShowHint, &C::SetParentShowHint).Default(true);
    c.Property("ShowHint", &C::GetShowHint, &C::SetShowHint).Default(false);
    c.Property("TabOrder", &C::GetTabOrder, &C::SetTabOrder).Default(-1);
    c.Property("TabStop", &C::GetTabStop, &C::SetTabStop).Default(true);
    c.Property("Visible", &C::GetVisible, &C::SetVisible).Default(true);
    c.Event("OnMouseDown", &C::OnMouseDown);
    c.Event("OnMouseMove", &C::OnMouseMove);
    c.Event("OnMouseUp", &C::OnMouseUp);
}
