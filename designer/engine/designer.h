// The form designer engine: while active it presents its design control (the surface) inside
// its design panel and lets the user select, move, resize, insert, delete, copy and paste the
// surface's child controls, lock them, stack and align them, and undo all of it.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "components/persistence/control_io.h"
#include "design_history.h"
#include "designer_grid.h"
#include "selected_controls.h"
#include "support/design/form_designer.h"
#include "support/framework/control_input.h"
#include "support/framework/event.h"

class TELDesignPanel;
class TPopupMenu;
struct TDesignDrag;

// The lock kinds of a control, as bit numbers of its lock mode (a set of up to 16 kinds).
enum TELDesignerLockKind : uint8_t { lmNoMove = 0, lmNoResize = 1, lmNoDelete = 2, lmNoInsertIn = 3, lmNoCopy = 4 };
using TELDesignerLockMode = uint16_t;
constexpr TELDesignerLockMode LockModeOf(TELDesignerLockKind kind) { return static_cast<TELDesignerLockMode>(1u << kind); }

class TELDesigner : public TComponent, public IDesignInterceptor, public IDesignerHook, public IFormDesigner {
    PENDREL_CLASS(TELDesigner, TComponent)
public:
    // How near, in pixels, a dragged edge comes to a neighbour's before it snaps to it.
    static constexpr int kGuideDistance = 4;
    // How far the mouse moves with a button down before a press becomes a drag.
    static constexpr int kDragThreshold = 3;
    static constexpr int kHandleSize = 6;

    explicit TELDesigner(TComponent* owner);
    ~TELDesigner() override;

    TWinControl* GetDesignControl() const { return designControl_; }
    // Raises EDesignerError while active.
    void SetDesignControl(TWinControl* value);
    TELDesignPanel* GetDesignPanel() const { return designPanel_; }
    void SetDesignPanel(TELDesignPanel* value);
    bool GetActive() const { return active_; }
    // Needs a design control and a design panel; raises EDesignerError without them.
    void SetActive(bool value);

