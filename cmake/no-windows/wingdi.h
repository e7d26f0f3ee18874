// The framework layer is portable: it may not include the Windows headers.
#error "wingdi.h in the framework layer"
