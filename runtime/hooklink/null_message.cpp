#include "runtime/hooklink/null_message.h"

namespace {

constexpr UINT kNullMessageTimeoutMs = 1000;

}  // namespace

bool SendNullMessage(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, kNullMessageTimeoutMs,
                               &result) != 0;
}
