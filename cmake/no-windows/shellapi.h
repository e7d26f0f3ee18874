// The framework layer is portable: it may not include the Windows headers.
#error "shellapi.h in the framework layer"
