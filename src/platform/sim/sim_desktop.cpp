#include "sim_desktop.h"

#include "../check_box.h"
#include "../codepage.h"
#include "../combo_box.h"
#include "../frame.h"
#include "../text_box.h"
#include "../timer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace tavrin::sim {

namespace {

constexpr long long kSecondsPerDay = 86400;
constexpr const char* kProgramFilesPrefix = "C:\\Program Files\\";

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
long long daysFromCivil(long long y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

LocalTime civilFromSeconds(long long seconds) {
    long long days = seconds / kSecondsPerDay;
    long long rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    LocalTime t;
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    t.weekday = static_cast<int>(((days + 4) % 7 + 7) % 7); // 1970-01-01 was a Thursday

    const long long z = days + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2));
    return t;
}

long long secondsFromCivil(const LocalTime& t) {
    return daysFromCivil(t.year, t.month, t.day) * kSecondsPerDay + t.hour * 3600LL +
           t.minute * 60LL + t.second;
}

// Byte offsets of each code point's start, plus the end of the text.
std::vector<std::size_t> codePointOffsets(const std::string& text) {
    std::vector<std::size_t> offsets;
    std::size_t pos = 0;
    while (pos < text.size()) {
        offsets.push_back(pos);
        nextCodePoint(text, pos);
    }
    offsets.push_back(text.size());
    return offsets;
}

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

} // namespace

// Counts nested event handling; when the outermost handler returns, the
// forms unloaded meanwhile are freed.
class SimDesktop::Dispatch {
  public:
    explicit Dispatch(SimDesktop& desk) : desk_(desk) { ++desk_.dispatchDepth_; }
    ~Dispatch() {
        if (--desk_.dispatchDepth_ == 0) {
            std::vector<std::unique_ptr<Form>> done = std::move(desk_.retired_);
            desk_.retired_.clear();
        }
    }
    Dispatch(const Dispatch&) = delete;
    Dispatch& operator=(const Dispatch&) = delete;

  private:
    SimDesktop& desk_;
};

class SimDesktop::TimerPeer : public Peer {
  public:
    TimerPeer(SimDesktop& desk, Timer& timer) : desk_(desk), timer_(timer) {}
    Timer& timer() const { return timer_; }

    // Enabling starts a full interval, disabling discards the countdown and
    // a new interval starts over.
    void changed(Prop what) override {
        if (what != Prop::Enabled && what != Prop::Timer)
            return;
        desk_.disarm(timer_);
        if (timer_.running())
            desk_.arm(timer_);
    }

  private:
    SimDesktop& desk_;
    Timer& timer_;
};

class SimDesktop::FormPeerImpl : public FormPeer {
  public:
    FormPeerImpl(SimDesktop& desk, Form& form, WindowHandle handle)
        : desk_(desk), form_(form), handle_(handle) {
        attachTree(form);
    }
    ~FormPeerImpl() override {
        WindowRecord& record = desk_.windows_.at(handle_);
        record.alive = false;
        record.visible = false;
        record.form = nullptr;
        for (const auto& peer : timers_) {
            peer->timer().attach(nullptr);
            desk_.disarm(peer->timer());
        }
    }
    FormPeerImpl(const FormPeerImpl&) = delete;
    FormPeerImpl& operator=(const FormPeerImpl&) = delete;

    WindowHandle handle() const override { return handle_; }
    void changed(Prop what) override {
        if (what == Prop::Visible)
            desk_.windows_.at(handle_).visible = form_.visible() && !desk_.ended_;
    }

  private:
    void attachTree(Container& container) {
        for (Control* child : container.children()) {
            if (child->kind() == ControlKind::Timer) {
                auto& timer = static_cast<Timer&>(*child);
                timers_.push_back(std::make_unique<TimerPeer>(desk_, timer));
                timer.attach(timers_.back().get());
                if (timer.running())
                    desk_.arm(timer);
            } else if (child->kind() == ControlKind::Frame) {
                attachTree(static_cast<Frame&>(*child));
            }
        }
    }

    SimDesktop& desk_;
    Form& form_;
    WindowHandle handle_;
    std::vector<std::unique_ptr<TimerPeer>> timers_;
};

SimDesktop::SimDesktop() {
    baseSeconds_ = secondsFromCivil(LocalTime{2026, 12, 6, 12, 0, 0, 0});
    std::string pattern = (std::filesystem::temp_directory_path() / "tavrin-sim-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create the simulated Program Files folder");
    programFiles_ = pattern;
    ownsProgramFiles_ = true;
}

SimDesktop::~SimDesktop() {
    retired_.clear();
    if (ownsProgramFiles_) {
        std::error_code ignored;
        std::filesystem::remove_all(programFiles_, ignored);
    }
}

// --- Setting the scene ---

void SimDesktop::setScreenTwips(Twips width, Twips height) {
    screenWidth_ = width;
    screenHeight_ = height;
}

