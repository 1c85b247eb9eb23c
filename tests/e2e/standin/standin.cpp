// Another program's window for the end-to-end scenarios: a borderless grey
// popup at the given place, in no taskbar, that prints a line for each
// press of the left button on it. With "topmost" it is a taskbar
// look-alike: on top of other windows and brought to the front.
//
//   standin.exe LEFT TOP WIDTH HEIGHT [topmost]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

LRESULT CALLBACK standInProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_LBUTTONDOWN:
        std::printf("press %d %d\n", static_cast<short>(LOWORD(lParam)),
                    static_cast<short>(HIWORD(lParam)));
        std::fflush(stdout);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5)
        return 2;
    const bool topmost = argc > 5 && std::strcmp(argv[5], "topmost") == 0;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = standInProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = L"TavrinStandIn";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(
        WS_EX_TOOLWINDOW | (topmost ? WS_EX_TOPMOST : 0), windowClass.lpszClassName, L"standin",
        WS_POPUP, std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
        nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    if (topmost)
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
