// The framework layer is portable: it may not include the Windows headers.
#error "windowsx.h in the framework layer"