    TELDesignerGrid* GetGrid() const { return grid_.get(); }
    void SetGrid(TELDesignerGrid* value) { grid_->Assign(value); }
    bool GetSnapToGrid() const { return snapToGrid_; }
    void SetSnapToGrid(bool value) { snapToGrid_ = value; }
    // Snapping to the edges and centres of neighbours while dragging (Alt held turns it off).
    bool GetSnapToGuides() const { return snapToGuides_; }
    void SetSnapToGuides(bool value) { snapToGuides_ = value; }
    const std::string& GetClipboardFormat() const { return clipboardFormat_; }
    void SetClipboardFormat(const std::string& value) { clipboardFormat_ = value; }
    TPopupMenu* GetPopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* value);

    TColor GetHandleColor() const { return handleColor_; }
    void SetHandleColor(TColor value) { SetColor(handleColor_, value); }
    TColor GetHandleBorderColor() const { return handleBorderColor_; }
    void SetHandleBorderColor(TColor value) { SetColor(handleBorderColor_, value); }
    TColor GetMultySelectHandleColor() const { return multiHandleColor_; }
    void SetMultySelectHandleColor(TColor value) { SetColor(multiHandleColor_, value); }
    TColor GetMultySelectHandleBorderColor() const { return multiHandleBorderColor_; }
    void SetMultySelectHandleBorderColor(TColor value) { SetColor(multiHandleBorderColor_, value); }
    TColor GetInactiveHandleColor() const { return inactiveHandleColor_; }
    void SetInactiveHandleColor(TColor value) { SetColor(inactiveHandleColor_, value); }
    TColor GetInactiveHandleBorderColor() const { return inactiveHandleBorderColor_; }
    void SetInactiveHandleBorderColor(TColor value) { SetColor(inactiveHandleBorderColor_, value); }
    TColor GetLockedHandleColor() const { return lockedHandleColor_; }
    void SetLockedHandleColor(TColor value) { SetColor(lockedHandleColor_, value); }

    TELDesignerSelectedControls* GetSelectedControls() { return &selection_; }
    const TELDesignerSelectedControls* GetSelectedControls() const { return &selection_; }
    // Whether the designer designs control: the surface or one of its children.
    bool IsDesigned(const TControl* control) const;

    // Editing; each call is one change of the design. Locks are honoured throughout.
    void SelectAll() { selection_.SelectAll(); }
    void DeleteSelectedControls();
    bool CanCutToClipboard() const;
    bool CanCopyToClipboard() const;
    bool CanPasteFromClipboard() const;
    void CutToClipboard();
    void CopyToClipboard();
    // Raises EDesignerError, pasting nothing, when the clipboard holds no layout controls.
    void PasteFromClipboard();
    // Reads controls in the layout's text form onto the surface, as pasting does; returns them.
    std::vector<TControl*> PasteText(const std::string& text);
    // The selection in the layout's text form, without the controls locked against copying.
    std::string SelectionText() const;

    TELDesignerLockMode GetLockMode(const TControl* control) const;
    void LockControl(TControl* control, TELDesignerLockMode add, TELDesignerLockMode remove);

    bool CanUndo();
    bool CanRedo() const;
    void Undo();
    void Redo();

    // IFormDesigner: what property and component editors (and the inspector) ask of it.
    TComponent* Root() const override { return designControl_; }
    // Ends a change made outside the engine (an edit in the inspector): one step, one OnChange.
    void Modified() override;
    std::vector<TComponent*> GetSelection() const override;
    void SetSelection(const std::vector<TComponent*>& components) override;
    std::string UniqueName(const std::string& className) override;

    // The design changed: one call per user action.
    TEvent<TObject*> OnChange;
    TEvent<TObject*> OnChangeSelection;
    // A press on the surface asks for the class of a control to insert; null selects instead.
    TEvent<TObject*, TClass&> OnControlInserting;
    // A control the engine put on the surface: inserted, pasted, or brought back by undo.
    TEvent<TObject*, TControl*> OnControlInserted;

    // IDesignInterceptor: the input and the overlay of the surface and the panel.
    bool DesignInput(TWinControl& container, const TInputEvent& input) override;
    void PaintOverlay(TWinControl& container, IOverlayCanvas& canvas) override;
    TCursor DesignCursor(TWinControl& container, TPoint point) override;

    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TELDesignerSelectedControls;
    friend class TELDesignPanel;
    // One user action: the changes inside it are one step of the history and one OnChange.
    class TChangeScope {
    public:
        explicit TChangeScope(TELDesigner& designer, std::string mergeKey = {});
        ~TChangeScope();
        TChangeScope(const TChangeScope&) = delete;
        TChangeScope& operator=(const TChangeScope&) = delete;

    private:
        TELDesigner& designer_;
        std::string mergeKey_;
    };

    // IDesignerHook: changes under the surface made by others (the inspector).
    void ComponentInserted(TComponent& component) override;
    void ComponentRemoved(TComponent& component) override;
    void ComponentRenamed(TComponent& component, const std::string& oldName) override;
    void PropertyChanged(TComponent& component, const std::string& path) override;

    void Activate();
    void Deactivate(bool events);
    void SetColor(TColor& field, TColor value);
    void InvalidateSurface();
    bool SurfaceGoing() const;
    void SelectionChanged();
    void Watch(TControl* control);
    // Known by its identity alone: the control may be half destroyed already.
    void ControlGone(const TComponent* component);
    void NoteOutsideChange();
    void FocusChanged();
    bool HasFocus() const;

    // History.
    TDesignState CaptureState() const;
    void RestoreState(const TDesignState& state);
    void CommitChange(const std::string& mergeKey);
    void FlushOutsideChange();
    std::vector<std::string> SelectionNames() const;
    void AnnounceChildren();

    // Editing helpers.
    bool Locked(const TControl* control, TELDesignerLockKind kind) const;
    std::vector<TControl*> SelectedChildren() const;
    std::vector<TControl*> SelectedInChildOrder() const;
    std::vector<TControl*> CopyableSelection() const;
    void DeleteControls(const std::vector<TControl*>& controls);
    std::vector<TControl*> InsertText(const std::string& text);
    void OffsetFromOriginals(const std::vector<TControl*>& pasted, int existing);
    TControl* InsertControl(TClass cls, TRect bounds, bool sized);
    void NudgeSelection(uint32_t key, TShiftState shift);
    void SetChildBounds(const std::vector<std::pair<TControl*, TRect>>& bounds);

    // Mouse and keys.
    bool SurfaceMouse(const TInputEvent& input);
    void Press(const TInputEvent& input);
    void Drag(const TInputEvent& input);
    void Release(const TInputEvent& input);
    void CancelDrag();
    void BeginDragChange();
    void EndDragChange();
    void DragMove(TPoint delta, bool snap);
    void DragResize(TPoint delta, bool snap);
    void ShowPopup(TPoint surfacePoint);
    void OpenComponentEditor(TControl* control);
    bool Key(const TInputEvent& input);
    void SelectNeighbour(int direction);
    TPoint SurfacePoint(TWinControl& container, TPoint point) const;
    TControl* ChildAt(TPoint point) const;
    int HandleAt(TPoint point) const;
    std::vector<TRect> NeighbourRects() const;
    TPoint SnapPoint(TPoint point) const;

    // Overlay.
    void PaintHandles(IOverlayCanvas& canvas, TControl* control, bool single, bool focused) const;
    void PaintGrid(IOverlayCanvas& canvas) const;

    TWinControl* designControl_ = nullptr;
    TELDesignPanel* designPanel_ = nullptr;
    TPopupMenu* popupMenu_ = nullptr;
    bool active_ = false;
    std::unique_ptr<TELDesignerGrid> grid_;
    bool snapToGrid_ = false;
    bool snapToGuides_ = true;
    std::string clipboardFormat_;
    TColor handleColor_ = clBlack;
    TColor handleBorderColor_ = clBlack;
    TColor multiHandleColor_ = clGray;
    TColor multiHandleBorderColor_ = clBlack;
    TColor inactiveHandleColor_ = clGray;
    TColor inactiveHandleBorderColor_ = clBlack;
    TColor lockedHandleColor_ = clSilver;

    TELDesignerSelectedControls selection_{*this};
    std::unordered_map<const TControl*, TELDesignerLockMode> locks_;
    // The controls that tell the designer when they go: selected or locked ones.
    std::unordered_map<const TComponent*, TControl*> watched_;

    // The control's state before activation, given back at deactivation.
    struct TSavedControl {
        TWinControl* Parent = nullptr;
        int Left = 0, Top = 0;
        bool Visible = true, Designing = false;
        IDesignerHook* Hook = nullptr;
    } saved_;
    // The layout's own I/O: snapshots, clipboard text and unique names.
    HControlIO io_{nullptr};
    TDesignHistory history_;
    int changeDepth_ = 0;
    bool outsideChange_ = false;
    bool restoring_ = false;
    std::unique_ptr<TDesignDrag> drag_;
};
