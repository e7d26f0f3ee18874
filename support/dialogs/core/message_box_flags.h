// The flags of XMessageBox: the system message box flags plus bits of its own, and the
// values its buttons return. Kept free of windows.h so the box's rules build everywhere.
#pragma once

// The fields of the system's flags the box reads.
constexpr unsigned XMB_BUTTONSETMASK = 0x0000000F;
constexpr unsigned XMB_ICONMASK = 0x000000F0;
constexpr unsigned XMB_DEFBUTTONMASK = 0x00000F00;
constexpr unsigned XMB_SYSTEMMODAL = 0x00001000;
constexpr unsigned XMB_HELP = 0x00004000;

// Button sets (flags and 15).
constexpr unsigned XMB_OK = 0;
constexpr unsigned XMB_OKCANCEL = 1;
constexpr unsigned XMB_ABORTRETRYIGNORE = 2;
constexpr unsigned XMB_YESNOCANCEL = 3;
constexpr unsigned XMB_YESNO = 4;
constexpr unsigned XMB_RETRYCANCEL = 5;
constexpr unsigned XMB_CONTINUEABORT = 8;

// Icons (flags and 240).
constexpr unsigned XMB_ICONERROR = 0x10;
constexpr unsigned XMB_ICONQUESTION = 0x20;
constexpr unsigned XMB_ICONEXCLAMATION = 0x30;
constexpr unsigned XMB_ICONINFORMATION = 0x40;

// Bits of the box's own.
constexpr unsigned XMB_NOTASKAGAIN = 0x01000000;
constexpr unsigned XMB_NOTTELLAGAIN = 0x02000000;
constexpr unsigned XMB_YESTOALL = 0x04000000;
constexpr unsigned XMB_NOTOALL = 0x08000000;
constexpr unsigned XMB_BUILTINTEXTS = 0x10000000;
constexpr unsigned XMB_NOSOUND = 0x80000000;

// The bits that only this box understands; the system's box is never given them.
constexpr unsigned XMB_OWNBITS = 0xFF000000;

// What the buttons return.
enum XMBResult : int {
    XMB_IDOK = 1,
    XMB_IDCANCEL = 2,
    XMB_IDABORT = 3,
    XMB_IDRETRY = 4,
    XMB_IDIGNORE = 5,
    XMB_IDYES = 6,
    XMB_IDNO = 7,
    XMB_IDHELP = 9,
    XMB_IDCONTINUE = 11,
    XMB_IDYESTOALL = 11,
    XMB_IDNOTOALL = 12,
};