void SimDesktop::setScreenPixels(int width, int height) {
    setScreenTwips(static_cast<Twips>(width) * kTwipsPerPixel,
                   static_cast<Twips>(height) * kTwipsPerPixel);
}

void SimDesktop::setCursor(long x, long y) {
    cursor_ = Point{x, y};
}
void SimDesktop::setCursorFails(bool fails) {
    cursorFails_ = fails;
}

void SimDesktop::setNow(const LocalTime& time) {
    baseSeconds_ = secondsFromCivil(time) - elapsedMs_ / 1000;
}

void SimDesktop::setLongDate(std::optional<std::string> text) {
    longDate_ = std::move(text);
}
void SimDesktop::setUserName(std::optional<std::string> name) {
    userName_ = std::move(name);
}

void SimDesktop::setProgramFilesFolder(const std::filesystem::path& folder) {
    if (ownsProgramFiles_) {
        std::error_code ignored;
        std::filesystem::remove_all(programFiles_, ignored);
        ownsProgramFiles_ = false;
    }
    programFiles_ = folder;
}

std::filesystem::path SimDesktop::settingsFile() const {
    return programFiles_ / "Norvane.txt";
}

void SimDesktop::setReadLocked(bool locked) {
    readLocked_ = locked;
}
void SimDesktop::setWriteProtected(bool writeProtected) {
    writeProtected_ = writeProtected;
}
void SimDesktop::failWritesAfter(std::optional<std::size_t> bytes) {
    failWritesAfter_ = bytes;
}

// --- Time ---

void SimDesktop::arm(Timer& timer) {
    if (ended_ || !timer.running())
        return;
    armed_.push_back(ArmedTimer{&timer, elapsedMs_ + timer.interval(), nextSequence_++});
}

void SimDesktop::disarm(Timer& timer) {
    std::erase_if(armed_, [&](const ArmedTimer& a) { return a.timer == &timer; });
}

void SimDesktop::advance(int milliseconds) {
    const long long target = elapsedMs_ + std::max(milliseconds, 0);
    for (;;) {
        auto next = armed_.end();
        for (auto it = armed_.begin(); it != armed_.end(); ++it)
            if (it->due <= target && (next == armed_.end() || it->due < next->due ||
                                      (it->due == next->due && it->sequence < next->sequence)))
                next = it;
        if (next == armed_.end())
            break;
        Timer& timer = *next->timer;
        elapsedMs_ = next->due;
        // Re-armed before the handler runs, which may disarm or restart it.
        next->due += timer.interval();
        next->sequence = nextSequence_++;
        Dispatch scope(*this);
        timer.raiseTimer();
    }
    elapsedMs_ = target;
}

int SimDesktop::runningTimers() const {
    return static_cast<int>(armed_.size());
}

// --- Input ---

bool SimDesktop::accepts(const Control& target) const {
    const Form* form = target.form();
    return !ended_ && form && form->loaded();
}

void SimDesktop::mouseMove(Control& target, MouseArgs args) {
    Dispatch scope(*this);
    if (accepts(target))
        target.raiseMouseMove(args);
}

void SimDesktop::mouseDown(Control& target, MouseArgs args) {
    Dispatch scope(*this);
    if (accepts(target))
        target.raiseMouseDown(args);
}

void SimDesktop::mouseUp(Control& target, MouseArgs args) {
    Dispatch scope(*this);
    if (accepts(target))
        target.raiseMouseUp(args);
}

void SimDesktop::click(Control& target, int button) {
    Dispatch scope(*this);
    MouseArgs args;
    args.button = button;
    if (!accepts(target))
        return;
    target.raiseMouseDown(args);
    if (!accepts(target))
        return;
    target.raiseMouseUp(args);
    if (!accepts(target))
        return;
    if (target.kind() == ControlKind::CheckBox)
        static_cast<CheckBox&>(target).userToggle(); // raises Click itself
    else
        target.raiseClick();
}

void SimDesktop::dblClick(Control& target) {
    Dispatch scope(*this);
    click(target);
    if (!accepts(target))
        return;
    target.raiseDblClick();
    if (accepts(target))
        target.raiseMouseUp(MouseArgs{});
}

void SimDesktop::mouseMove(Form& target, MouseArgs args) {
    Dispatch scope(*this);
    if (!ended_ && target.loaded())
        target.Form_MouseMove(args);
}

void SimDesktop::dblClick(Form& target) {
    Dispatch scope(*this);
    if (!ended_ && target.loaded())
        target.Form_DblClick();
}

