// The framework layer is portable: it may not include the Windows headers.
#error "commctrl.h in the framework layer"
