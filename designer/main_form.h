// The designer's main window: any number of open layouts ("forms"), one tab each, the current
// one on the design surface, in test mode (keys as at run time) or in design mode (the engine
// edits the keys, the inspector their properties). The window is read from its stored form.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "components/visual/toolwindow/h_window.h"
#include "designer/form_document.h"
#include "support/framework/class_builder.h"
#include "support/framework/class_registry.h"
#include "support/framework/shortcut.h"
#include "support/win32/form.h"

// The system headers last: their macros rename framework calls (GetObject, RegisterClass).
#include <windows.h>

class HBottonsTab;
class HCfgStorage;
class HControlIO;
class HDesignPanel;
class HExceptionDialog;
class HLogComboBox;
class HMainMenu;
class HMenuItem;
class HPopupMenu;
class HStorageLink;
class HToolWindow97;
class TDock97;
class TELDesignPanel;
class TELDesigner;
class TImageList;
class TMenuItem;
class TObjectInspector;
class TOpenDialog;
class TPanel;
class TPropertyEditor;
class TPropertyHelp;
class TFont;
class TRTDAlignment;
class TReader;
class TSaveDialog;
class TSplitter;
class TTabControl;
class TTabSet;
class TTimer;
class TXPMenu;

// The window class by which tests and the benchmark find the designer.
inline constexpr wchar_t kDesignerFormClass[] = L"TMainForm";
// Discarded without default processing.
inline constexpr UINT kDiscardedMessage = WM_USER + 120;  // 1144

class TMainForm : public TForm {
    PENDREL_CLASS(TMainForm, TForm)
public:
    explicit TMainForm(TComponent* owner);
    ~TMainForm() override;

    // Components of the stored form.
    HMainMenu* mnuMain = nullptr;
    HPopupMenu* pmDesign = nullptr;
    TXPMenu* XPMenu = nullptr;
    TTabControl* pgForms = nullptr;
    TTabSet* pgState = nullptr;
    TPanel* DesPanel = nullptr;
    HDesignPanel* DesignPlace = nullptr;
    TELDesignPanel* DesignPanel = nullptr;
    TELDesigner* designer = nullptr;
    HControlIO* cIO = nullptr;
    HCfgStorage* cfg = nullptr;
    TOpenDialog* open = nullptr;
    TSaveDialog* save = nullptr;
    HWindow* tbInspector = nullptr;
    HLogComboBox* bComp = nullptr;
    TObjectInspector* inspector = nullptr;
    TSplitter* Splitter1 = nullptr;
    TPropertyHelp* PropertyHelp1 = nullptr;
    TDock97* DockTop = nullptr;
    TDock97* DockBottom = nullptr;
    HToolWindow97* tbPalette = nullptr;
    HBottonsTab* buttons = nullptr;
    TImageList* CompImages = nullptr;
    TTimer* keyTimer = nullptr;
    HExceptionDialog* HExceptionDialog1 = nullptr;

    // Start-up, once the stored form is read: palette, settings, reopened layouts, the command
    // line's layouts, and a new layout when none is open.
    void RunStartup();
    // Applies the stored settings to the window, the engine and the surface.
    void ApplyConfig();

    // Open layouts.
    void OpenFormFile(const std::string& path);
    int FindForm(const std::string& path) const;
    void NewForm();
    void SwitchToForm(int index);
    bool CloseForm(int index, bool ask);
    void CommitForm(FormDocument* form);
    void SaveFormFile(FormDocument* form);
    void SetPathAndSave(FormDocument* form, const std::string& path);
    bool AskSaveForm(FormDocument* form);
    void SetModified(bool flag);
    void UpdateFormTabs();
    std::string FormCaption(const FormDocument* form) const;
    std::string FormInfoText(const FormDocument* form) const;
    void DesignChanged();
    int FormCount() const { return static_cast<int>(forms_.size()); }
    FormDocument* Form(int index) const;
    int CurrentIndex() const { return current_; }
    FormDocument* CurrentForm() const { return Form(current_); }

    // Modes and key hosting.
    bool IsDesignMode() const;
    void SetDesignMode(bool on);
    void RefreshKeyLabels();
    // Keys just read show their stored labels: they take the live ones at once.
    void ShowLiveKeyLabels();
    void ResetKeyLabels();
    void SetKeyHost(TComponent* control);
    // The component list above the inspector, in design mode the surface and every control.
    void RebuildComponentList();

    HStorageLink* Settings() const { return link_.get(); }
    // Shows the window in its stored state (normal, minimised or maximised).
    void ShowMainWindow();
    HWND Window();
    // The window's own messages; true when handled, with result set.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Every key-down for the window, before the menus see it; true when it was handled.
    bool FormShortCut(WORD key, TShiftState shift);
    // The window is asked to close: false refuses.
    bool FormCloseQuery();
    void FormClose();

