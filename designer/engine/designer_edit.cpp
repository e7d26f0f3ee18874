// Inserting, deleting, copying and pasting controls. The clipboard holds the controls in the
// layout's text form, so that what is copied is readable text and readable text pastes.
#include <algorithm>
#include <cctype>

#include "design_clipboard.h"
#include "designer.h"
#include "designer_error.h"
#include "support/framework/text_case.h"

namespace {
bool SameBounds(const TControl& a, const TControl& b) {
    return a.GetLeft() == b.GetLeft() && a.GetTop() == b.GetTop() && a.GetWidth() == b.GetWidth() &&
           a.GetHeight() == b.GetHeight();
}

// Layout text starts with the keyword of its first entry.
bool LooksLikeLayoutText(const std::string& text) {
    size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string::npos) return false;
    if (text.compare(start, 3, "\xEF\xBB\xBF") == 0) start += 3;
    for (const char* keyword : {"object", "inherited", "inline"}) {
        const size_t length = std::char_traits<char>::length(keyword);
        if (text.size() - start > length && SameText(text.substr(start, length), keyword) &&
            std::isspace(static_cast<unsigned char>(text[start + length])))
            return true;
    }
    return false;
}
}  // namespace

std::vector<TControl*> TELDesigner::SelectedChildren() const {
    std::vector<TControl*> children;
    for (TControl* control : selection_.Controls())
        if (control != designControl_) children.push_back(control);
    return children;
}

std::vector<TControl*> TELDesigner::SelectedInChildOrder() const {
    std::vector<TControl*> ordered;
    if (!active_) return ordered;
    for (int i = 0; i < designControl_->ControlCount(); ++i)
        if (TControl* child = designControl_->Controls(i); selection_.Contains(child)) ordered.push_back(child);
    return ordered;
}

// In child order, so that pasting keeps their stacking.
std::vector<TControl*> TELDesigner::CopyableSelection() const {
    std::vector<TControl*> copyable = SelectedInChildOrder();
    std::erase_if(copyable, [&](const TControl* control) { return Locked(control, lmNoCopy); });
    return copyable;
}

std::string TELDesigner::SelectionText() const {
    const std::vector<TControl*> copyable = CopyableSelection();
    if (copyable.empty()) return {};
    return const_cast<HControlIO&>(io_).SaveControlsText(copyable);
}

void TELDesigner::DeleteSelectedControls() {
    if (!active_) return;
    std::vector<TControl*> doomed;
    for (TControl* control : SelectedChildren())
        if (!Locked(control, lmNoDelete)) doomed.push_back(control);
    DeleteControls(doomed);
}

void TELDesigner::DeleteControls(const std::vector<TControl*>& controls) {
    if (controls.empty()) return;
    const TChangeScope change(*this);
    selection_.BeginUpdate();
    for (TControl* control : controls) {
        selection_.Remove(control);
        delete control;
    }
    if (selection_.GetCount() == 0) selection_.Add(designControl_);
    selection_.EndUpdate();
}

bool TELDesigner::CanCopyToClipboard() const { return !CopyableSelection().empty(); }

bool TELDesigner::CanCutToClipboard() const {
    for (TControl* control : CopyableSelection())
        if (!Locked(control, lmNoDelete)) return true;
    return false;
}

bool TELDesigner::CanPasteFromClipboard() const {
    if (!active_ || Locked(designControl_, lmNoInsertIn)) return false;
    const std::optional<std::string> text = SystemDesignClipboard().Get(clipboardFormat_);
    return text && LooksLikeLayoutText(*text);
}

void TELDesigner::CopyToClipboard() {
    const std::string text = SelectionText();
    if (text.empty()) return;
    SystemDesignClipboard().Put(clipboardFormat_, text);
}

// What was put on the clipboard goes; what is locked against deleting stays.
void TELDesigner::CutToClipboard() {
    const std::vector<TControl*> copied = CopyableSelection();
    if (copied.empty()) return;
    CopyToClipboard();
    std::vector<TControl*> doomed;
    for (TControl* control : copied)
        if (!Locked(control, lmNoDelete)) doomed.push_back(control);
    DeleteControls(doomed);
}

void TELDesigner::PasteFromClipboard() {
    if (!active_) return;
    if (Locked(designControl_, lmNoInsertIn)) throw EDesignerError("The surface is locked against inserting controls");
    const std::optional<std::string> text = SystemDesignClipboard().Get(clipboardFormat_);
    if (!text || !LooksLikeLayoutText(*text)) throw EDesignerError("The clipboard holds no controls to paste");
    PasteText(*text);
}

std::vector<TControl*> TELDesigner::PasteText(const std::string& text) {
    if (!active_) return {};
    const TChangeScope change(*this);
    const std::vector<TControl*> pasted = InsertText(text);
    selection_.Assign(pasted.empty() ? std::vector<TControl*>{designControl_} : pasted);
    return pasted;
}

std::vector<TControl*> TELDesigner::InsertText(const std::string& text) {
    const int existing = designControl_->ControlCount();
    std::vector<TControl*> pasted;
    try {
        pasted = io_.InsertControlsText(text);
    } catch (const Exception& e) {
        throw EDesignerError("The clipboard holds no controls that can be pasted:\n" + e.Message);
    }
    for (TControl* control : pasted) control->SetDesigning(true, true);
    OffsetFromOriginals(pasted, existing);
    for (TControl* control : pasted) OnControlInserted(this, control);
    return pasted;
}

// Controls pasted exactly onto controls of their kind (their originals, as a rule) move on
// by a grid step, all together, until none lies on one.
void TELDesigner::OffsetFromOriginals(const std::vector<TControl*>& pasted, int existing) {
    auto landsOnOne = [&] {
        for (TControl* control : pasted)
            for (int i = 0; i < existing; ++i) {
                const TControl& other = *designControl_->Controls(i);
                if (other.ClassType() == control->ClassType() && SameBounds(other, *control)) return true;
            }
        return false;
    };
    for (int step = 0; step < 64 && landsOnOne(); ++step)
        for (TControl* control : pasted)
            control->SetBounds(control->GetLeft() + grid_->GetXStep(), control->GetTop() + grid_->GetYStep(),
                               control->GetWidth(), control->GetHeight());
}

TControl* TELDesigner::InsertControl(TClass cls, TRect bounds, bool sized) {
    if (!active_ || !cls || cls->IsAbstract()) return nullptr;
    if (!cls->InheritsFrom(&TControl::StaticClass())) throw EDesignerError(cls->ClassName() + " is no control");
    const TChangeScope change(*this);
    auto* control = static_cast<TControl*>(cls->CreateInstance(designControl_));
    try {
        control->SetName(io_.MakeUniqueName(cls->ClassName()));
        control->SetParent(designControl_);
        const int width = sized ? bounds.Right - bounds.Left : control->GetWidth();
        const int height = sized ? bounds.Bottom - bounds.Top : control->GetHeight();
        control->SetBounds(bounds.Left, bounds.Top, std::max(1, width), std::max(1, height));
        control->SetDesigning(true, true);
    } catch (...) {
        delete control;
        throw;
    }
    selection_.ClearExcept(control);
    OnControlInserted(this, control);
    return control;
}
