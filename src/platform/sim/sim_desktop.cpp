#include "sim_internal.h"

#include "../frame.h"
#include "../tab_order.h"

#include <algorithm>
#include <tuple>

namespace tavrin::sim {

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
        if (desk_.focused_ && desk_.focused_->form() == &form_)
            desk_.focused_ = nullptr;
        desk_.lastFocus_.erase(&form_);
        for (const auto& peer : timers_) {
            peer->timer().attach(nullptr);
            desk_.disarm(peer->timer());
        }
        for (const auto& peer : tripwires_)
            peer->wire().attach(nullptr);
    }
    FormPeerImpl(const FormPeerImpl&) = delete;
    FormPeerImpl& operator=(const FormPeerImpl&) = delete;

    WindowHandle handle() const override { return handle_; }
    void changed(Prop what) override {
        if (what != Prop::Visible)
            return;
        WindowRecord& record = desk_.windows_.at(handle_);
        if (!record.visible)
            record.raised = ++desk_.raises_;
        record.visible = form_.visible() && !desk_.ended_;
        // A bordered form comes up active, with the focus back on the
        // control of its own that had it last, else on its first stop.
        if (!record.visible || form_.border() == FormBorder::None)
            return;
        ++record.activations;
        if (desk_.focused_ && desk_.focused_->form() == &form_)
            return;
        auto last = desk_.lastFocus_.find(&form_);
        if (last != desk_.lastFocus_.end() && desk_.reachable(*last->second))
            desk_.moveFocus(last->second);
        else if (Control* first = nextTabStop(form_, nullptr, false))
            desk_.moveFocus(first);
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
            } else if (child->kind() == ControlKind::Tripwire) {
                auto& wire = static_cast<Tripwire&>(*child);
                tripwires_.push_back(std::make_unique<TripwirePeer>(desk_, wire));
                wire.attach(tripwires_.back().get());
            } else if (child->kind() == ControlKind::Frame) {
                attachTree(static_cast<Frame&>(*child));
            }
        }
    }

    SimDesktop& desk_;
    Form& form_;
    WindowHandle handle_;
    std::vector<std::unique_ptr<TimerPeer>> timers_;
    std::vector<std::unique_ptr<TripwirePeer>> tripwires_;
};

SimDesktop::SimDesktop() {
    baseSeconds_ = secondsFromCivil(LocalTime{2026, 12, 6, 12, 0, 0, 0});
    layOutFolders();
}

SimDesktop::~SimDesktop() {
    retired_.clear();
}

// --- Setting the scene ---

void SimDesktop::setScreenTwips(Twips width, Twips height) {
    if (width == screenWidth_ && height == screenHeight_)
        return;
    screenWidth_ = width;
    screenHeight_ = height;
    tellDisplayChange();
}

void SimDesktop::setDpi(int dpi) {
    const PixelScale scale(dpi);
    if (scale == scale_)
        return;
    const Twips width = screenWidth_ / scale_.twipsPerPixel();
    const Twips height = screenHeight_ / scale_.twipsPerPixel();
    scale_ = scale;
    screenWidth_ = width * scale.twipsPerPixel();
    screenHeight_ = height * scale.twipsPerPixel();
    tellDisplayChange();
}

void SimDesktop::tellDisplayChange() {
    // Every window hears of it, as WM_DISPLAYCHANGE tells them on Windows.
    Dispatch scope(*this);
    std::vector<Form*> forms;
    for (const auto& [handle, record] : windows_)
        if (record.alive && record.form)
            forms.push_back(record.form);
    for (Form* form : forms)
        if (!ended_ && form->loaded())
            deliver([form] { form->Form_DisplayChange(); });
}

void SimDesktop::setScreenPixels(int width, int height) {
    setScreenTwips(scale_.twips(width), scale_.twips(height));
}

void SimDesktop::setShellUnreachable(bool unreachable) {
    shellUnreachable_ = unreachable;
}

void SimDesktop::setWindowColor(Color color) {
    windowColor_ = color;
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

WindowHandle SimDesktop::windowAt(Point pixel) const {
    const WindowRecord* top = nullptr;
    for (const auto& [handle, record] : windows_) {
        const Form* form = record.form;
        if (!record.visible || !form || form->passThrough())
            continue;
        const bool inside = pixel.x >= scale_.pixels(form->left()) &&
                            pixel.x < scale_.farEdge(form->left(), form->width()) &&
                            pixel.y >= scale_.pixels(form->top()) &&
                            pixel.y < scale_.farEdge(form->top(), form->height());
        if (inside &&
            (!top || std::tie(record.topmost, record.raised) > std::tie(top->topmost, top->raised)))
            top = &record;
    }
    return top ? top->handle : 0;
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
} // namespace tavrin::sim