    // Handlers named by the stored form.
    void New1Click(TObject* sender);
    void Open1Click(TObject* sender);
    void idSaveClick(TObject* sender);
    void idSaveAsClick(TObject* sender);
    void Exit1Click(TObject* sender);
    void Close1Click(TObject* sender);
    void Next1Click(TObject* sender);
    void Prev1Click(TObject* sender);
    void idCloseAllClick(TObject* sender);
    void idMRUClick(TObject* sender);
    void Design1Click(TObject* sender);
    void BasePanelChange(TObject* sender);
    void pgFormsMouseMove(TObject* sender, TShiftState shift, int x, int y);
    void pgStateChange(TObject* sender, int newTab, bool& allowChange);
    void DesignPlaceResize(TObject* sender);
    void keyTimerTimer(TObject* sender);
    void cIOReadError(TReader* reader, const std::string error, bool& handled);
    void cIOComponentCreate(TObject* sender, TComponent* component);
    void cfgSave(TObject* sender);
    void designerChange(TObject* sender);
    void designerChangeSelection(TObject* sender);
    void designerControlInserting(TObject* sender, TClass& controlClass);
    void designerControlInserted(TObject* sender, TControl* control);
    void idMenuChecker(TObject* sender, TMenuItem* item);
    void tbInspectorClose(TObject* sender, TCloseAction& action);
    void bCompChange(TObject* sender);
    // Row colours: sets, classes with sub-properties, bitmaps with and without a picture.
    void inspectorGetCellParams(TObject* sender, TPropertyEditor* editor, TFont* font, TColor& background);
    // Editing commands that the engine carries out.
    void idECut(TObject* sender);
    void idECopy(TObject* sender);
    void idEPaste(TObject* sender);
    void idEDel(TObject* sender);
    void idESelAll(TObject* sender);
    void idAToFront(TObject* sender);
    void idAToBack(TObject* sender);
    void idALeft(TObject* sender);
    void idATop(TObject* sender);
    void idARight(TObject* sender);
    void idABottom(TObject* sender);
    void idAVCenter(TObject* sender);
    void idAHCenter(TObject* sender);
    void idAlign(TObject* sender);
    // Before the design popup shows: the default control's component editor verbs on top.
    void pmDesignPopup(TObject* sender);
    void idVerbClick(TObject* sender);
    void idASnapGrid(TObject* sender);
    void mnuDupClick(TObject* sender);
    void idAGrid(TObject* sender);
    void idEUndo(TObject* sender);
    void idERedo(TObject* sender);
    void mnuTextEditClick(TObject* sender);
    // The settings dialog, then the settings applied.
    void Options1Click(TObject* sender);
    void idToolSwitch(TObject* sender);
    void Objectinspector1Click(TObject* sender);
    void N26Click(TObject* sender);
    void N22Click(TObject* sender);
    // From the menu it asks first; without a sender (closing) it saves at once.
    void mnuSaveCfgClick(TObject* sender);
    // The lock toggles of the design popup: move, size, delete, insert, copy.
    void N14Click(TObject* sender);
    void N16Click(TObject* sender);
    void N17Click(TObject* sender);
    void N18Click(TObject* sender);
    void N19Click(TObject* sender);

private:
    void RegisterPalette();
    // The design-mode part of FormShortCut: clipboard keys on the surface, F11, and typing
    // that starts an edit in the inspector. True when the key was handled.
    bool DesignShortCut(WORD key, TShiftState shift);
    // A settings file that exists but cannot be read; the settings tree has put it aside.
    void ReportDamagedSettings();
    void ReopenForms();
    void OpenCommandLineForms();
    // Loads path onto the surface as a new form after the current one; raises on failure.
    void LoadNewForm(const std::string& path);
    void LoadCurrentForm();
    void ClearSurface();
    void WriteSurface(FormDocument& form);
    // The save dialog; false when cancelled, else path set.
    bool AskSavePath(FormDocument& form, std::string& path);
    bool SaveOrAskRepeat(FormDocument& form);
    void ReportLoadFailure(const std::string& path, const std::string& reason);
    void ShowTabHint(int tab);
    // Design focus: design mode with the engine's panel as the active control.
    bool HasDesignFocus() const;
    // At least one control selected, the first not the surface.
    bool HasRealSelection() const;
    void Align(int horizontal, int vertical);
    void ToggleLock(int kind);
    // The window's state as stored: 0 normal, 1 minimised, 2 maximised.
    int CurrentWindowState();
    bool IsMaximized() { return CurrentWindowState() == 2; }
    void ApplyWindowState();
    // The bounds the window has when neither minimised nor maximised.
    TRect NormalBounds();

    std::vector<std::unique_ptr<FormDocument>> forms_;
    int current_ = -1;
    bool lastMode_ = false;
    bool modeChanging_ = false;
    bool applyingConfig_ = false;
    bool ignoreAllReadErrors_ = false;
    bool inDesignChange_ = false;
    bool closed_ = false;
    int firstPopupTag_ = 0;
    // Signatures have 11 bits: this one is never applied.
    static constexpr uint32_t kNoSignature = 0xFFFFFFFF;
    uint32_t lastSignature_ = 0;
    HKL lastLayout_ = nullptr;
    int hintTab_ = -1;
    TRTDAlignment* alignment_ = nullptr;  // owned by the window, made on first use
    // The stored state, applied when the window is shown.
    int windowState_ = 0;
    std::unique_ptr<HStorageLink> link_;
};

// The one main window of the process.
TMainForm* MainForm();
// Installs the windows of the main form and of the controls it uses; before the form is made.
void RegisterMainFormWindow();
// The designer's main window as its stored form makes it, before start-up; raises when the
// form cannot be read.
std::unique_ptr<TMainForm> ReadMainForm();
// The stored form with its window, started up.
std::unique_ptr<TMainForm> CreateMainForm();
