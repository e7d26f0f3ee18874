// The keyboard's one visible window: a layout of key controls in a design panel, floating
// above all windows without ever taking the activation, with its tray icon and menus. It
// follows the foreground window as the target of its keystrokes.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/hooklink/process_bitness.h"
#include "support/win32/form.h"

class HCfgStorage;
class IInputPlatform;
class HControlIO;
class HDesignPanel;
class HMenuItem;
class HPopupMenu;
class OSKCustomKey;
class TCharDisplay;
class TKeystrokes;
class TLabel;
class TNITrayIcon;
class TOpenDialog;
class TPopupMenu;
class TReader;
class TTargetTracker;
class TTimer;

// The window class and title by which a second start finds the running keyboard.
inline constexpr wchar_t kMainFormClass[] = L"TMainFormOSK";
inline constexpr wchar_t kMainFormTitle[] = L"Pendrel";
// The timer that finishes the start-up once the keyboard has painted.
inline constexpr UINT_PTR kStartupTimer = 0x0D7B;

class TMainFormOSK : public TForm {
    PENDREL_CLASS(TMainFormOSK, TForm)
public:
    explicit TMainFormOSK(TComponent* owner);
    ~TMainFormOSK() override;

    HCfgStorage* cfg;
    TTimer* Timer;
    TNITrayIcon* NITrayIcon1;
    HPopupMenu* popupTry;
    HMenuItem* nuActivate;
    HMenuItem* mnuShowHide;
    HMenuItem* mnuCfg;
    HMenuItem* mnuLoad;
    HMenuItem* mnuExit;
    HDesignPanel* design;
    HControlIO* cIO;
    TTimer* tmChar;
    TLabel* txtChar;
    TOpenDialog* open;
    HPopupMenu* popupFiles;

    // Runs once the window exists: settings, shared record, character window, layout, hook.
    void FormCreate();
    // The window is closing and the keyboard ends; runs once.
    void FormClose();
    HWND Window();

    void LoadLayout(const std::string& path);
    void StoreLayoutPosition(const std::string& path);
    // Gives the window the layout's size and its remembered or first place, in one move.
    void PlaceForLayout(const std::string& path);
    // Pulls the window back from the right and bottom edges of its monitor.
    void ClampToScreen();
    void ApplyHookSetting();

    // Target tracking and keystrokes.
    void idMainTimer(TObject* sender);
    void RefreshKeys(uint8_t* state, HKL layout);
    // The target to its next keyboard layout: by the hook where it runs in the target, else
    // by a request to the target's window.
    void SwitchTargetLayout();
    // Whether the hook library can run in a window's process; tests stand in for processes
    // of the other bitness.
    bool (*SharesHookWith)(HWND window) = &SameBitnessAsThisProcess;
    void KeyPressed(OSKCustomKey* key);
    void PopupByKey(OSKCustomKey* key, TPopupMenu* menu);
    TTargetTracker& Target() { return *target_; }
    TKeystrokes& Keystrokes() { return *keystrokes_; }
    // The system's input services; tests put theirs in place before FormCreate.
    void UseInputPlatform(IInputPlatform& input);
    TCharDisplay& CharDisplay() { return *charDisplay_; }
    bool Busy = false;
    bool LayoutLoaded = false;
    HKL LastLayout = nullptr;
    uint32_t LastSignature = 0;
    HWND LastTarget = nullptr;

    // The window's own messages; true when handled, with result set.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The application-wide filter behind background dragging; true when it took the message.
    bool DragFilter(const MSG& message);
    // The drag's timer step (WM_TIMER); false for other timers.
    bool DragTimerTick(WPARAM timer);
    // Finishes the start-up (WM_TIMER); false for other timers.
    bool StartupTimerTick(WPARAM timer);

    // Handlers.
    void idShowHide(TObject* sender);
    void popupTryPopup(TObject* sender);
    void idActivateClick(TObject* sender);
    void idConfig(TObject* sender);
    void mnuLoadClick(TObject* sender);
    void mnuExitClick(TObject* sender);
    void cIOReadError(TReader* reader, const std::string& error, bool& ignore);
    void cIOComponentCreate(TObject* sender, TComponent* component);

private:
    void CreateComponents();
    void CreateMenus();
    void ChooseLayout();
    TRect UsersWorkArea() const;
    // Where a window at these bounds goes once pulled back from its monitor's edges.
    TPoint ClampedPlace(const TRect& window) const;
    // The target, the character window, the task-bar window, the icons and the layout hook
    // come once the keyboard has painted.
    void FinishStartupSoon();
    void FinishStartup();
    void TargetAdopted(HWND window);
    void ApplyTaskbarSetting();
    void SelectKeyboardMenu(OSKCustomKey* key);
    void RunCommand(OSKCustomKey* key);
    void PressKey(OSKCustomKey* key);
    OSKCustomKey* OwnKeyAt(uintptr_t address) const;
    void BeginDrag(POINT origin);
    void DragTo(POINT point);
    void EndDrag();
    LRESULT GetSetting(WPARAM name, LPARAM def);

    std::unique_ptr<TTargetTracker> target_;
    IInputPlatform* input_ = nullptr;
    std::unique_ptr<TKeystrokes> keystrokes_;
    std::unique_ptr<TCharDisplay> charDisplay_;
    std::vector<std::string> LayoutFileList;
    POINT DragOrigin{};
    bool Dragging = false;
    bool closed_ = false;
    bool startupFinished_ = false;
    bool closeAfterLoad_ = false;
    // Answers for the layout of the target come from the hook only where it can run.
    bool hookReachesTarget_ = true;
};

// The one main form of the process, for the message filter and the entry point.
TMainFormOSK* MainFormOSK();
// Installs the windows of the main form and of the controls it uses; before the form is made.
void RegisterMainFormWindow();