void SimDesktop::typeKey(TextBox& target, int key) {
    Dispatch scope(*this);
    if (!accepts(target))
        return;
    key = target.raiseKeyPress(key);
    // A one-line edit control inserts no control characters.
    if (key == 0 || (key != 8 && key < 32) || !accepts(target))
        return;
    const std::string& text = target.text();
    const std::vector<std::size_t> offsets = codePointOffsets(text);
    const int length = static_cast<int>(offsets.size()) - 1;
    const int caret = std::clamp(target.selStart(), 0, length);
    std::string edited = text;
    int newCaret = caret;
    if (key == 8) {
        if (caret == 0)
            return;
        const std::size_t from = offsets[static_cast<std::size_t>(caret - 1)];
        edited.erase(from, offsets[static_cast<std::size_t>(caret)] - from);
        newCaret = caret - 1;
    } else {
        if (target.maxLength() > 0 && length >= target.maxLength())
            return;
        std::string inserted;
        appendUtf8(inserted, static_cast<char32_t>(key));
        edited.insert(offsets[static_cast<std::size_t>(caret)], inserted);
        newCaret = caret + 1;
    }
    // The caret first, so that Change handlers see where it now stands.
    target.syncSelStart(newCaret);
    target.syncText(edited);
}

void SimDesktop::typeText(TextBox& target, const std::string& utf8) {
    Dispatch scope(*this);
    for (std::size_t pos = 0; pos < utf8.size();)
        typeKey(target, static_cast<int>(nextCodePoint(utf8, pos)));
}

void SimDesktop::pickItem(ComboBox& target, int index) {
    Dispatch scope(*this);
    if (accepts(target))
        target.syncListIndex(index);
}

// --- What the program did ---

const WindowRecord* SimDesktop::window(WindowHandle handle) const {
    auto it = windows_.find(handle);
    return it == windows_.end() ? nullptr : &it->second;
}

const WindowRecord* SimDesktop::windowOf(const Form& form) const {
    for (const auto& [handle, record] : windows_)
        if (record.form == &form)
            return &record;
    return nullptr;
}

int SimDesktop::liveWindows() const {
    return static_cast<int>(std::count_if(windows_.begin(), windows_.end(),
                                          [](const auto& entry) { return entry.second.alive; }));
}

// --- Windows ---

std::unique_ptr<FormPeer> SimDesktop::createWindow(Form& form) {
    const WindowHandle handle = nextHandle_++;
    WindowRecord& record = windows_[handle];
    record.handle = handle;
    record.form = &form;
    return std::make_unique<FormPeerImpl>(*this, form, handle);
}

void SimDesktop::retire(std::unique_ptr<Form> form) {
    // Outside any event (a test driving a form directly) the forms retired
    // before this one are done with; keep only the newest.
    if (dispatchDepth_ == 0)
        retired_.clear();
    retired_.push_back(std::move(form));
}

void SimDesktop::endProgram() {
    ended_ = true;
    for (auto& [handle, record] : windows_)
        record.visible = false;
    armed_.clear();
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

// --- Clock and locale ---

LocalTime SimDesktop::now() const {
    return civilFromSeconds(baseSeconds_ + elapsedMs_ / 1000);
}

std::string SimDesktop::longDate() const {
    if (longDate_)
        return *longDate_;
    static constexpr std::array<const char*, 7> kDays = {
        "domingo", "lunes", "martes", "mi\u00e9rcoles", "jueves", "viernes", "s\u00e1bado"};
    static constexpr std::array<const char*, 12> kMonths = {
        "enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
        "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};
    const LocalTime t = now();
    return std::string(kDays[static_cast<std::size_t>(t.weekday)]) + ", " + std::to_string(t.day) +
           " de " + kMonths[static_cast<std::size_t>(t.month - 1)] + " de " +
           std::to_string(t.year);
}

// --- Files ---

std::string SimDesktop::settingsFilePath() const {
    return "C:\\Program Files\\Norvane.txt";
}

std::optional<std::filesystem::path> SimDesktop::mapPath(const std::string& windowsPath) const {
    const std::string prefix = kProgramFilesPrefix;
    if (!startsWithNoCase(windowsPath, prefix))
        return std::nullopt;
    std::string rest = windowsPath.substr(prefix.size());
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return programFiles_ / rest;
}

std::optional<std::string> SimDesktop::readFile(const std::string& path) {
    const auto real = mapPath(path);
    std::error_code ec;
    if (readLocked_ || !real || !std::filesystem::is_regular_file(*real, ec))
        return std::nullopt;
    std::ifstream in(*real, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool SimDesktop::writeFileReplacing(const std::string& path, const std::string& bytes) {
    const auto real = mapPath(path);
    if (writeProtected_ || !real)
        return false;
    std::filesystem::path temp = *real;
    temp += ".new";
    auto fail = [&] {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
    };
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return fail();
        // A write cut short: part of the new content reached the disk.
        if (failWritesAfter_) {
            out.write(bytes.data(),
                      static_cast<std::streamsize>(std::min(*failWritesAfter_, bytes.size())));
            out.close();
            return fail();
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            return fail();
    }
    std::error_code ec;
    std::filesystem::rename(temp, *real, ec);
    return ec ? fail() : true;
}

std::string SimDesktop::ansiFromUtf8(const std::string& utf8) const {
    return cp1252FromUtf8(utf8);
}

std::string SimDesktop::utf8FromAnsi(const std::string& ansi) const {
    return utf8FromCp1252(ansi);
}

} // namespace tavrin::sim
