// Stand-ins for the user32, shell32 and advapi32 calls the program makes:
// each records what it was asked, for the tests to read back.
#include "sim_internal.h"

#include "../codepage.h"

#include <utility>

namespace tavrin::sim {

void SimDesktop::setCursor(long x, long y) {
    cursor_ = Point{x, y};
}
void SimDesktop::setCursorFails(bool fails) {
    cursorFails_ = fails;
}

void SimDesktop::setUserName(std::optional<std::string> name) {
    userName_ = std::move(name);
}

bool SimDesktop::getCursorPos(Point& p) {
    if (cursorFails_)
        return false;
    p = cursor_;
    return true;
}

long SimDesktop::getWindowLong(WindowHandle window, int index) {
    auto it = windows_.find(window);
    if (it == windows_.end() || !it->second.alive || index != kGwlExStyle)
        return 0;
    return it->second.exStyle;
}

long SimDesktop::setWindowLong(WindowHandle window, int index, long value) {
    auto it = windows_.find(window);
    if (it == windows_.end() || !it->second.alive || index != kGwlExStyle)
        return 0;
    return std::exchange(it->second.exStyle, value);
}

bool SimDesktop::setLayeredWindowAttributes(WindowHandle window, Color, std::uint8_t alpha,
                                            std::uint32_t flags) {
    auto it = windows_.find(window);
    if (it == windows_.end() || !it->second.alive || !(it->second.exStyle & kWsExLayered) ||
        !(flags & kLwaAlpha))
        return false;
    it->second.alpha = alpha;
    return true;
}

bool SimDesktop::setWindowPos(WindowHandle window, WindowHandle insertAfter, int, int, int, int,
                              unsigned) {
    auto it = windows_.find(window);
    if (it == windows_.end() || !it->second.alive)
        return false;
    ++it->second.setWindowPosCalls;
    if (insertAfter == kHwndTopmost)
        it->second.topmost = true;
    return true;
}

// --- Shell and dialogs ---

std::intptr_t SimDesktop::shellExecute(WindowHandle owner, const std::optional<std::string>& verb,
                                       const std::string& file,
                                       const std::optional<std::string>& parameters,
                                       const std::optional<std::string>& directory,
                                       int showCommand) {
    shellCalls_.push_back(
        ShellCall{owner, verb, file, cp1252FromUtf8(file), parameters, directory, showCommand});
    return 42; // above 32: success
}

void SimDesktop::shellAbout(WindowHandle owner, const std::string& app,
                            const std::string& otherStuff) {
    aboutBoxes_.push_back(AboutCall{owner, app, otherStuff});
}

void SimDesktop::messageBox(const std::string& text, const std::string& caption, MessageIcon icon) {
    messageBoxes_.push_back(MessageBoxCall{text, caption, icon});
}

bool SimDesktop::getUserName(std::string& buffer) {
    if (!userName_)
        return false;
    const std::string& name = *userName_;
    if (buffer.size() < name.size() + 1)
        buffer.resize(name.size() + 1);
    buffer.replace(0, name.size(), name);
    buffer[name.size()] = '\0';
    return true;
}
} // namespace tavrin::sim
