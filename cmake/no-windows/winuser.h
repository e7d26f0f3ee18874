// The framework layer is portable: it may not include the Windows headers.
#error "winuser.h in the framework layer"
