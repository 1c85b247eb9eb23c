// Stand-ins for the user32, shell32 and advapi32 calls the program makes:
// each records what it was asked, for the tests to read back.
#include "sim_internal.h"

#include "../codepage.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tavrin::sim {

void SimDesktop::setCursor(long x, long y) {
    cursor_ = Point{x, y};
    checkTripwires();
}

void SimDesktop::checkTripwires() {
    if (dispatchDepth_ > 0 || ended_)
        return;
    auto touched = [this](const Tripwire* wire) {
        return wire->armed() && wire->pixel().x == cursor_.x && wire->pixel().y == cursor_.y;
    };
    // A touch may arm or disarm others; look again after each.
    for (;;) {
        auto wire = std::find_if(tripwires_.begin(), tripwires_.end(), touched);
        if (wire == tripwires_.end())
            return;
        Tripwire* target = *wire;
        deliver([target] { target->touch(); });
    }
}

std::vector<Point> SimDesktop::tripwirePixels() const {
    std::vector<Point> pixels;
    for (const Tripwire* wire : tripwires_)
        if (wire->armed())
            pixels.push_back(wire->pixel());
    return pixels;
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
    if (insertAfter == kHwndTopmost) {
        it->second.topmost = true;
        it->second.raised = ++raises_;
    }
    return true;
}

// --- Shell and dialogs ---

bool SimDesktop::shellExecute(WindowHandle owner, const std::optional<std::string>& verb,
                              const std::string& file, const std::optional<std::string>& parameters,
                              const std::optional<std::string>& directory, int showCommand,
                              std::function<void(ShellResult)> answered) {
    constexpr ShellResult kOpened = 42, kFileNotFound = 2;
    if (shellUnreachable_)
        return false;
    const ShellResult result = files_.exists(file) ? kOpened : kFileNotFound;
    shellCalls_.push_back(ShellCall{owner, verb, file, parameters, directory, showCommand, result});
    if (answered)
        shellAnswers_.emplace_back([answered = std::move(answered), result] { answered(result); });
    return true;
}

void SimDesktop::deliverShellAnswers() {
    // An answer's handler may open the shell again: that answer waits for
    // the next round.
    std::vector<std::function<void()>> answers = std::move(shellAnswers_);
    shellAnswers_.clear();
    for (const std::function<void()>& answer : answers)
        deliver(answer);
}

void SimDesktop::shellAbout(WindowHandle owner, const std::string& app,
                            const std::string& otherStuff) {
    aboutBoxes_.push_back(AboutCall{owner, app, otherStuff});
}

void SimDesktop::keepMessageBoxesOpen(int milliseconds, std::function<bool()> closeWhen) {
    messageBoxOpenMs_ = std::max(milliseconds, 0);
    messageBoxCloseWhen_ = std::move(closeWhen);
}

void SimDesktop::messageBox(const std::string& text, const std::string& caption, MessageIcon icon) {
    messageBoxes_.push_back(MessageBoxCall{text, caption, icon});
    // The box's own message loop: handlers run inside it while it is open.
    Dispatch scope(*this);
    if (!messageBoxCloseWhen_) {
        advance(messageBoxOpenMs_);
        return;
    }
    constexpr int kCheckEveryMs = 10;
    for (int open = 0; open < messageBoxOpenMs_ && !messageBoxCloseWhen_(); open += kCheckEveryMs)
        advance(kCheckEveryMs);
}

void SimDesktop::handlerEscaped(const char* what) noexcept {
    try {
        escaped_.emplace_back(what);
    } catch (...) {
        // Out of memory while noting it: the count is what matters, and it
        // cannot be kept either.
    }
}

TextExtent SimDesktop::measureText(const Font& font, const std::string& text) {
    constexpr double kTwipsPerPoint = 20;
    constexpr double kCharacterEms = 0.5;
    constexpr double kLineEms = 1.25;
    const double em = font.size * kTwipsPerPoint;
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < text.size(); ++characters)
        nextCodePoint(text, pos);
    const Twips pixel = scale_.twipsPerPixel();
    auto wholePixels = [pixel](double twips) { return std::ceil(twips / pixel) * pixel; };
    return TextExtent{wholePixels(static_cast<double>(characters) * em * kCharacterEms),
                      wholePixels(em * kLineEms)};
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
