// The framework layer is portable: it may not include the Windows headers.
#error "windows.h in the framework layer"
